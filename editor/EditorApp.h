#pragma once

#include <memory>
#include <optional>

#include "app/StartupFlags.h"
#include "dialogs/ApplicationStartup.h"
#include "dialogs/MessageBoxPrompts.h"

class QApplication;

namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::editor {

class MainWindow;

// The application objects of the editor, made in start-up order: the language manager
// with its database and language, the model list and the parameter catalogue, the main
// window's session with its five documents, and the main window. The program makes it
// inside ApplicationStartup (which did the language part); screenshots, the benchmark and
// the tests make it on its own with services of its own.
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

    // On its own: the language manager, the catalogue, the settings dialog and the
    // simulated analysers made here; the model re-applied at once.
    explicit EditorApp(const Options& options);
    // Inside ApplicationStartup: its language manager, catalogue and services; start-up
    // re-applies the model through `windows().finished` and ends the language manager.
    EditorApp(const dialogs::StartupServices& services, const Options& options);
    ~EditorApp();
    EditorApp(const EditorApp&) = delete;
    EditorApp& operator=(const EditorApp&) = delete;

    documents::MainWindowSession& session() { return *session_; }
    MainWindow& window() { return *window_; }
    // What start-up enables when the splash closes.
    dialogs::MainWindows windows();
    // The settings dialog and simulated analysers the window uses.
    dialogs::StartupServices& services() { return *services_; }

  private:
    void createWindow(const Options& options);

    dialogs::MessageBoxPrompts prompts_;
    app::StartupFlags flags_;
    // Only when made on its own.
    std::unique_ptr<dialogs::frmconfig> ownSettings_;
    std::unique_ptr<transfer::SimulatedAnalysers> ownSimulated_;
    std::unique_ptr<dialogs::StartupServices> services_;
    std::unique_ptr<documents::MainWindowSession> session_;
    std::unique_ptr<MainWindow> window_;
};

// The program's start-up through ApplicationStartup: single instance, language, splash,
// the editor's window, the tip of the day, the event loop. Returns the exit code.
int RunEditor(QApplication& application);

}  // namespace kilnward::editor
