#pragma once

#include <QString>

namespace kilnward::app {

// Key-by-key access to INI files as the program has always done it: every call goes to the
// file (nothing is cached), so a value written by one window is seen by the next reader.
// A file that exists but cannot be used (unreadable, a folder, larger than a profile file can
// be) reads as missing, is never overwritten by a write, and is told once (Notices.h).

// Buffer sizes the program passes to the profile functions.
inline constexpr int kIniValueBufferSize = 2047;
inline constexpr int kParameterSectionBufferSize = 2047;
inline constexpr int kInstrumentSectionBufferSize = 2147;

// The value, or `defaultValue` when the file or key is missing. Values longer than
// kIniValueBufferSize - 1 (2046) characters come back cut to that length.
QString ReadIniValue(const QString& file, const QString& section, const QString& key,
                     const QString& defaultValue);

// Writes one key; the rest of the file is kept. Creates the file when missing. Returns false
// when the file could not be written (the old file then stays as it was).
bool WriteIniValue(const QString& file, const QString& section, const QString& key,
                   const QString& value);

// The whole section as the platform's section read returns it: every entry "key=value"
// followed by a NUL character. When that text does not fit in `bufferSize` characters (with
// its closing NUL) it comes back cut to bufferSize - 2 characters. Empty when the file or
// section is missing or the section holds no entries (the call's result 0).
QString ReadIniSection(const QString& file, const QString& section, int bufferSize);

}  // namespace kilnward::app
