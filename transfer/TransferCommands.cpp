#include "transfer/TransferCommands.h"

#include <stdexcept>

#include "documents/MainWindowSession.h"
#include "documents/MessageBoxes.h"
#include "transfer/ProgressSink.h"
#include "transfer/TransferCommandSteps.h"
#include "transfer/TransferTexts.h"

namespace kilnward::transfer {

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
    return RunReceiveCommand(window_, [this](form::Form& into) {
        showRunning(TransferKind::Receive);
        TransferSession transfer = session();
        const TransferOutcome outcome = keep(transfer, transfer.getconfiguration(into));
        return ReceivedSector{outcome, image_};
    });
}

std::optional<TransferOutcome> TransferCommands::mnufilesend() {
    return RunTransferCommand(window_, TransferKind::Send, [this] {
        showRunning(TransferKind::Send);
        TransferSession transfer = session();
        return keep(transfer, transfer.sendconfiguration(window_.window().form()));
    });
}

std::optional<TransferOutcome> TransferCommands::mnuconfiguresetclock() {
    return RunTransferCommand(window_, TransferKind::SetClock, [this] {
        showRunning(TransferKind::SetClock);
        TransferSession transfer = session();
        return keep(transfer, transfer.setclock());
    });
}

std::optional<TransferOutcome> TransferCommands::mnurestore(const SectorBackup& backup) {
    return RunTransferCommand(
        window_, TransferKind::Restore,
        [this, &backup] {
            showRunning(TransferKind::Restore);
            TransferSession transfer = session();
            return keep(transfer, transfer.restoreconfiguration(backup, window_.window().form()));
        },
        RestoreQuestion(backup, settings_().addr, window_.messageBoxes().translator()));
}

void TransferCommands::showRunning(TransferKind kind) {
    sink_.setStatus(
        TransferTexts::of(kind).running.translated(window_.messageBoxes().translator()));
}

TransferOutcome TransferCommands::keep(const TransferSession& transfer, TransferOutcome outcome) {
    image_ = transfer.image();
    failure_ = transfer.failure();
    warnings_ = transfer.warnings();
    backupPath_ = transfer.backupPath();
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
    if (remedy_) {
        transfer.setRemedy(remedy_);
    }
    transfer.setAfterWrite(afterWrite_);
    return transfer;
}

}  // namespace kilnward::transfer
