#pragma once

#include <memory>
#include <optional>

#include "app/UserPrompts.h"
#include "editor/WidgetPrompts.h"

class QApplication;

namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::editor {

class MainWindow;

// The application objects of the editor, made in start-up order: the language manager
// with its database and language, the model list and the parameter catalogue, the main
// window's session with its five documents, and the main window.
class EditorApp {
  public:
    struct Options {
        bool createMode = false;
        // A language to use instead of the stored one.
        std::optional<int> language;
        // Whether choosing a model is stored in Config.ini (not when taking screenshots).
        bool storesModelChoice = true;
        // Where questions and messages go instead of message boxes (screenshots, tests).
        app::UserPrompts* prompts = nullptr;
        // Whether the window takes the size and place it had when last closed.
        bool restoresGeometry = true;
    };

    explicit EditorApp(const Options& options);
    ~EditorApp();
    EditorApp(const EditorApp&) = delete;
    EditorApp& operator=(const EditorApp&) = delete;

    documents::MainWindowSession& session() { return *session_; }
    MainWindow& window() { return *window_; }

  private:
    WidgetPrompts prompts_;
    std::unique_ptr<documents::MainWindowSession> session_;
    std::unique_ptr<MainWindow> window_;
};

// The program's start-up: the application objects, the main window shown, the event loop.
// Returns the exit code.
int RunEditor(QApplication& application);

}  // namespace kilnward::editor
