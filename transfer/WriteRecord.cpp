#include "transfer/WriteRecord.h"

#include <QDir>
#include <QFileInfo>

namespace kilnward::transfer {

QString BesideBackup(const QString& backupPath, const QString& extension) {
    const QFileInfo backup(backupPath);
    return backup.dir().filePath(backup.completeBaseName() + extension);
}

QString WrittenSectorPath(const QString& backupPath) {
    return BesideBackup(backupPath, QStringLiteral(".after"));
}

QString BackupReportPath(const QString& backupPath) {
    return BesideBackup(backupPath, QStringLiteral(".pdf"));
}

}  // namespace kilnward::transfer
