#include "transfer/TransferSession.h"

#include <QDateTime>

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "app/AtomicFile.h"
#include "app/Translator.h"
#include "app/VersionString.h"
#include "app/WaitMilliseconds.h"
#include "documents/MessageBoxes.h"
#include "drivers/InstrumentDriver.h"
#include "transfer/LinkSetup.h"
#include "transfer/ProgressSink.h"
#include "transfer/ReadBackVerify.h"
#include "transfer/SafeguardTexts.h"
#include "transfer/TransferErrorReport.h"
#include "wirelink/Errors.h"
#include "wirelink/PortErrors.h"
#include "wirelink/Wirelink.h"

namespace kilnward::transfer {

namespace {

constexpr std::int32_t kRemoteOff = 0;
// The default pause after an opening attempt looks for a cancel this often.
constexpr int kPauseSliceMs = 50;

// A text that ends a sentence of its own, for a message that adds its own full stop.
QString WithoutFinalStop(QString text) {
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text;
}

}  // namespace

TransferSession::TransferSession(wirelink::Wirelink& link, const LinkSettings& settings,
                                 drivers::InstrumentDriver& driver, documents::MessageBoxes& boxes,
                                 ProgressSink& sink)
    : TransferSession(link, Settings([settings] { return settings; }), driver, boxes, sink) {}

TransferSession::TransferSession(wirelink::Wirelink& link, Settings settings,
                                 drivers::InstrumentDriver& driver, documents::MessageBoxes& boxes,
                                 ProgressSink& sink)
    : link_(link),
      settingsSource_(std::move(settings)),
      driver_(driver),
      boxes_(boxes),
      sink_(sink),
      now_(ConfigTransfer::LocalNow) {}

TransferOutcome TransferSession::getconfiguration(form::Form& form) {
    return run(TransferKind::Receive,
               [&form](ConfigTransfer& transfer) { transfer.ReceiveConfigSector(form); });
}

TransferOutcome TransferSession::sendconfiguration(const form::Form& form) {
    return run(TransferKind::Send,
               [&form](ConfigTransfer& transfer) { transfer.SendConfigSector(form); });
}

TransferOutcome TransferSession::restoreconfiguration(const SectorBackup& backup,
                                                      const form::Form& form) {
    return run(TransferKind::Restore, [this, &backup, &form](ConfigTransfer& transfer) {
        const QString refusal =
            RestoreRefusal(backup, driver_.Instrument_ID(), boxes_.translator());
        if (!refusal.isEmpty()) {
            throw std::runtime_error(refusal.toStdString());
        }
        restored_ = RestoredBackup{backup.path, backup.time, backup.addr};
        transfer.RestoreConfigSector(backup.sector, form);
    });
}

TransferOutcome TransferSession::setclock() {
    return run(TransferKind::SetClock, [](ConfigTransfer& transfer) { transfer.SendClock(); });
}

void TransferSession::cancel() {
    // Switching remote mode off after a failure is not cancelled: it is what a cancel needs.
    if (running_ && !leaving_) {
        // Kept by the session too: the link forgets a cancel between two requests, and
        // there is no request during the opening attempts.
        cancelled_ = true;
        link_.CancelSendFrame();
    }
}

void TransferSession::hostClosing() {
    if (!running_) {
        return;
    }
    if (!leaving_) {
        cancelled_ = true;
        closing_ = true;
    }
    link_.HostUnloading();
}

TransferOutcome TransferSession::run(TransferKind kind,
                                     const std::function<void(ConfigTransfer&)>& body) {
    const TransferTexts& texts = TransferTexts::of(kind);
    app::Translator& translator = boxes_.translator();
    settings_ = settingsSource_();
    running_ = true;
    cancelled_ = false;
    closing_ = false;
    openingReason_.clear();
    openingRemedy_.clear();
    failure_.reset();
    warnings_.clear();
    backupPath_.clear();
    asRead_.clear();
    reportPath_.clear();
    restored_.reset();
    mismatch_ = false;
    sink_.setRunning(true);
    TransferOutcome outcome = TransferOutcome::Done;
    ConfigTransfer transfer(driver_, settings_.addr, sink_, translator, now_);
    transfer.watchLink(&link_);
    transfer.setBeforeWrite([this](const wirelink::ByteBuffer& asRead) { keepBackup(asRead); });
    transfer.setVerify(settings_.verifyAfterSend);
    try {
        prepareLink();
        // Setting the clock tries the port once; an opening failure is a transfer failure.
        if (kind == TransferKind::SetClock) {
            openOnce();
        } else if (!openWithRetries()) {
            outcome = TransferOutcome::PortNotOpened;
        }
        throwIfCancelled();
        if (outcome == TransferOutcome::Done) {
            // Opening attempts that failed before one succeeded are no failure.
            failure_.reset();
            openingRemedy_.clear();
            link_.Defineflow(settings_.addr, driver_.Instrument_ID());
            body(transfer);
            keepRecords(kind, transfer);
            sink_.setStatus(
                (transfer.verified() ? texts.verified : texts.done).translated(translator));
        }
    } catch (const std::exception& error) {
        outcome = TransferOutcome::Failed;
        remember(error);
        if (!cancelled_) {
            // Set only while the port has not opened: what mends it.
            failure_->advice = openingRemedy_;
        }
        mismatch_ = dynamic_cast<const ReadBackMismatch*>(&error) != nullptr;
        leaveAnalyser(transfer, error);
        // Before the outcome, so the status line ends saying the transfer failed.
        keepRecords(kind, transfer);
        sink_.setStatus(texts.failed.translated(translator));
        ReportTransferError(error, boxes_, failure_->advice);
    }
    if (outcome == TransferOutcome::PortNotOpened) {
        const QString text = kPortNotOpenedText.translated(translator);
        boxes_.ShowErrorMessage(openingReason_.isEmpty() ? text
                                                         : text + QStringLiteral(".\n\n") +
                                                               WithoutFinalStop(openingReason_));
    }
    if (outcome == TransferOutcome::Done) {
        reportUnknownValues(transfer);
    }
    if (!warnings_.isEmpty()) {
        boxes_.ShowErrorMessage(warnings_.join(QLatin1Char('\n')));
    }
    image_ = transfer.image();
    finish();
    return outcome;
}

void TransferSession::prepareLink() {
    driver_.linktowirelinkctrl(&link_);
    ApplyLinkSettings(link_, settings_);
}

bool TransferSession::OpenComm(int attempt) {
    try {
        return link_.OpenCom() == 0;
    } catch (const wirelink::Error& error) {
        // Another attempt follows; after the last one the user is told the port did not open.
        remember(error);
        noteOpeningFailure(error, attempt);
        return false;
    }
}

void TransferSession::openOnce() {
    try {
        link_.OpenCom();
    } catch (const wirelink::Error& error) {
        noteOpeningFailure(error, 0);
        throw;
    }
}

void TransferSession::noteOpeningFailure(const wirelink::Error& error, int attempt) {
    app::Translator& translator = boxes_.translator();
    // The connection test's reasons; the link's own message where none applies.
    const QString remedy = remedyFor(ClassifyLinkFailure(error.code(), settings_));
    openingRemedy_ = WithoutFinalStop(remedy);
    openingReason_ = PortPath(settings_) + QStringLiteral(": ") +
                     (remedy.isEmpty() ? TransferErrorMessage(error, translator) : remedy);
    if (failure_) {
        failure_->advice = openingRemedy_;
    }
    if (attempt > 0) {
        sink_.setStatus(kOpeningFailedText.translated(
            translator,
            {QString::number(attempt), QString::number(kOpenAttempts), openingReason_}));
    }
}

QString TransferSession::remedyFor(ConnectionProblem problem) const {
    if (remedy_) {
        return remedy_(problem);
    }
    const TransferText hint = ConnectionHint(problem, settings_.useInfrared);
    return *hint.key == '\0' ? QString() : hint.translated(boxes_.translator());
}

bool TransferSession::openWithRetries() {
    for (int attempt = 0; attempt < kOpenAttempts && !cancelled_; ++attempt) {
        const bool open = OpenComm(attempt + 1);
        if (!open) {
            // An opening sequence stopped half way can leave the port open with the adapter
            // unprogrammed; closed, the next attempt runs the whole sequence again instead
            // of taking the open port as a success.
            link_.CloseCom();
            if (openingIsHopeless()) {
                return false;
            }
        }
        if (!pauseAfterOpening() || open) {
            return open;
        }
    }
    return false;
}

bool TransferSession::pauseAfterOpening() {
    if (wait_) {
        if (!cancelled_) {
            wait_(kOpenWaitMs);
        }
        return !cancelled_;
    }
    // Host events run during the pause; an Abort among them ends it at once.
    for (int waited = 0; waited < kOpenWaitMs && !cancelled_; waited += kPauseSliceMs) {
        app::WaitMilliseconds(std::min(kPauseSliceMs, kOpenWaitMs - waited));
    }
    return !cancelled_;
}

bool TransferSession::openingIsHopeless() const {
    // A folder or a file never becomes a serial port, and a port never grows modem lines.
    return failure_ && failure_->code &&
           (*failure_->code == static_cast<std::int32_t>(wirelink::PortError::NotASerialPort) ||
            *failure_->code == wirelink::StatusOf(wirelink::WLink_errors::WLerr_nomodemlines));
}

void TransferSession::throwIfCancelled() const {
    if (cancelled_) {
        // A closing window ends the transfer as the link ends a request then.
        throw wirelink::Error(closing_ ? wirelink::WLink_errors::WLerr_abortsend
                                       : wirelink::WLink_errors::WLerr_cancelledsend,
                              wirelink::ErrorContext{});
    }
}

void TransferSession::remember(const std::exception& error) {
    const auto* linkError = dynamic_cast<const wirelink::Error*>(&error);
    // In the user's language where the link's error table has the text.
    failureMessage_ = TransferErrorOf(error);
    failure_ = TransferFailure{linkError ? std::optional(linkError->code()) : std::nullopt,
                               failureMessage_.in(boxes_.translator()), QString()};
}

void TransferSession::leaveAnalyser(const ConfigTransfer& transfer, const std::exception& error) {
    app::Translator& translator = boxes_.translator();
    if (dynamic_cast<const ReadBackMismatch*>(&error)) {
        // Written and read back whole, remote mode already off: only sending again helps.
        failure_->advice = kVerifyAdviceText.translated(translator, {backupPath_});
        return;
    }
    if (transfer.writeStarted() && !transfer.readingBack()) {
        // What the analyser does with a write transaction cut short is not known: leave it
        // as it is, and say so.
        failure_->advice = kPartialWriteText.translated(translator);
        return;
    }
    if (transfer.readingBack()) {
        // The write ended; the check did not: remote mode goes off as after a receive.
        failure_->advice = kReadBackFailedText.translated(translator, {backupPath_});
    }
    if (!link_.PortOpen() || !link_.Checkflow(settings_.addr)) {
        return;  // nothing was sent
    }
    // Remote mode locks the analyser's keys until it is switched off; one request to do so,
    // whose own failure changes nothing in the report.
    leaving_ = true;
    try {
        link_.SetFlowConnected(settings_.addr);
        driver_.SetRemLoc(settings_.addr, kRemoteOff);
    } catch (const std::exception&) {
    }
    leaving_ = false;
}

void TransferSession::reportUnknownValues(const ConfigTransfer& transfer) {
    app::Translator& translator = boxes_.translator();
    for (const UnknownListValue& unknown : transfer.unknownValues()) {
        warnings_.push_back(kUnknownValueText.translated(
            translator, {QString::number(unknown.byte), unknown.caption, unknown.key}));
    }
}

void TransferSession::keepBackup(const wirelink::ByteBuffer& asRead) {
    const SectorBackup backup{driver_.Instrument_ID(),      settings_.addr, app::VersionString(),
                              QDateTime::currentDateTime(), asRead,         QString()};
    backupPath_ = WriteSectorBackup(backup, BackupFolder(), boxes_.translator());
    asRead_ = asRead;
    sink_.setStatus(kBackupSavedText.translated(boxes_.translator(), {backupPath_}));
}

void TransferSession::keepRecords(TransferKind kind, const ConfigTransfer& transfer) {
    if (!transfer.writeStarted() || backupPath_.isEmpty()) {
        return;  // nothing was written: no record of a write
    }
    app::Translator& translator = boxes_.translator();
    // Also of a write cut short: the analyser may hold part of it.
    const WriteRecord kept = record(kind, transfer);
    const wirelink::ByteBuffer& after = kept.after();
    const QString afterPath = WrittenSectorPath(backupPath_);
    QString why;
    if (!app::WriteFileAtomically(afterPath,
                                  QByteArray(reinterpret_cast<const char*>(after.data()),
                                             static_cast<qsizetype>(after.size())),
                                  &why)) {
        warnings_.push_back(kWrittenSectorFailedText.translated(
            translator, {afterPath + QStringLiteral(": ") + why}));
    }
    if (!afterWrite_) {
        return;
    }
    try {
        reportPath_ = afterWrite_(kept);
        sink_.setStatus(kReportKeptText.translated(translator, {reportPath_}));
    } catch (const std::exception& error) {
        // The analyser holds what was written whatever happens to its record.
        warnings_.push_back(
            kReportFailedText.translated(translator, {QString::fromStdString(error.what())}));
    }
}

WriteRecord TransferSession::record(TransferKind kind, const ConfigTransfer& transfer) const {
    WriteRecord record;
    record.kind = kind;
    record.model = driver_.Instrument_ID();
    record.addr = settings_.addr;
    // A numbered port is named by its number (1 is COM1).
    record.port =
        settings_.portName.isEmpty() ? QString::number(settings_.serialPort) : settings_.portName;
    record.time = QDateTime::currentDateTime();
    record.before = asRead_;
    record.written = transfer.written();
    record.complete = transfer.writeEnded();
    record.blocks = transfer.writeBlocks();
    record.blocksWritten = transfer.blocksWritten();
    record.writtenEnd = transfer.writtenEnd();
    record.readBack = transfer.readBack();
    record.backupPath = backupPath_;
    record.restored = restored_;
    if (transfer.verified()) {
        record.verify = VerifyOutcome::Kept;
    } else if (failure_ && transfer.readingBack()) {
        record.verify = mismatch_ ? VerifyOutcome::Differs : VerifyOutcome::CheckFailed;
        record.verifyError = failureMessage_;
    }
    return record;
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
