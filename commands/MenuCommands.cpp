#include "commands/MenuCommands.h"

#include "app/Translator.h"
#include "commands/WindowActions.h"
#include "documents/ControlKey.h"
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
    addWindowCommands();
}

void MenuCommands::addWindowCommands() {
    for (const WindowCommand& command : WindowCommands()) {
        add(command.key, [this, run = command.run](int) { (actions_.*run)(); });
        addState(command.key, command.english);
    }
    for (const WindowMenu& menu : WindowMenus()) {
        if (menu.key) {
            addState(menu.key, menu.english);
        }
    }
    retranslate();
}

void MenuCommands::add(const char* menu, Command command) {
    commands_.insert(QString::fromLatin1(menu).toLower(), std::move(command));
}

void MenuCommands::addState(const char* key, const char* english) {
    states_.insert(QString::fromLatin1(key).toLower(), {QString::fromUtf8(english), {}, true});
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
    return trigger(entry.name(), entry.index());
}

bool MenuCommands::trigger(const QString& name, int index) {
    const auto command = commands_.constFind(name.toLower());
    if (command == commands_.constEnd()) {
        return false;
    }
    (*command)(index);
    return true;
}

QString MenuCommands::caption(const QString& key) const {
    return states_.value(key.toLower()).caption;
}

bool MenuCommands::enabled(const QString& key) const {
    return states_.value(key.toLower()).enabled;
}

void MenuCommands::setCaption(const QString& key, const QString& caption) {
    const auto state = states_.find(key.toLower());
    if (state != states_.end() && state->caption != caption) {
        state->caption = caption;
        changed(key);
    }
}

void MenuCommands::setEnabled(const QString& key, bool enabled) {
    const auto state = states_.find(key.toLower());
    if (state != states_.end() && state->enabled != enabled) {
        state->enabled = enabled;
        changed(key);
    }
}

void MenuCommands::retranslate() {
    for (auto state = states_.begin(); state != states_.end(); ++state) {
        setCaption(state.key(), translator().TranslateString(state.key(), state->english));
    }
}

void MenuCommands::setListener(std::function<void(const QString& key)> listener) {
    listener_ = std::move(listener);
}

void MenuCommands::changed(const QString& key) {
    if (listener_) {
        listener_(key.toLower());
    }
}

app::Translator& MenuCommands::translator() const {
    return session_.messageBoxes().translator();
}

std::vector<MenuEntry> MenuCommands::entries() const {
    std::vector<MenuEntry> entries;
    for (const form::FormItem* item : session_.window().form().items()) {
        if (item->kind() != form::ItemKind::Menu) {
            continue;
        }
        const auto& entry = static_cast<const form::MenuItem&>(*item);
        entries.push_back({documents::ControlKey(entry), entry.caption(), entry.shortcut(),
                           CommandKeys::None, entry.enabled(), entry.visible(),
                           entry.container() == nullptr, entry.isSeparator()});
    }
    for (const WindowMenu& menu : WindowMenus()) {
        if (menu.key) {
            const QString key = QString::fromLatin1(menu.key);
            entries.push_back(
                {key, caption(key), {}, CommandKeys::None, enabled(key), true, true, false});
        }
    }
    for (const WindowCommand& command : WindowCommands()) {
        const QString key = QString::fromLatin1(command.key);
        entries.push_back({key, caption(key), {}, command.keys, enabled(key), true, false, false});
    }
    return entries;
}

}  // namespace kilnward::commands
