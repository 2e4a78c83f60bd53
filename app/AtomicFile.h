#pragma once

#include <QByteArray>
#include <QString>

namespace kilnward::app {

// Writes `bytes` to a temporary file beside `path` and moves it over `path` only when every
// byte is on disk, with the rules of FileSetWriter: a link's target is written, the mode
// stays, a read-only file is refused. On failure (disk full, no rights) the old file is
// untouched and `error` (if given) says why.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace kilnward::app
