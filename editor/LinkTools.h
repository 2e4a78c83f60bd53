#pragma once

#include <memory>

class QWidget;

namespace kilnward::app {
class UserPrompts;
}
namespace kilnward::language {
class LanguageManager;
}
namespace kilnward::dialogs {
class ConnectionTester;
class LinkTraceWindow;
}  // namespace kilnward::dialogs
namespace kilnward::form {
class MainForm;
}
namespace kilnward::transfer {
class LinkTrace;
class SimulatedAnalysers;
}  // namespace kilnward::transfer

namespace kilnward::editor {

// The main window's tools for the serial link: the tool window of Tools > "Link trace...", and the
// connection check behind the settings dialog's "Test" button, both talking to the model the window
// has selected. The check takes the settings the dialog shows; the window hands it to the dialog.
class LinkTools {
  public:
    // `language` translates the trace window and the check's texts.
    LinkTools(QWidget& window, form::MainForm& form, transfer::SimulatedAnalysers& simulated,
              app::UserPrompts& prompts, language::LanguageManager& language);
    ~LinkTools();
    LinkTools(const LinkTools&) = delete;
    LinkTools& operator=(const LinkTools&) = delete;

    // Opens the trace window (tracing from now on) and brings it to the front.
    void showTrace();
    // The trace the links report to: the window's while it is shown, else none.
    transfer::LinkTrace* activeTrace();
    dialogs::LinkTraceWindow* traceWindow() const { return traceWindow_.get(); }
    dialogs::ConnectionTester& tester() { return *tester_; }

  private:
    QWidget& window_;
    app::UserPrompts& prompts_;
    language::LanguageManager& language_;
    std::unique_ptr<dialogs::LinkTraceWindow> traceWindow_;
    std::unique_ptr<dialogs::ConnectionTester> tester_;
};

}  // namespace kilnward::editor
