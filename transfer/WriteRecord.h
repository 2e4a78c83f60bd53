#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

#include "transfer/TransferTexts.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::transfer {

// What the read-back after a write found.
enum class VerifyOutcome {
    Kept,        // read back and found as written
    NotChecked,  // the read-back is switched off, or the transfer failed before it
    Differs,     // the analyser did not keep everything (`detail` names the fields)
    CheckFailed  // reading back failed (`detail` says why)
};

// One write into an analyser's configuration sector, for the record kept of it: what it
// held before (the backup), what was written, and how the check went.
struct WriteRecord {
    TransferKind kind = TransferKind::Send;
    std::uint8_t model = 0;
    std::uint8_t addr = 0;
    QString port;
    QDateTime time;
    wirelink::ByteBuffer before;
    wirelink::ByteBuffer written;
    VerifyOutcome verify = VerifyOutcome::NotChecked;
    QString verifyDetail;
    // The backup kept of `before`.
    QString backupPath;
};

// A file kept beside a backup: the backup's name with `extension` (".pdf") instead of its own.
QString BesideBackup(const QString& backupPath, const QString& extension);
// Where the written sector is kept beside its backup: the backup's name with ".after".
QString WrittenSectorPath(const QString& backupPath);
// Where the service report of the write is kept beside its backup: the name with ".pdf".
QString BackupReportPath(const QString& backupPath);

}  // namespace kilnward::transfer
