#include "commands/MenuCommands.h"

#include "commands/WindowActions.h"
#include "documents/MainWindowSession.h"
#include "form/FieldNames.h"
#include "form/MenuItem.h"
#include "form/ModelMenu.h"

namespace kilnward::commands {

using transfer::TransferKind;

MenuCommands::MenuCommands(documents::MainWindowSession& session, WindowActions& actions)
    : session_(session), actions_(actions) {
    documents::DocumentCommands& documents = session_.commands();
    add(form::field::mnuFileNew, [&documents](int) { documents.fileNew(); });
    add(form::field::mnuFileOpen, [&documents](int) { documents.fileOpen(); });
    add(form::field::mnuFileSave, [&documents](int) { documents.fileSave(); });
    add(form::field::mnuFileSaveAs, [&documents](int) { documents.fileSaveAs(); });
    add(form::field::mnufilesend, [this](int) { actions_.runTransfer(TransferKind::Send); });
    add(form::field::mnufileget, [this](int) { actions_.runTransfer(TransferKind::Receive); });
    add(form::field::mnuFileExit, [this](int) { actions_.closeMainWindow(); });
    add(form::field::mnudataload, [&documents](int d) { documents.dataLoad(d); });
    add(form::field::mnudatasave, [&documents](int d) { documents.dataSave(d); });
    add(form::field::mnudatasaveas, [&documents](int d) { documents.dataSaveAs(d); });
    add(form::field::mnudataviewfiles, [this](int) { actions_.showLoadedFiles(); });
    add(form::field::mnuSaveConfigasText, [this](int) { actions_.exportConfigText(); });
    add(form::field::mnuconfigureserial, [this](int) { actions_.showSerialSettings(); });
    add(form::field::mnuconfigurelanguage, [this](int) { actions_.showLanguageSettings(); });
    add(form::field::mnuconfiguresetclock,
        [this](int) { actions_.runTransfer(TransferKind::SetClock); });
    add(form::field::mnuaboutshowtip, [this](int) { actions_.showTipOfTheDay(); });
    add(form::field::mnuAboutAbout, [this](int) { actions_.showAbout(); });
}

void MenuCommands::add(const char* menu, Command command) {
    commands_.insert(QString::fromLatin1(menu).toLower(), std::move(command));
}

bool MenuCommands::trigger(const form::FormItem& menuItem) {
    if (menuItem.kind() != form::ItemKind::Menu) {
        return false;
    }
    const auto& entry = static_cast<const form::MenuItem&>(menuItem);
    if (entry.name().compare(QLatin1String(form::field::mnuinstrumentname), Qt::CaseInsensitive) ==
        0) {
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
