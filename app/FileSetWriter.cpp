#include "app/FileSetWriter.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kilnward::app {

namespace {

bool Rename(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

QString SystemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

}  // namespace

void FileSetWriter::add(const QString& path, const QByteArray& bytes) {
    entries_.push_back({path, bytes, path + QStringLiteral(".saving~"),
                        path + QStringLiteral(".previous~"), false});
}

bool FileSetWriter::writeTemporary(Entry& entry, Failure& failure) const {
    failure.path = entry.path;
    if (QFileInfo(entry.path).isDir()) {
        failure.reason = QStringLiteral("a folder of that name is in the way");
        return false;
    }
    QFile file(entry.temporary);
    // Unbuffered, so a short write (disk full) shows here and not after the set is in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        failure.reason = file.errorString();
        return false;
    }
    if (file.write(entry.bytes) != entry.bytes.size() || !file.flush()) {
        failure.reason = file.error() == QFileDevice::NoError
                             ? QStringLiteral("the disk is full or the file too large")
                             : file.errorString();
        file.close();
        return false;
    }
    file.close();
    return true;
}

bool FileSetWriter::putInPlace(Entry& entry, Failure& failure) const {
    failure.path = entry.path;
    const bool hadOld = QFileInfo::exists(entry.path);
    if (hadOld && !Rename(entry.path, entry.previous)) {
        failure.reason = SystemReason();
        return false;
    }
    if (!Rename(entry.temporary, entry.path)) {
        failure.reason = SystemReason();
        if (hadOld) {
            Rename(entry.previous, entry.path);
        }
        return false;
    }
    entry.replaced = true;
    if (!hadOld) {
        entry.previous.clear();  // nothing to restore: a roll-back removes the new file
    }
    return true;
}

void FileSetWriter::rollBack() {
    for (Entry& entry : entries_) {
        if (entry.replaced) {
            if (entry.previous.isEmpty()) {
                QFile::remove(entry.path);
            } else {
                Rename(entry.previous, entry.path);
            }
        }
        QFile::remove(entry.temporary);
    }
}

bool FileSetWriter::commit(Failure& failure) {
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
