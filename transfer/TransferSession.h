#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>

#include "transfer/ConfigTransfer.h"
#include "transfer/ConnectionHint.h"
#include "transfer/LinkSettings.h"
#include "transfer/SectorBackup.h"
#include "transfer/TransferTexts.h"
#include "transfer/WriteRecord.h"
#include "wirelink/ByteBuffer.h"

namespace wirelink {
class Error;
class Wirelink;
}  // namespace wirelink
namespace kilnward::documents {
class MessageBoxes;
}
namespace kilnward::drivers {
class InstrumentDriver;
}
namespace kilnward::form {
class Form;
}

namespace kilnward::transfer {

class ProgressSink;

enum class TransferOutcome { Done, Failed, PortNotOpened };

// Why the last transfer did not succeed: the error raised (for a port that never opened, the
// last opening failure), its code when it came from the link or the port, and its message.
// `advice` says what to do: when the analyser may have been left partly written, or what
// mends the port that did not open.
struct TransferFailure {
    std::optional<std::int32_t> code;
    QString message;
    QString advice;
};

// One transfer on the transfer dialog's link control, without the dialog: the driver handed
// the link, the serial settings copied in (read afresh at every transfer), the port opened
// (receive and send: up to 10 attempts, each followed by a 1000 ms wait; set clock: once),
// the flow defined, the transfer run, the outcome shown and any failure reported, and in
// every case the flow released and the port closed.
//
// A receive or set-clock that fails or is cancelled switches the analyser's remote mode off
// (that request's own failure ignored) before the link is released; a send that failed once
// its write transaction began leaves the analyser alone and says it may be partly written.
// A send or restore keeps the sector it read as a backup file before it writes (no backup,
// no write) and, unless the settings say otherwise, reads the sector back at the end: what
// the analyser did not keep is a failure that names the fields.
// Cancel works from the first opening attempt on: the transfer ends at once as cancelled.
// Each failed opening attempt is told on the status line with the port and the reason, and
// a port that did not open is reported with that reason and its remedy.
class TransferSession {
  public:
    using Wait = std::function<void(int milliseconds)>;
    // What the user can do about a connection problem, in the terms of where they work;
    // empty when there is nothing to say.
    using Remedy = std::function<QString(ConnectionProblem)>;

    static constexpr int kOpenAttempts = 10;
    static constexpr int kOpenWaitMs = 1000;

    using Settings = std::function<LinkSettings()>;
    // Keeps the record of a write (the service report) and returns where; throws a
    // std::exception saying why when it could not.
    using AfterWrite = std::function<QString(const WriteRecord& record)>;

    TransferSession(wirelink::Wirelink& link, const LinkSettings& settings,
                    drivers::InstrumentDriver& driver, documents::MessageBoxes& boxes,
                    ProgressSink& sink);
    // The settings asked for at the start of every transfer (the settings dialog's values).
    TransferSession(wirelink::Wirelink& link, Settings settings, drivers::InstrumentDriver& driver,
                    documents::MessageBoxes& boxes, ProgressSink& sink);

    // The pause after each opening attempt (unless replaced: WaitMilliseconds, ending early
    // once cancelRequested() is true). A replacement that runs the host's events may end
    // early the same way.
    void setWait(Wait wait) { wait_ = std::move(wait); }
    // The date and time sent to the analyser's clock (the computer's unless replaced).
    void setClock(ConfigTransfer::Clock now) { now_ = std::move(now); }
    // The remedies named (unless replaced: the window's, ConnectionHint in the user's
    // language).
    void setRemedy(Remedy remedy) { remedy_ = std::move(remedy); }
    // Called after every send or restore whose write transaction began, whatever the
    // read-back found and also when the write did not end; the analyser was written, so a
    // record that cannot be kept is only a warning. Beside the backup the sector after the
    // write is kept too (WrittenSectorPath).
    void setAfterWrite(AfterWrite afterWrite) { afterWrite_ = std::move(afterWrite); }

