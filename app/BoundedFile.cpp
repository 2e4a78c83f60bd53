#include "app/BoundedFile.h"

#include <QFile>
#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace kilnward::app {

namespace {

void SetError(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
}

const QString kNotRegular = QStringLiteral("it is not a regular file");

// Opens `path` for reading only when it is a regular file. Opening a named pipe waits for a
// writer that may never come, and a device may never end, so neither is opened for reading:
// the open does not wait, and what was opened is checked before a byte is read.
bool OpenRegularFile(QFile& file, const QString& path, QString* error) {
#if defined(Q_OS_UNIX)
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        SetError(error, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        SetError(error, kNotRegular);
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        SetError(error, file.errorString());
        return false;
    }
    return true;
#else
    if (!QFileInfo(path).isFile()) {
        SetError(error, kNotRegular);
        return false;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, file.errorString());
        return false;
    }
    return true;
#endif
}

}  // namespace

std::optional<QByteArray> ReadFileBounded(const QString& path, qint64 maxBytes, QString* error) {
    SetError(error, QString());
    const QFileInfo info(path);
    if (!info.exists()) {
        return std::nullopt;
    }
    if (info.isDir()) {
        SetError(error, QStringLiteral("it is a folder"));
        return std::nullopt;
    }
    QFile file;
    if (!OpenRegularFile(file, path, error)) {
        return std::nullopt;
    }
    // One byte more than allowed tells a file at the limit from one beyond it.
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes) {
        SetError(error, QStringLiteral("it is larger than %1 KiB").arg(maxBytes / 1024));
        return std::nullopt;
    }
    if (file.error() != QFileDevice::NoError) {
        SetError(error, file.errorString());
        return std::nullopt;
    }
    return bytes;
}

}  // namespace kilnward::app
