#pragma once

#include <QString>

namespace kilnward::transfer {

// Where a transfer shows how far it got and what it is doing: the transfer dialog's bar and
// status line in the GUI, a terminal line in the CLI.
class ProgressSink {
  public:
    virtual ~ProgressSink() = default;
    // The bar, 0..100.
    virtual void setProgress(int percent) = 0;
    // The status line ("Receiving...In progress", "Sending...Done", ...).
    virtual void setStatus(const QString& text) = 0;
    // True while a transfer runs (the dialog's button then cancels it).
    virtual void setRunning(bool /*running*/) {}
};

}  // namespace kilnward::transfer
