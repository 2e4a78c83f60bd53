#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "dialogs/WidgetWindow.h"
#include "transfer/ProgressSink.h"
#include "transfer/TransferCommandSteps.h"
#include "transfer/TransferSession.h"
#include "transfer/TransferTexts.h"
#include "wirelink/Host.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace wirelink {
class Wirelink;
}
namespace kilnward::app {
struct SerialSettings;
}
namespace kilnward::documents {
class MainWindowSession;
}
namespace kilnward::form {
class Form;
}
namespace kilnward::transfer {
class AnalyserLink;
class LinkTrace;
class SimulatedAnalysers;
}  // namespace kilnward::transfer

namespace kilnward::dialogs {

// The transfer dialog: the status line, the progress bar and Abort / Close over one transfer
// of the headless TransferSession. It hosts the link control, lets window events run during
// the link's waits (so it repaints and Abort is heard), and keeps the main and toolbar
// windows disabled while it is open.
class frmadvance : public QDialog, public transfer::ProgressSink, public wirelink::Host {
  public:
    // `language` translates the dialog; `settings` gives the serial settings at every
    // transfer; `windows` are disabled while the dialog is open.
    frmadvance(documents::MainWindowSession& session, language::LanguageManager& language,
               const app::SerialSettings& settings, transfer::SimulatedAnalysers& simulated,
               std::vector<QWidget*> windows, QWidget* parent = nullptr);
    ~frmadvance() override;

    // The menu command: its confirmation, the transfer, and for a receive the documents
    // replaced by what arrived once it is done (after the save questions). Nothing when the
    // user stopped before the transfer.
    std::optional<transfer::TransferOutcome> runCommand(transfer::TransferKind kind);
    // The transfer alone: the dialog shown with the running text, the transfer run, the
    // dialog left open with the outcome and "&Close".
    transfer::TransferOutcome run(transfer::TransferKind kind);
    // A receive as run() shows it, into `into`; with the sector as read.
    transfer::ReceivedSector receive(form::Form& into);
    // "Restore analyser from backup...": the question naming the backup, then the restore
    // shown as a transfer. Nothing when the user said no.
    std::optional<transfer::TransferOutcome> runRestore(const transfer::SectorBackup& backup);

    // The pause after each port-opening attempt (an event-driven wait unless replaced).
    void setWait(transfer::TransferSession::Wait wait) { wait_ = std::move(wait); }
    // The trace the next transfers' links report to (null: none); it must outlive the dialog.
    void setTrace(transfer::LinkTrace* trace) { trace_ = trace; }
    // The record kept after each send or restore (TransferSession::setAfterWrite).
    void setAfterWrite(transfer::TransferSession::AfterWrite afterWrite) {
        afterWrite_ = std::move(afterWrite);
    }
    bool running() const { return active_ != nullptr; }
    // The Abort / Close button.
    void cmdAbort_Click();

    QString status() const;
    int progress() const;

    // transfer::ProgressSink
    void setProgress(int percent) override;
    void setStatus(const QString& text) override;
    void setRunning(bool running) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    // wirelink::Host: window events run during the link's waits.
    void processEvents() override;

  private:
    void Form_Load();
    void Form_Unload();
    // Pointer normal, button "&Close".
    void showIdle();
    // The status line's text, the dialog made taller when it wraps to more lines than fit.
    void showStatus(const QString& text);
    using Body = std::function<transfer::TransferOutcome(transfer::TransferSession&)>;
    // With no model selected a transfer is refused with a message (true).
    bool refusedWithoutModel();
    transfer::TransferOutcome runSession(transfer::TransferKind kind, const Body& body);
    transfer::TransferOutcome transfer(transfer::TransferKind kind, const Body& body);

    WidgetWindow window_;
    documents::MainWindowSession& session_;
    const app::SerialSettings& settings_;
    transfer::SimulatedAnalysers& simulated_;
    std::unique_ptr<transfer::AnalyserLink> WLink_;
    std::vector<QPointer<QWidget>> windows_;
    transfer::TransferSession::Wait wait_;
    transfer::TransferSession::AfterWrite afterWrite_;
    transfer::TransferSession* active_ = nullptr;
    transfer::LinkTrace* trace_ = nullptr;
    bool loaded_ = false;
    bool closeRequested_ = false;

    QLabel* lblinfo_ = nullptr;
    QProgressBar* barprogress_ = nullptr;
    QPushButton* cmdAbort_ = nullptr;
};

}  // namespace kilnward::dialogs
