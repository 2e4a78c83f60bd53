#include "transfer/TransferCommands.h"

#include <stdexcept>

#include "documents/DocumentCommands.h"
#include "documents/DocumentFiles.h"
#include "documents/MainWindowSession.h"
#include "documents/MessageBoxes.h"
#include "transfer/ProgressSink.h"
#include "transfer/TransferTexts.h"

namespace kilnward::transfer {

namespace {

const QString kDefaultYes = QStringLiteral("YES");

}  // namespace

TransferCommands::TransferCommands(documents::MainWindowSession& window, wirelink::Wirelink& link,
                                   const LinkSettings& settings, ProgressSink& sink)
    : TransferCommands(window, link, TransferSession::Settings([settings] { return settings; }),
                       sink) {}

TransferCommands::TransferCommands(documents::MainWindowSession& window, wirelink::Wirelink& link,
                                   TransferSession::Settings settings, ProgressSink& sink)
    : window_(window),
      link_(link),
      settings_(std::move(settings)),
      sink_(sink),
      now_(ConfigTransfer::LocalNow) {}

std::optional<TransferOutcome> TransferCommands::mnufileget() {
    if (!confirm(TransferKind::Receive)) {
        return std::nullopt;
    }
    // The received data arrive in untitled documents, after any changes were saved.
    if (!window_.commands().fileNew()) {
        return std::nullopt;
    }
    showRunning(TransferKind::Receive);
    TransferSession transfer = session();
    const TransferOutcome outcome = transfer.getconfiguration(window_.window().form());
    window_.files().RefreshMainWindow();
    return keep(transfer, outcome);
}

std::optional<TransferOutcome> TransferCommands::mnufilesend() {
    if (!confirm(TransferKind::Send)) {
        return std::nullopt;
    }
    // A field being edited hands over its value first.
    window_.files().RefreshMainWindow();
    showRunning(TransferKind::Send);
    TransferSession transfer = session();
    return keep(transfer, transfer.sendconfiguration(window_.window().form()));
}

std::optional<TransferOutcome> TransferCommands::mnuconfiguresetclock() {
    if (!confirm(TransferKind::SetClock)) {
        return std::nullopt;
    }
    showRunning(TransferKind::SetClock);
    TransferSession transfer = session();
    return keep(transfer, transfer.setclock());
}

bool TransferCommands::confirm(TransferKind kind) {
    documents::MessageBoxes& boxes = window_.messageBoxes();
    return boxes.ConfirmAction(TransferTexts::of(kind).confirmation.translated(boxes.translator()),
                               kDefaultYes);
}

void TransferCommands::showRunning(TransferKind kind) {
    sink_.setStatus(
        TransferTexts::of(kind).running.translated(window_.messageBoxes().translator()));
}

TransferOutcome TransferCommands::keep(const TransferSession& transfer, TransferOutcome outcome) {
    image_ = transfer.image();
    failure_ = transfer.failure();
    warnings_ = transfer.warnings();
    return outcome;
}

TransferSession TransferCommands::session() {
    drivers::InstrumentDriver* driver = window_.window().currentDriver();
    if (!driver) {
        throw std::logic_error("no analyser model is selected");
    }
    TransferSession transfer(link_, settings_, *driver, window_.messageBoxes(), sink_);
    if (wait_) {
        transfer.setWait(wait_);
    }
    transfer.setClock(now_);
    return transfer;
}

}  // namespace kilnward::transfer
