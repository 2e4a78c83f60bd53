#pragma once

#include <QWidget>

#include <functional>

#include "transfer/LinkSettings.h"

class QLabel;
class QPushButton;

namespace kilnward::app {
class Translator;
}

namespace kilnward::dialogs {

class ConnectionTester;
class WidgetWindow;

// The "Test" button of the serial settings and the line under it: the check runs with the
// settings the dialog shows (not yet kept) and ends in the analyser's clock, or the error
// with what to do about it. While it runs the button is disabled and the pointer busy.
// Hidden until a tester is set.
class ConnectionTestPanel : public QWidget {
  public:
    using ShownSettings = std::function<transfer::LinkSettings()>;

    // Its controls are named in `window`, its texts asked of the window's language manager.
    ConnectionTestPanel(WidgetWindow& window, ShownSettings settings, QWidget* parent);

    void setTester(ConnectionTester* tester);
    // Runs the check (the button's click).
    void runTest();
    // Forgets the last result (the dialog is shown again).
    void reset();
    // Ends a running check (the dialog closes).
    void cancel();

  private:
    void showResult(const QString& text);

    app::Translator& translator_;
    ShownSettings settings_;
    ConnectionTester* tester_ = nullptr;
    QPushButton* cmdtest_ = nullptr;
    QLabel* lbltestresult_ = nullptr;
};

}  // namespace kilnward::dialogs
