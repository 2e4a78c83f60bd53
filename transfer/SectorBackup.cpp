#include "transfer/SectorBackup.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <stdexcept>

#include "app/AtomicFile.h"
#include "app/BoundedFile.h"
#include "app/Catalogue.h"
#include "transfer/SafeguardTexts.h"
#include "transfer/SectorLayout.h"

namespace kilnward::transfer {

namespace {

constexpr char kMagic[] = "KILNWARD SECTOR BACKUP 1";
constexpr char kExtension[] = ".kwb";
// A header is a few lines; anything longer is not one of ours.
constexpr qsizetype kMaxHeader = 256;
constexpr qsizetype kMaxVersion = 32;
// Backups of one analyser within one second get a number each.
constexpr int kMaxSameName = 100;

const QByteArray kHeaderEnd = QByteArrayLiteral("\n\n");
const char* const kKeys[] = {"model", "address", "version", "time"};

QString Fit(const QString& name) {
    QString fitted;
    for (const QChar c : name) {
        fitted += c.isLetterOrNumber() && c.unicode() < 128 ? c : QLatin1Char('-');
    }
    return fitted;
}

QString TimeText(const QDateTime& time) {
    // With its offset, so the header says the same moment wherever it is read.
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate);
}

QByteArray Encode(const SectorBackup& backup) {
    QByteArray bytes = QByteArray(kMagic) + '\n';
    bytes += "model=" + QByteArray::number(backup.model) + '\n';
    bytes += "address=" + QByteArray::number(backup.addr) + '\n';
    bytes += "version=" + backup.version.toLatin1() + '\n';
    bytes += "time=" + TimeText(backup.time).toLatin1() + kHeaderEnd;
    bytes.append(reinterpret_cast<const char*>(backup.sector.data()),
                 static_cast<qsizetype>(backup.sector.size()));
    return bytes;
}

bool ReadByte(const QByteArray& text, std::uint8_t& value) {
    bool ok = false;
    const uint number = text.toUInt(&ok);
    value = static_cast<std::uint8_t>(number);
    return ok && number <= 255 && !text.startsWith('+');
}

bool Printable(const QByteArray& text) {
    for (const char c : text) {
        if (c < 0x20 || c > 0x7E) {
            return false;
        }
    }
    return true;
}

bool ApplyEntry(SectorBackup& backup, const QByteArray& key, const QByteArray& value) {
    if (key == "model") {
        return ReadByte(value, backup.model);
    }
    if (key == "address") {
        return ReadByte(value, backup.addr);
    }
    if (key == "version") {
        backup.version = QString::fromLatin1(value);
        return !value.isEmpty() && value.size() <= kMaxVersion;
    }
    backup.time = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODate);
    return backup.time.isValid();
}

bool ParseHeader(const QByteArray& header, SectorBackup& backup) {
    const QList<QByteArray> lines = header.split('\n');
    if (lines.size() != 1 + static_cast<qsizetype>(std::size(kKeys)) || lines[0] != kMagic) {
        return false;
    }
    // The entries in their written order, each once.
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        const QByteArray& line = lines[static_cast<qsizetype>(i) + 1];
        const QByteArray key = QByteArray(kKeys[i]) + '=';
        if (!Printable(line) || !line.startsWith(key) ||
            !ApplyEntry(backup, kKeys[i], line.mid(key.size()))) {
            return false;
        }
    }
    return true;
}

}  // namespace

QString BackupFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("kilnward/backups"));
}

QString BackupModelName(std::uint8_t model) {
    return app::DriverInstrumentName(model).value_or(QStringLiteral("model %1").arg(model));
}

QString WriteSectorBackup(const SectorBackup& backup, const QString& folder,
                          app::Translator& translator) {
    const auto fail = [&translator](const QString& why) {
        return std::runtime_error(kBackupFailedText.translated(translator, {why}).toStdString());
    };
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        throw fail(kBackupFolderText.translated(translator, {folder}));
    }
    const QString stem = QStringLiteral("%1_addr%2_%3")
                             .arg(Fit(BackupModelName(backup.model)), QString::number(backup.addr),
                                  backup.time.toString(QStringLiteral("yyyy-MM-dd_HHmmss")));
    QString path = dir.filePath(stem + QLatin1String(kExtension));
    for (int n = 2; QFileInfo::exists(path); ++n) {
        if (n > kMaxSameName) {
            throw fail(kBackupNamesText.translated(translator, {stem}));
        }
        path = dir.filePath(QStringLiteral("%1_%2%3").arg(stem).arg(n).arg(kExtension));
    }
    QString why;
    if (!app::WriteFileAtomically(path, Encode(backup), &why)) {
        throw fail(QStringLiteral("%1: %2").arg(path, why));
    }
    return path;
}

std::optional<SectorBackup> ReadSectorBackup(const QString& path, app::Translator& translator,
                                             QString& error) {
    const qint64 maxSize = kMaxHeader + layout::kSectorSize;
    QString why;
    const std::optional<QByteArray> bytes = app::ReadFileBounded(path, maxSize, &why);
    if (!bytes) {
        const QFileInfo info(path);
        if (!info.exists()) {
            error = kBackupMissingText.translated(translator, {path});
        } else if (info.isFile() && info.size() > maxSize) {
            error = kBackupWrongSizeText.translated(translator, {path});
        } else {
            error = kBackupUnreadableText.translated(translator, {path, why});
        }
        return std::nullopt;
    }
    const qsizetype end = bytes->left(kMaxHeader).indexOf(kHeaderEnd);
    SectorBackup backup;
    if (end < 0 || !ParseHeader(bytes->left(end), backup)) {
        error = kBackupBadHeaderText.translated(translator, {path});
        return std::nullopt;
    }
    const QByteArray sector = bytes->mid(end + kHeaderEnd.size());
    if (sector.size() != layout::kSectorSize) {
        error = kBackupWrongSizeText.translated(translator, {path});
        return std::nullopt;
    }
    backup.sector.assign(sector.begin(), sector.end());
    backup.path = path;
    return backup;
}

QString RestoreRefusal(const SectorBackup& backup, std::uint8_t model,
                       app::Translator& translator) {
    if (backup.model == model) {
        return QString();
    }
    return kBackupOtherModelText.translated(
        translator, {BackupModelName(backup.model), BackupModelName(model)});
}

namespace {

QString BackupTimeText(const SectorBackup& backup) {
    return backup.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace

QString RestoreQuestion(const SectorBackup& backup, app::Translator& translator) {
    return kRestoreConfirmText.translated(
        translator,
        {BackupModelName(backup.model), QString::number(backup.addr), BackupTimeText(backup)});
}

QString RestoreQuestion(const SectorBackup& backup, std::uint8_t analyserAddr,
                        app::Translator& translator) {
    if (backup.addr == analyserAddr) {
        return RestoreQuestion(backup, translator);
    }
    return kRestoreOtherAddressText.translated(
        translator, {BackupModelName(backup.model), QString::number(backup.addr),
                     BackupTimeText(backup), QString::number(analyserAddr)});
}

QString RestoreAddressMismatch(const SectorBackup& backup, std::uint8_t analyserAddr,
                               app::Translator& translator) {
    if (backup.addr == analyserAddr) {
        return QString();
    }
    return kBackupOtherAddressText.translated(
        translator, {QString::number(backup.addr), QString::number(analyserAddr)});
}

}  // namespace kilnward::transfer
