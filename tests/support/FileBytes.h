#pragma once

#include <QByteArray>
#include <QString>

namespace kilnward::test {

// The whole content of the file at `path`; empty when it cannot be read.
QByteArray ReadBytes(const QString& path);

// Replaces the file at `path` with `bytes`; false when it could not be written whole.
bool WriteBytes(const QString& path, const QByteArray& bytes);

}  // namespace kilnward::test
