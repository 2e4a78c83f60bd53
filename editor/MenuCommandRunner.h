#pragma once

namespace kilnward::documents {
class MainWindowSession;
}
namespace kilnward::form {
class MenuItem;
}

namespace kilnward::editor {

// What a menu command needs a window for.
class EditorActions {
  public:
    virtual ~EditorActions() = default;
    virtual void closeWindow() = 0;
    virtual void showLoadedFiles() = 0;
    virtual void saveConfigAsText() = 0;
    // The command's window is not part of this program yet: say so.
    virtual void showNotAvailable(const form::MenuItem& entry) = 0;
};

// Runs the command of a menu entry: the document commands on the session, the choice of
// a model, and what needs a window through `actions`. The one place that maps entries to
// commands.
class MenuCommandRunner {
  public:
    MenuCommandRunner(documents::MainWindowSession& session, EditorActions& actions);

    void run(form::MenuItem& entry);

  private:
    documents::MainWindowSession& session_;
    EditorActions& actions_;
};

}  // namespace kilnward::editor
