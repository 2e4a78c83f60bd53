#pragma once

#include <QToolBar>

class QAction;
class QMainWindow;
class QMenu;

namespace kilnward::editor {

class ExtraMenus;

// The main window's toolbar of everyday commands: receive, send, open, save, undo, redo, find
// field and print. Its buttons are the menus' own actions, so they run the same commands and
// are enabled as the menu entries are; the toolbar adds icons (the desktop theme's, else the
// shipped ones), tooltips that name the shortcut, and accessible names. Movable; `menu` gets
// the entry that shows or hides it.
class MainToolbar : public QToolBar {
  public:
    MainToolbar(QMainWindow& window, ExtraMenus& menus, QMenu& menu);

    // The entry of `menu` that shows or hides the toolbar.
    QAction& showAction() { return *show_; }

    // After a change of language: the toolbar's title.
    void retranslate();

  private:
    // The tooltip and the button's accessible name from the action's text and shortcut.
    void describe(QAction& action);

    QAction* show_;
};

}  // namespace kilnward::editor
