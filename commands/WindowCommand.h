#pragma once

#include <QStringList>

#include <vector>

namespace kilnward::commands {

class WindowActions;

// Where the window's own entries go on the menu bar.
enum class CommandMenu { Profile, Edit, Settings, Tools };

// The platform's key bindings an entry answers to: every binding the platform has for the
// standard key, Redo also Ctrl+Y (technicians coming from other systems expect it).
enum class CommandKeys { None, Undo, Redo, Find, Print };

// An entry of the menu bar that the window adds beside the configuration's own menus: undo,
// find, compare, print, restore, trace and the like. Its key is the entry's object name and
// translation key; `english` the caption when the translation table lacks the key.
struct WindowCommand {
    const char* key;
    const char* english;
    // What the entry does.
    void (WindowActions::*run)();
    CommandMenu menu;
    CommandKeys keys = CommandKeys::None;
    // A separator goes in front of the entry.
    bool separatorBefore = false;
    // The entry shows a tick (the window's state, not the command's).
    bool checkable = false;
};

// A menu `WindowCommand`s go into. Edit and Tools are menus of their own, put in front of a
// configuration menu; Profile and Settings are configuration menus the entries go into.
struct WindowMenu {
    CommandMenu menu;
    // The menu's own key and English title; null for a configuration menu.
    const char* key;
    const char* english;
    // The configuration's menu (by form name): the one the own menu goes in front of, or
    // the one the entries go into.
    const char* formMenu;
    // The configuration entry the entries go in front of; null: at the end.
    const char* before;
};

// A button of the main toolbar: the entry it runs (a configuration menu's form name or a
// `WindowCommand` key), the desktop theme's icon names (the first the theme has wins) and
// the shipped icon in data/icons/toolbar. A null command is a separator.
struct ToolbarButton {
    const char* command;
    QStringList themeIcons;
    const char* fallback;
};

// The four menus, the window's entries in menu order, the toolbar's buttons in order.
const std::vector<WindowMenu>& WindowMenus();
const std::vector<WindowCommand>& WindowCommands();
const std::vector<ToolbarButton>& ToolbarButtons();

}  // namespace kilnward::commands
