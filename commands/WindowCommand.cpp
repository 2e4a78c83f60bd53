#include "commands/WindowCommand.h"

#include "commands/WindowActions.h"

namespace kilnward::commands {

const std::vector<WindowMenu>& WindowMenus() {
    static const std::vector<WindowMenu> menus = {
        {CommandMenu::Profile, nullptr, nullptr, "mnufile", "mnuFileBar2"},
        {CommandMenu::Edit, "mnuedit", "&Edit", "mnudata", nullptr},
        {CommandMenu::Settings, nullptr, nullptr, "mnuconfigure", nullptr},
        {CommandMenu::Tools, "mnutools", "&Tools", "mnuinstrument", nullptr},
    };
    return menus;
}

const std::vector<WindowCommand>& WindowCommands() {
    using enum CommandMenu;
    using W = WindowActions;
    static const std::vector<WindowCommand> commands = {
        {"mnuprint", "&Print...", &W::print, Profile, CommandKeys::Print},
        {"mnuexportpdf", "Export as P&DF...", &W::exportPdf, Profile},
        {"mnuundo", "&Undo", &W::undo, Edit, CommandKeys::Undo},
        {"mnuredo", "&Redo", &W::redo, Edit, CommandKeys::Redo},
        {"mnufindfield", "&Find field...", &W::findField, Edit, CommandKeys::Find, true},
        {"mnushowchanges", "Show &changes...", &W::showChanges, Edit, CommandKeys::None, true},
        {"mnumaintoolbar", "Main &toolbar", &W::toggleMainToolbar, Settings, CommandKeys::None,
         false, true},
        {"mnurestorebackup", "&Restore analyser from backup...", &W::restoreFromBackup, Tools},
        {"mnubackups", "&Backups...", &W::showBackups, Tools},
        {"mnulinktrace", "&Link trace...", &W::showLinkTrace, Tools},
        {"mnucomparewithanalyser", "Compare with &analyser...", &W::compareWithAnalyser, Tools},
        {"mnucomparewithfiles", "Compare with &files...", &W::compareWithFiles, Tools},
    };
    return commands;
}

const std::vector<ToolbarButton>& ToolbarButtons() {
    static const std::vector<ToolbarButton> buttons = {
        {"mnufileget", {"document-import", "go-down"}, "receive"},
        {"mnufilesend", {"document-export", "go-up"}, "send"},
        {nullptr, {}, nullptr},
        {"mnuFileOpen", {"document-open"}, "open"},
        {"mnuFileSave", {"document-save"}, "save"},
        {nullptr, {}, nullptr},
        {"mnuundo", {"edit-undo"}, "undo"},
        {"mnuredo", {"edit-redo"}, "redo"},
        {"mnufindfield", {"edit-find"}, "find"},
        {nullptr, {}, nullptr},
        {"mnuprint", {"document-print"}, "print"},
    };
    return buttons;
}

}  // namespace kilnward::commands
