#pragma once

#include <QDialog>

#include "dialogs/WidgetWindow.h"
#include "transfer/LinkTrace.h"

class QPlainTextEdit;

namespace kilnward::app {
class UserPrompts;
}

namespace kilnward::dialogs {

// The link trace tool window: the trace of the transfers (and connection tests) as they
// run, with "Save..." to keep it in a file and "Clear" to start afresh. Tracing runs while
// the window is shown; a hidden window records nothing.
class LinkTraceWindow : public QDialog {
  public:
    // `prompts` chooses the file to save into and reports a failed save; `language`
    // translates the window.
    LinkTraceWindow(language::LanguageManager& language, app::UserPrompts& prompts,
                    QWidget* parent = nullptr);

    // The trace links report to while the window is shown; null while it is hidden.
    transfer::LinkTrace* activeTrace();
    transfer::LinkTrace& trace() { return trace_; }
    QString text() const;

    void clear();
    // Asks for a file and writes the trace into it.
    void save();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    WidgetWindow window_;
    app::UserPrompts& prompts_;
    transfer::LinkTrace trace_;
    QPlainTextEdit* txttrace_ = nullptr;
};

}  // namespace kilnward::dialogs
