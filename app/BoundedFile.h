#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace kilnward::app {

// Profile files (documents, Param.ini, Config.ini) are a few KiB; anything beyond this is not
// one of them and is refused rather than read into memory.
inline constexpr qint64 kMaxProfileFileBytes = qint64{1} << 20;

// The bytes of the regular file `path`, reading no more than `maxBytes` + 1 of them, so a
// huge file costs no more than the cap. Anything else (a folder, a named pipe, a device) is
// refused without waiting for it. nullopt when the file cannot be opened, is no regular file
// or holds more than `maxBytes`; `error` (if given) then says why, in a way that can follow
// the file's name, and is left empty when the file does not exist at all.
std::optional<QByteArray> ReadFileBounded(const QString& path, qint64 maxBytes,
                                          QString* error = nullptr);

}  // namespace kilnward::app
