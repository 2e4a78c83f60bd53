#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

#include "app/ScriptedPrompts.h"
#include "dialogs/frmadvance.h"
#include "dialogs/frmconfig.h"
#include "documents/MainWindowSession.h"
#include "tests/dialogs/DialogsFixture.h"
#include "transfer/SimulatedAnalysers.h"

namespace kilnward::dialogs::testing {

// Scripted prompts that also run a callback as each message box would show.
class ObservingPrompts : public app::ScriptedPrompts {
  public:
    void showMessage(const QString& text, const QString& title, app::PromptIcon icon) override {
        if (onMessage) {
            onMessage(text);
        }
        ScriptedPrompts::showMessage(text, title, icon);
    }
    std::function<void(const QString&)> onMessage;
};

// The main window's session on the chosen model, the settings dialog on the simulated
// analyser at 115200 baud, and the transfer dialog over a stand-in main window.
class TransferDialogTest : public DialogsTest {
  protected:
    static constexpr std::uint8_t kModel = 10;
    static constexpr std::uint8_t kAddr = 0;

    void SetUp() override;
    void TearDown() override;

    // Runs `action` on the dialog, from the event loop, once the bar passed `percent`.
    void whenProgressPasses(int percent, std::function<void()> action);

    ObservingPrompts windowPrompts;
    std::unique_ptr<documents::MainWindowSession> session;
    std::unique_ptr<frmconfig> settings;
    std::unique_ptr<transfer::SimulatedAnalysers> simulated;
    std::unique_ptr<QMainWindow> mainWindow;
    std::unique_ptr<QWidget> toolbar;
    std::unique_ptr<frmadvance> dialog;
    std::vector<int> waits;
};

}  // namespace kilnward::dialogs::testing
