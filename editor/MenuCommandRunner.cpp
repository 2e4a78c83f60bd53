#include "editor/MenuCommandRunner.h"

#include <QString>

#include "documents/MainWindowSession.h"
#include "form/MenuItem.h"

namespace kilnward::editor {

namespace {

bool Is(const form::MenuItem& entry, const char* name) {
    return entry.name().compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

}  // namespace

MenuCommandRunner::MenuCommandRunner(documents::MainWindowSession& session, EditorActions& actions)
    : session_(session), actions_(actions) {}

void MenuCommandRunner::run(form::MenuItem& entry) {
    documents::DocumentCommands& commands = session_.commands();
    const int d = entry.index();
    if (Is(entry, "mnuFileNew")) {
        commands.fileNew();
    } else if (Is(entry, "mnuFileOpen")) {
        commands.fileOpen();
    } else if (Is(entry, "mnuFileSave")) {
        commands.fileSave();
    } else if (Is(entry, "mnuFileSaveAs")) {
        commands.fileSaveAs();
    } else if (Is(entry, "mnuFileExit")) {
        actions_.closeWindow();
    } else if (Is(entry, "mnudataload")) {
        commands.dataLoad(d);
    } else if (Is(entry, "mnudatasave")) {
        commands.dataSave(d);
    } else if (Is(entry, "mnudatasaveas")) {
        commands.dataSaveAs(d);
    } else if (Is(entry, "mnudataviewfiles")) {
        actions_.showLoadedFiles();
    } else if (Is(entry, "mnuSaveConfigasText")) {
        actions_.saveConfigAsText();
    } else if (Is(entry, "mnuinstrumentname")) {
        session_.window().modelMenu().choose(d);
    } else {
        // Transfers, settings, clock, tips and about.
        actions_.showNotAvailable(entry);
    }
}

}  // namespace kilnward::editor
