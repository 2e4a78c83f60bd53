#include "transfer/TransferSession.h"

#include <exception>

#include "app/WaitMilliseconds.h"
#include "documents/MessageBoxes.h"
#include "drivers/InstrumentDriver.h"
#include "transfer/ProgressSink.h"
#include "transfer/TransferErrorReport.h"
#include "wirelink/Errors.h"
#include "wirelink/Wirelink.h"

namespace kilnward::transfer {

TransferSession::TransferSession(wirelink::Wirelink& link, const LinkSettings& settings,
                                 drivers::InstrumentDriver& driver, documents::MessageBoxes& boxes,
                                 ProgressSink& sink)
    : link_(link),
      settings_(settings),
      driver_(driver),
      boxes_(boxes),
      sink_(sink),
      wait_(app::WaitMilliseconds),
      now_(ConfigTransfer::LocalNow) {}

TransferOutcome TransferSession::getconfiguration(form::Form& form) {
    return run(TransferKind::Receive,
               [&form](ConfigTransfer& transfer) { transfer.ReceiveConfigSector(form); });
}

TransferOutcome TransferSession::sendconfiguration(const form::Form& form) {
    return run(TransferKind::Send,
               [&form](ConfigTransfer& transfer) { transfer.SendConfigSector(form); });
}

TransferOutcome TransferSession::setclock() {
    return run(TransferKind::SetClock, [](ConfigTransfer& transfer) { transfer.SendClock(); });
}

void TransferSession::cancel() {
    if (running_) {
        link_.CancelSendFrame();
    }
}

TransferOutcome TransferSession::run(TransferKind kind,
                                     const std::function<void(ConfigTransfer&)>& body) {
    const TransferTexts& texts = TransferTexts::of(kind);
    app::Translator& translator = boxes_.translator();
    running_ = true;
    failure_.reset();
    sink_.setRunning(true);
    TransferOutcome outcome = TransferOutcome::Done;
    ConfigTransfer transfer(driver_, settings_.addr, sink_, translator, now_);
    try {
        prepareLink();
        // Setting the clock tries the port once; an opening failure is a transfer failure.
        if (kind == TransferKind::SetClock) {
            link_.OpenCom();
        } else if (!openWithRetries()) {
            outcome = TransferOutcome::PortNotOpened;
        }
        if (outcome == TransferOutcome::Done) {
            link_.Defineflow(settings_.addr, driver_.Instrument_ID());
            body(transfer);
            sink_.setStatus(texts.done.translated(translator));
        }
    } catch (const std::exception& error) {
        outcome = TransferOutcome::Failed;
        remember(error);
        sink_.setStatus(texts.failed.translated(translator));
        ReportTransferError(error, boxes_);
    }
    if (outcome == TransferOutcome::PortNotOpened) {
        boxes_.ShowErrorMessage(kPortNotOpenedText.translated(translator));
    }
    image_ = transfer.image();
    finish();
    return outcome;
}

void TransferSession::prepareLink() {
    driver_.linktowirelinkctrl(&link_);
    link_.setInfrared(settings_.useInfrared);
    link_.setBaudRate(settings_.baudRate.toStdString());
    link_.setComPort(settings_.serialPort);
    link_.setPortName(settings_.portName.toStdString());
}

bool TransferSession::OpenComm() {
    try {
        return link_.OpenCom() == 0;
    } catch (const wirelink::Error& error) {
        // Another attempt follows; after the last one the user is told the port did not open.
        remember(error);
        return false;
    }
}

bool TransferSession::openWithRetries() {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        const bool open = OpenComm();
        if (!open) {
            // An opening sequence stopped half way can leave the port open with the adapter
            // unprogrammed; closed, the next attempt runs the whole sequence again instead
            // of taking the open port as a success.
            link_.CloseCom();
        }
        wait_(kOpenWaitMs);
        if (open) {
            return true;
        }
    }
    return false;
}

void TransferSession::remember(const std::exception& error) {
    const auto* linkError = dynamic_cast<const wirelink::Error*>(&error);
    failure_ = TransferFailure{linkError ? std::optional(linkError->code()) : std::nullopt,
                               QString::fromStdString(error.what())};
}

void TransferSession::finish() {
    running_ = false;
    sink_.setRunning(false);
    link_.Releaseflow(settings_.addr);
    link_.CloseCom();
    // The driver holds the link only for the length of a transfer.
    driver_.linktowirelinkctrl(nullptr);
}

}  // namespace kilnward::transfer
