#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

#include "transfer/TransferErrorReport.h"
#include "transfer/TransferTexts.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::transfer {

// What the read-back after a write found.
enum class VerifyOutcome {
    Kept,        // read back and found as written
    NotChecked,  // the read-back is switched off, or the transfer failed before it
    Differs,     // the analyser did not keep everything (readBack against written)
    CheckFailed  // reading back failed (`verifyError` says why)
};

// The backup a restore wrote back: its file, and when and at which address it was taken.
struct RestoredBackup {
    QString path;
    QDateTime time;
    std::uint8_t addr = 0;
};

// One write into an analyser's configuration sector, for the record kept of it: what it
// held before (the backup), what was written and how far, and how the check went.
struct WriteRecord {
    TransferKind kind = TransferKind::Send;
    std::uint8_t model = 0;
    std::uint8_t addr = 0;
    QString port;
    QDateTime time;
    wirelink::ByteBuffer before;
    // What was written as far as the analyser acknowledged it (ConfigTransfer::written).
    wirelink::ByteBuffer written;
    // Whether the write transaction ended; if not, how far it got: blocks acknowledged of the
    // write's blocks, and one past the last byte acknowledged.
    bool complete = true;
    int blocks = 0;
    int blocksWritten = 0;
    std::int64_t writtenEnd = 0;
    // The sector as read back after the write; empty when it was not read back whole.
    wirelink::ByteBuffer readBack;
    VerifyOutcome verify = VerifyOutcome::NotChecked;
    // Why the check failed or what it found, in words any language can tell; the fields it
    // found are better named from readBack and written, in the reader's language.
    ErrorMessage verifyError;
    // The backup kept of `before`.
    QString backupPath;
    // A restore: the backup it wrote back.
    std::optional<RestoredBackup> restored;

    // What the analyser holds after the write as far as it is known: the read-back when there
    // is one, else what was written.
    const wirelink::ByteBuffer& after() const { return readBack.empty() ? written : readBack; }
    // Whether after() was read from the analyser.
    bool afterReadBack() const { return !readBack.empty(); }
};

// A file kept beside a backup: the backup's name with `extension` (".pdf") instead of its own.
QString BesideBackup(const QString& backupPath, const QString& extension);
// Where the sector after the write (WriteRecord::after) is kept beside its backup: the backup's
// name with ".after".
QString WrittenSectorPath(const QString& backupPath);
// Where the service report of the write is kept beside its backup: the name with ".pdf".
QString BackupReportPath(const QString& backupPath);

}  // namespace kilnward::transfer
