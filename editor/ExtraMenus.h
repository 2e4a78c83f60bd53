#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace kilnward::commands {
class MenuCommands;
}
namespace kilnward::form {
class Form;
}

namespace kilnward::editor {

// The window's own entries of the menu bar, as the registry (`commands::MenuCommands`)
// declares them: the "Edit" and "Tools" menus in front of their configuration menus, the
// other entries inside theirs. Each action carries its key as object name, runs its command
// through the registry and shows the registry's caption and enabled state.
class ExtraMenus {
  public:
    // `bar` already holds the configuration's menus of `form`.
    ExtraMenus(QMenuBar& bar, commands::MenuCommands& commands, const form::Form& form);

    // The entry of window command `key`.
    QAction* action(const QString& key) const { return actions_.value(key.toLower()); }

    // After a change of language.
    void retranslate();

  private:
    // The caption and enabled state of the entry or own menu of `key`.
    void show(const QString& key);

    commands::MenuCommands& commands_;
    // By lower-case key.
    QHash<QString, QMenu*> menus_;
    QHash<QString, QAction*> actions_;
};

}  // namespace kilnward::editor
