#include "app/FileSetWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kilnward::app {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinks = 40;

bool Rename(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

QString SystemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Creates a file of a name no other file has, "<stem>.<random>.<suffix>~", and leaves it
// open in `file`. Names are never reused, so files of the same set, another save running at
// the same time, or a user's file of a similar name are never overwritten.
bool CreateUnique(QFile& file, const QString& stem, const char* suffix, QString& reason) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name =
            QStringLiteral("%1.%2.%3~")
                .arg(stem)
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                .arg(QLatin1String(suffix));
        file.setFileName(name);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            return true;
        }
        if (!QFileInfo::exists(name)) {
            reason = file.errorString();
            return false;
        }
    }
    reason = QStringLiteral("no free temporary name");
    return false;
}

// Gives the new file the old one's mode and owner, so a save changes the content only.
bool KeepModeOf(const QString& old, QFile& file, QString& reason) {
#if defined(Q_OS_UNIX)
    struct stat st {};
    if (::stat(QFile::encodeName(old).constData(), &st) != 0) {
        return true;  // a new file: the mode any new file gets
    }
    if (::fchown(file.handle(), st.st_uid, st.st_gid) != 0) {
        // Only the superuser may give a file away; the saver then owns the new file.
    }
    if (::fchmod(file.handle(), st.st_mode & 07777) != 0) {
        reason = SystemReason();
        return false;
    }
#else
    if (QFileInfo::exists(old) && !file.setPermissions(QFile::permissions(old))) {
        reason = file.errorString();
        return false;
    }
#endif
    return true;
}

// On the disk before the old file is replaced, not only in the system's cache. A file system
// that cannot sync is no reason to refuse the save.
bool SyncToDisk([[maybe_unused]] QFile& file, QString& reason) {
#if defined(Q_OS_UNIX)
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
        reason = SystemReason();
        return false;
    }
#endif
    return true;
}

}  // namespace

QString FileSetWriter::target(const QString& path) {
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < kMaxLinks && QFileInfo(current).isSymLink(); ++hops) {
        current = QFileInfo(current).symLinkTarget();
    }
    const QFileInfo last(current);
    const QString folder = QFileInfo(last.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? QDir::cleanPath(last.absolutePath()) : folder) + QLatin1Char('/') +
           last.fileName();
}

void FileSetWriter::add(const QString& path, const QByteArray& bytes) {
    entries_.push_back({path, target(path), bytes, QString(), QString(), false});
}

bool FileSetWriter::check(const Entry& entry, Failure& failure) const {
    failure.path = entry.path;
    for (const Entry& other : entries_) {
        if (&other == &entry) {
            break;
        }
        if (other.target == entry.target) {
            failure.reason = QStringLiteral("it is named twice in the set");
            return false;
        }
    }
    const QFileInfo info(entry.target);
    if (info.isSymLink()) {
        failure.reason = QStringLiteral("its symbolic links lead round in a circle");
        return false;
    }
    if (info.isDir()) {
        failure.reason = QStringLiteral("a folder of that name is in the way");
        return false;
    }
    if (info.exists() && !info.isFile()) {
        failure.reason = QStringLiteral("it is not a regular file");
        return false;
    }
    // No write permission for anyone means read-only, also to a user the system would let
    // write anyway.
    constexpr QFile::Permissions kWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (info.exists() && (!info.isWritable() || !(info.permissions() & kWrite))) {
        failure.reason = QStringLiteral("it is read-only");
        return false;
    }
    return true;
}

bool FileSetWriter::writeTemporary(Entry& entry, Failure& failure) const {
    failure.path = entry.path;
    QFile file;
    if (!CreateUnique(file, entry.target, "saving", failure.reason)) {
        return false;
    }
    entry.temporary = file.fileName();
    // Unbuffered, so a short write (disk full) shows here and not after the set is in place.
    if (file.write(entry.bytes) != entry.bytes.size() || !file.flush()) {
        failure.reason = file.error() == QFileDevice::NoError
                             ? QStringLiteral("the disk is full or the file too large")
                             : file.errorString();
        return false;
    }
    if (!KeepModeOf(entry.target, file, failure.reason)) {
        return false;
    }
    if (!SyncToDisk(file, failure.reason)) {
        return false;
    }
    file.close();
    return true;
}

bool FileSetWriter::putInPlace(Entry& entry, Failure& failure) const {
    failure.path = entry.path;
    if (QFileInfo::exists(entry.target)) {
        QFile aside;
        if (!CreateUnique(aside, entry.target, "previous", failure.reason)) {
            return false;
        }
        aside.close();
        // Replaces the empty file just made, so the name stays this save's own.
        if (!Rename(entry.target, aside.fileName())) {
            failure.reason = SystemReason();
            aside.remove();
            return false;
        }
        entry.previous = aside.fileName();
    }
    if (!Rename(entry.temporary, entry.target)) {
        failure.reason = SystemReason();
        if (!entry.previous.isEmpty() && Rename(entry.previous, entry.target)) {
            entry.previous.clear();
        }
        return false;
    }
    entry.temporary.clear();
    entry.replaced = true;
    return true;
}

void FileSetWriter::rollBack() {
    for (Entry& entry : entries_) {
        if (entry.replaced) {
            if (entry.previous.isEmpty()) {
                QFile::remove(entry.target);  // nothing was there before
            } else {
                Rename(entry.previous, entry.target);
            }
        } else if (!entry.previous.isEmpty()) {
            Rename(entry.previous, entry.target);  // moved aside, but the new one never came
        }
        if (!entry.temporary.isEmpty()) {
            QFile::remove(entry.temporary);
        }
    }
    entries_.clear();
}

bool FileSetWriter::commit(Failure& failure) {
    for (const Entry& entry : entries_) {
        if (!check(entry, failure)) {
            entries_.clear();
            return false;
        }
    }
    for (Entry& entry : entries_) {
        if (!writeTemporary(entry, failure)) {
            rollBack();
            return false;
        }
    }
    for (Entry& entry : entries_) {
        if (!putInPlace(entry, failure)) {
            rollBack();
            return false;
        }
    }
    for (const Entry& entry : entries_) {
        if (!entry.previous.isEmpty()) {
            QFile::remove(entry.previous);
        }
    }
    entries_.clear();
    return true;
}

}  // namespace kilnward::app
