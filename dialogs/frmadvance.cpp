#include "dialogs/frmadvance.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <stdexcept>

#include "app/SerialSettings.h"
#include "dialogs/ControlNames.h"
#include "dialogs/PromptsWithPrelude.h"
#include "documents/DocumentFiles.h"
#include "documents/MainWindowSession.h"
#include "documents/MessageBoxes.h"
#include "drivers/InstrumentDriver.h"
#include "form/ModelMenu.h"
#include "language/LanguageManager.h"
#include "transfer/AnalyserLink.h"
#include "transfer/LinkSetup.h"
#include "transfer/LinkTrace.h"
#include "transfer/TransferCommandSteps.h"
#include "wirelink/Wirelink.h"

namespace kilnward::dialogs {

namespace {

constexpr int kStatusLength = 45;  // characters the status line shows without growing

// Lets window events run for `milliseconds`, sleeping in the event loop instead of polling.
void WaitWithEvents(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

frmadvance::frmadvance(documents::MainWindowSession& session, language::LanguageManager& language,
                       const app::SerialSettings& settings, transfer::SimulatedAnalysers& simulated,
                       std::vector<QWidget*> windows, QWidget* parent)
    : QDialog(parent),
      window_(language, *this, QStringLiteral("frmadvance")),
      session_(session),
      settings_(settings),
      simulated_(simulated),
      wait_(WaitWithEvents) {
    for (QWidget* window : windows) {
        windows_.emplace_back(window);
    }
    setWindowTitle(QStringLiteral("Transfer"));
    setWindowModality(Qt::NonModal);

    auto* layout = new QGridLayout(this);
    lblinfo_ = new QLabel(this);
    lblinfo_->setTextFormat(Qt::PlainText);
    // A failed opening attempt says why, in a sentence or two.
    lblinfo_->setWordWrap(true);
    lblinfo_->setMinimumWidth(fontMetrics().averageCharWidth() * kStatusLength);
    window_.name(*lblinfo_, control::lblinfo, {}, QStringLiteral("x"));
    layout->addWidget(lblinfo_, 0, 0, 1, 2);

    auto* lblprogress = new QLabel(QStringLiteral("Progress"), this);
    window_.name(*lblprogress, control::lblprogress);
    barprogress_ = new QProgressBar(this);
    barprogress_->setRange(0, 100);
    barprogress_->setValue(0);
    window_.name(*barprogress_, control::barprogress);
    layout->addWidget(lblprogress, 1, 0);
    layout->addWidget(barprogress_, 1, 1);

    auto* buttons = new QDialogButtonBox(this);
    cmdAbort_ = buttons->addButton(transfer::kCloseText.translated(window_.language()),
                                   QDialogButtonBox::ActionRole);
    cmdAbort_->setDefault(true);
    // The button stays a plain pointer while the rest of the dialog shows the busy one.
    cmdAbort_->setCursor(Qt::ArrowCursor);
    window_.name(*cmdAbort_, control::cmdAbort, {}, QStringLiteral("x"));
    connect(cmdAbort_, &QPushButton::clicked, this, [this] { cmdAbort_Click(); });
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

frmadvance::~frmadvance() {
    Form_Unload();
}

std::optional<transfer::TransferOutcome> frmadvance::runCommand(transfer::TransferKind kind) {
    if (refusedWithoutModel()) {
        return std::nullopt;
    }
    if (kind == transfer::TransferKind::Receive) {
        return transfer::RunReceiveCommand(session_,
                                           [this](form::Form& into) { return receive(into); });
    }
    return transfer::RunTransferCommand(session_, kind, [this, kind] { return run(kind); });
}

transfer::ReceivedSector frmadvance::receive(form::Form& into) {
    wirelink::ByteBuffer sector;
    const transfer::TransferOutcome outcome = runSession(
        transfer::TransferKind::Receive, [&into, &sector](transfer::TransferSession& session) {
            const transfer::TransferOutcome received = session.getconfiguration(into);
            sector = session.image();
            return received;
        });
    return {outcome, sector};
}

transfer::TransferOutcome frmadvance::run(transfer::TransferKind kind) {
    if (refusedWithoutModel()) {
        return transfer::TransferOutcome::Failed;
    }
    return runSession(kind, [this, kind](transfer::TransferSession& session) {
        switch (kind) {
            case transfer::TransferKind::Receive:
                return session.getconfiguration(session_.window().form());
            case transfer::TransferKind::Send:
                return session.sendconfiguration(session_.window().form());
            case transfer::TransferKind::Restore:
                throw std::logic_error("a restore needs its backup (runRestore)");
            case transfer::TransferKind::SetClock:
                break;
        }
        return session.setclock();
    });
}

std::optional<transfer::TransferOutcome> frmadvance::runRestore(
    const transfer::SectorBackup& backup) {
    if (refusedWithoutModel()) {
        return std::nullopt;
    }
    const auto restore = [this, &backup](transfer::TransferSession& session) {
        return session.restoreconfiguration(backup, session_.window().form());
    };
    return transfer::RunTransferCommand(
        session_, transfer::TransferKind::Restore,
        [this, &restore] { return runSession(transfer::TransferKind::Restore, restore); },
        transfer::RestoreQuestion(backup, settings_.address, session_.messageBoxes().translator()));
}

bool frmadvance::refusedWithoutModel() {
    if (session_.window().currentDriver()) {
        return false;
    }
    // Asked before anything else: with no model there is no driver to talk through.
    session_.messageBoxes().ShowErrorMessage(
        form::NoModelKnownText(session_.messageBoxes().translator()));
    return true;
}

transfer::TransferOutcome frmadvance::runSession(transfer::TransferKind kind, const Body& body) {
    if (active_) {
        throw std::logic_error("a transfer is already running");
    }
    showStatus(transfer::TransferTexts::of(kind).running.translated(window_.language()));
    cmdAbort_->setText(transfer::kAbortText.translated(window_.language()));
    barprogress_->setValue(0);
    Form_Load();
    show();
    raise();
    activateWindow();
    QCoreApplication::processEvents();
    const transfer::TransferOutcome outcome = transfer(kind, body);
    showIdle();
    if (closeRequested_) {
        closeRequested_ = false;
        close();
    }
    return outcome;
}

transfer::TransferOutcome frmadvance::transfer(transfer::TransferKind kind, const Body& body) {
    drivers::InstrumentDriver* driver = session_.window().currentDriver();
    if (!driver) {
        throw std::logic_error("no analyser model is selected");
    }
    setCursor(Qt::WaitCursor);
    // The settings as they are now: a change in the settings dialog counts from the next
    // transfer on.
    const transfer::LinkSettings settings = transfer::LinkSettingsOf(settings_);
    // A fresh link control for every transfer, as the dialog's own: what the last one
    // remembered (a closing window) does not reach the next.
    transfer::LinkContext context;
    context.simulated = &simulated_;
    context.host = this;
    context.trace = trace_;
    context.traceNote = QLatin1String(transfer::TransferTexts::of(kind).confirmation.english);
    WLink_ = std::make_unique<transfer::AnalyserLink>(settings, driver->Instrument_ID(), context);

    PromptsWithPrelude prompts(session_.messageBoxes().prompts(), [this] { showIdle(); });
    documents::MessageBoxes boxes(prompts, session_.messageBoxes().translator());
    transfer::TransferSession session(WLink_->link(), settings, *driver, boxes, *this);
    session.setWait(wait_);
    session.setAfterWrite(afterWrite_);
    active_ = &session;
    const std::unique_ptr<transfer::TransferSession*, void (*)(transfer::TransferSession**)> forget(
        &active_, [](transfer::TransferSession** active) { *active = nullptr; });
    return body(session);
}

void frmadvance::cmdAbort_Click() {
    if (active_) {
        active_->cancel();
    } else {
        close();
    }
}

QString frmadvance::status() const {
    return lblinfo_->text();
}

int frmadvance::progress() const {
    return barprogress_->value();
}

void frmadvance::setProgress(int percent) {
    barprogress_->setValue(percent);
}

void frmadvance::setStatus(const QString& text) {
    showStatus(text);
}

void frmadvance::setRunning(bool running) {
    if (!running) {
        showIdle();
    }
}

void frmadvance::closeEvent(QCloseEvent* event) {
    if (active_) {
        // The transfer ends at once, the opening attempts included; the dialog closes once
        // it is over.
        active_->hostClosing();
        closeRequested_ = true;
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmadvance::reject() {
    close();
}

void frmadvance::processEvents() {
    QCoreApplication::processEvents();
}

void frmadvance::Form_Load() {
    window_.translateNow();
    if (loaded_) {
        return;
    }
    loaded_ = true;
    for (const QPointer<QWidget>& window : windows_) {
        if (window) {
            window->setCursor(Qt::WaitCursor);
            window->setEnabled(false);
        }
    }
    // Disabling a window disables the windows it owns as well: this dialog (its Abort) and
    // tool windows such as the link trace must stay usable.
    for (const QPointer<QWidget>& window : windows_) {
        for (QWidget* owned : window ? window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)
                                     : QList<QWidget*>{}) {
            const bool blocked =
                std::find(windows_.begin(), windows_.end(), owned) != windows_.end();
            if (owned->isWindow() && !blocked) {
                owned->setEnabled(true);
            }
        }
    }
}

void frmadvance::Form_Unload() {
    if (!loaded_) {
        return;
    }
    loaded_ = false;
    for (const QPointer<QWidget>& window : windows_) {
        if (window) {
            window->unsetCursor();
            window->setEnabled(true);
        }
    }
}

void frmadvance::showStatus(const QString& text) {
    lblinfo_->setText(text);
    // A window does not follow a label that wraps by itself: its minimum size leaves the extra
    // lines out, which would be cut above and below, and a shorter status after a long one
    // would sit above an empty band.
    layout()->activate();
    const int needed = heightForWidth(width());
    if (needed != height()) {
        resize(width(), needed);
    }
}

void frmadvance::showIdle() {
    unsetCursor();
    cmdAbort_->setText(transfer::kCloseText.translated(window_.language()));
}

}  // namespace kilnward::dialogs
