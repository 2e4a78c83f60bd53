#include "commands/MenuCommands.h"

#include "commands/WindowActions.h"
#include "documents/MainWindowSession.h"
#include "form/MenuItem.h"
#include "form/ModelMenu.h"

namespace kilnward::commands {

using transfer::TransferKind;

MenuCommands::MenuCommands(documents::MainWindowSession& session, WindowActions& actions)
    : session_(session), actions_(actions) {
    documents::DocumentCommands& documents = session_.commands();
    add("mnuFileNew", [&documents](int) { documents.fileNew(); });
    add("mnuFileOpen", [&documents](int) { documents.fileOpen(); });
    add("mnuFileSave", [&documents](int) { documents.fileSave(); });
    add("mnuFileSaveAs", [&documents](int) { documents.fileSaveAs(); });
    add("mnufilesend", [this](int) { actions_.runTransfer(TransferKind::Send); });
    add("mnufileget", [this](int) { actions_.runTransfer(TransferKind::Receive); });
    add("mnuFileExit", [this](int) { actions_.closeMainWindow(); });
    add("mnudataload", [&documents](int d) { documents.dataLoad(d); });
    add("mnudatasave", [&documents](int d) { documents.dataSave(d); });
    add("mnudatasaveas", [&documents](int d) { documents.dataSaveAs(d); });
    add("mnudataviewfiles", [this](int) { actions_.showLoadedFiles(); });
    add("mnuSaveConfigasText", [this](int) { actions_.exportConfigText(); });
    add("mnuconfigureserial", [this](int) { actions_.showSerialSettings(); });
    add("mnuconfigurelanguage", [this](int) { actions_.showLanguageSettings(); });
    add("mnuconfiguresetclock", [this](int) { actions_.runTransfer(TransferKind::SetClock); });
    add("mnuaboutshowtip", [this](int) { actions_.showTipOfTheDay(); });
    add("mnuAboutAbout", [this](int) { actions_.showAbout(); });
}

void MenuCommands::add(const char* menu, Command command) {
    commands_.insert(QString::fromLatin1(menu).toLower(), std::move(command));
}

bool MenuCommands::trigger(const form::FormItem& menuItem) {
    if (menuItem.kind() != form::ItemKind::Menu) {
        return false;
    }
    const auto& entry = static_cast<const form::MenuItem&>(menuItem);
    if (entry.name().compare(QLatin1String("mnuinstrumentname"), Qt::CaseInsensitive) == 0) {
        // By index: two entries may name one model, and the one clicked is the one checked.
        session_.window().chooseModelEntry(entry.index());
        return true;
    }
    const auto command = commands_.constFind(entry.name().toLower());
    if (command == commands_.constEnd()) {
        return false;
    }
    (*command)(entry.index());
    return true;
}

}  // namespace kilnward::commands
