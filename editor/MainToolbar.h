#pragma once

#include <QToolBar>

#include <functional>

class QAction;
class QMainWindow;

namespace kilnward::app {
class Translator;
}

namespace kilnward::editor {

// The main window's toolbar of everyday commands, as the registry lists them
// (`commands::ToolbarButtons`): receive, send, open, save, undo, redo, find field and print.
// Its buttons are the menus' own actions, so they run the same commands and are enabled as
// the menu entries are; the toolbar adds icons (the desktop theme's, else the shipped ones),
// tooltips that name the shortcut, and accessible names. Movable; `show` is the menu entry
// that shows or hides it, ticked while it shows.
class MainToolbar : public QToolBar {
  public:
    // `entry` gives the menu action of a command name (null: no such entry).
    MainToolbar(QMainWindow& window, const std::function<QAction*(const QString&)>& entry,
                QAction& show, app::Translator& translator);

    // The entry of the Settings menu that shows or hides the toolbar.
    QAction& showAction() { return *show_; }

    // After a change of language: the toolbar's title.
    void retranslate();

  private:
    // The tooltip and the button's accessible name from the action's text and shortcut.
    void describe(QAction& action);

    QAction* show_;
    app::Translator& translator_;
};

}  // namespace kilnward::editor
