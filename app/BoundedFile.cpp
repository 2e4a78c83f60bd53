#include "app/BoundedFile.h"

#include <QFile>
#include <QFileInfo>

namespace kilnward::app {

namespace {

void SetError(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(error, file.errorString());
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
