#pragma once

#include <QHash>
#include <QString>

#include <functional>
#include <vector>

#include "commands/WindowCommand.h"

namespace kilnward::app {
class Translator;
}
namespace kilnward::documents {
class MainWindowSession;
}
namespace kilnward::form {
class FormItem;
}

namespace kilnward::commands {

class WindowActions;

// One entry of the menu bar as the registry serves it.
struct MenuEntry {
    // The entry's object name: the control key of a configuration entry, the key of a
    // window entry.
    QString objectName;
    QString caption;
    // A configuration entry's shortcut (portable text), a window entry's key bindings.
    QString shortcut;
    CommandKeys keys = CommandKeys::None;
    bool enabled = true;
    bool visible = true;
    // A menu of the bar rather than an entry of one.
    bool menu = false;
    bool separator = false;
};

// The one registry of the main window's menu bar: maps every entry to what it does (the
// document commands of the Profile and Data menus run here, the model menu chooses its
// model, what needs a window goes to `WindowActions`) and holds the captions, keys and
// enabled states of the entries the window adds (`WindowCommands`); those of the
// configuration's entries are their form items'. Menu titles and separators are no commands.
class MenuCommands {
  public:
    MenuCommands(documents::MainWindowSession& session, WindowActions& actions);

    // Runs the command of `menuItem`; false when the item is no command.
    bool trigger(const form::FormItem& menuItem);
    // Runs the command of the entry named `name` (a form name or a window entry's key);
    // false when there is none.
    bool trigger(const QString& name, int index = -1);

    // A window entry's (or own menu's) caption in the current language, or as last set.
    QString caption(const QString& key) const;
    bool enabled(const QString& key) const;
    // Undo and Redo name the step they take back, and are enabled only with one to take.
    void setCaption(const QString& key, const QString& caption);
    void setEnabled(const QString& key, bool enabled);
    // The window entries' and own menus' captions from the translator.
    void retranslate();
    // Told the key of a window entry whose caption or enabled state changed.
    void setListener(std::function<void(const QString& key)> listener);

    // Every entry of the menu bar: the configuration's menus and entries in form order, then
    // the own menus and the window entries.
    std::vector<MenuEntry> entries() const;

  private:
    using Command = std::function<void(int index)>;
    struct State {
        QString english;
        QString caption;
        bool enabled = true;
    };
    void add(const char* menu, Command command);
    void addWindowCommands();
    void addState(const char* key, const char* english);
    void changed(const QString& key);
    app::Translator& translator() const;

    documents::MainWindowSession& session_;
    WindowActions& actions_;
    // By lower-case menu name; the index is the entry's index in its control array.
    QHash<QString, Command> commands_;
    // By lower-case key: the window entries and own menus.
    QHash<QString, State> states_;
    std::function<void(const QString& key)> listener_;
};

}  // namespace kilnward::commands