    TransferOutcome getconfiguration(form::Form& form);
    TransferOutcome sendconfiguration(const form::Form& form);
    TransferOutcome setclock();
    // Writes `backup` back into the analyser as a send writes; refused (a failure, before
    // anything is written) when it is another model's. `form` names the fields for the check
    // of the read-back.
    TransferOutcome restoreconfiguration(const SectorBackup& backup, const form::Form& form);

    // The Abort button while a transfer runs: the running request ends with a cancel error.
    void cancel();
    // The window closes while a transfer runs: the running request ends as aborted and the
    // opening attempts stop at once; the user, who closed it, is told nothing more.
    void hostClosing();
    bool running() const { return running_; }
    // Cancel was asked during the running transfer.
    bool cancelRequested() const { return cancelled_; }
    // The configuration sector as last read (receive) or written (send).
    const wirelink::ByteBuffer& image() const { return image_; }
    const std::optional<TransferFailure>& failure() const { return failure_; }
    // Warnings of the last transfer that ended Done: list bytes received that name no entry
    // of their list (each: value, caption, key). Also shown to the user in one message box.
    const QStringList& warnings() const { return warnings_; }
    // The backup the last send or restore kept of the analyser before writing (empty when
    // it wrote nothing).
    const QString& backupPath() const { return backupPath_; }
    // The record the last send or restore kept (setAfterWrite); empty when none.
    const QString& reportPath() const { return reportPath_; }

  private:
    TransferOutcome run(TransferKind kind, const std::function<void(ConfigTransfer&)>& body);
    void prepareLink();
    bool OpenComm(int attempt);
    bool openWithRetries();
    // Setting the clock: one attempt, whose failure is the transfer's.
    void openOnce();
    // A failed opening: why, on the status line while attempts follow, and what mends it.
    void noteOpeningFailure(const wirelink::Error& error, int attempt);
    QString remedyFor(ConnectionProblem problem) const;
    // The pause after an opening attempt; false when the transfer was cancelled.
    bool pauseAfterOpening();
    void throwIfCancelled() const;
    // The last opening failed in a way that no further attempt can mend.
    bool openingIsHopeless() const;
    void remember(const std::exception& error);
    // After a failure: remote mode off, or the advice that the analyser may be partly written.
    void leaveAnalyser(const ConfigTransfer& transfer, const std::exception& error);
    void reportUnknownValues(const ConfigTransfer& transfer);
    // Before a send or restore writes: the sector as read kept as a backup file.
    void keepBackup(const wirelink::ByteBuffer& asRead);
    // After a write began: the sector after it beside the backup, and the record of the
    // write; what fails becomes a warning.
    void keepRecords(TransferKind kind, const ConfigTransfer& transfer);
    WriteRecord record(TransferKind kind, const ConfigTransfer& transfer) const;
    void finish();

    wirelink::Wirelink& link_;
    Settings settingsSource_;
    LinkSettings settings_;
    drivers::InstrumentDriver& driver_;
    documents::MessageBoxes& boxes_;
    ProgressSink& sink_;
    Wait wait_;
    ConfigTransfer::Clock now_;
    Remedy remedy_;
    bool running_ = false;
    bool cancelled_ = false;
    bool closing_ = false;
    bool leaving_ = false;
    wirelink::ByteBuffer image_;
    std::optional<TransferFailure> failure_;
    // The failure's message, to be told in the language of a record.
    ErrorMessage failureMessage_;
    QStringList warnings_;
    QString backupPath_;
    // The port and why its last opening failed; what mends it.
    QString openingReason_;
    QString openingRemedy_;
    wirelink::ByteBuffer asRead_;
    AfterWrite afterWrite_;
    QString reportPath_;
    // The backup the running restore writes back.
    std::optional<RestoredBackup> restored_;
    bool mismatch_ = false;
};

}  // namespace kilnward::transfer
