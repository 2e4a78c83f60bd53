#pragma once

#include <optional>

#include "transfer/ConfigTransfer.h"
#include "transfer/LinkSettings.h"
#include "transfer/TransferSession.h"
#include "wirelink/ByteBuffer.h"

namespace wirelink {
class Wirelink;
}
namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::transfer {

class ProgressSink;

// The main window's transfer commands: receive (mnufileget), send (mnufilesend) and set
// clock (mnuconfiguresetclock). Each asks for confirmation; the receive then offers to save
// each changed document, and replaces all five only once the data have arrived
// (RunReceiveCommand).
// Each returns the transfer's outcome, or nothing when the user stopped it before.
class TransferCommands {
  public:
    // `settings` is asked at every command, so a change in the settings dialog reaches the
    // next transfer.
    TransferCommands(documents::MainWindowSession& window, wirelink::Wirelink& link,
                     TransferSession::Settings settings, ProgressSink& sink);
    // Settings that stay as given (the command line's).
    TransferCommands(documents::MainWindowSession& window, wirelink::Wirelink& link,
                     const LinkSettings& settings, ProgressSink& sink);

    // Replaces the session's pause after each opening attempt (TransferSession::setWait).
    void setWait(TransferSession::Wait wait) { wait_ = std::move(wait); }
    void setClock(ConfigTransfer::Clock now) { now_ = std::move(now); }
    // Replaces the remedies the transfers name (TransferSession::setRemedy).
    void setRemedy(TransferSession::Remedy remedy) { remedy_ = std::move(remedy); }
    // The record kept after each write (TransferSession::setAfterWrite).
    void setAfterWrite(TransferSession::AfterWrite afterWrite) {
        afterWrite_ = std::move(afterWrite);
    }

    std::optional<TransferOutcome> mnufileget();
    std::optional<TransferOutcome> mnufilesend();
    std::optional<TransferOutcome> mnuconfiguresetclock();
    // Writes `backup` back into the analyser after a question naming its model and time.
    std::optional<TransferOutcome> mnurestore(const SectorBackup& backup);

    // The configuration sector as the last transfer read or wrote it.
    const wirelink::ByteBuffer& image() const { return image_; }
    // Why the last transfer failed, if it did.
    const std::optional<TransferFailure>& failure() const { return failure_; }
    // The last transfer's warnings (TransferSession::warnings).
    const QStringList& warnings() const { return warnings_; }
    // The backup the last send or restore kept (TransferSession::backupPath).
    const QString& backupPath() const { return backupPath_; }

  private:
    TransferSession session();
    TransferOutcome keep(const TransferSession& transfer, TransferOutcome outcome);
    void showRunning(TransferKind kind);

    documents::MainWindowSession& window_;
    wirelink::Wirelink& link_;
    TransferSession::Settings settings_;
    ProgressSink& sink_;
    TransferSession::Wait wait_;
    ConfigTransfer::Clock now_;
    TransferSession::Remedy remedy_;
    TransferSession::AfterWrite afterWrite_;
    wirelink::ByteBuffer image_;
    std::optional<TransferFailure> failure_;
    QStringList warnings_;
    QString backupPath_;
};

}  // namespace kilnward::transfer
