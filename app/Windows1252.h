#pragma once

#include <QByteArray>
#include <QString>

namespace kilnward::app {

// The analyser and the profile files store one Windows-1252 byte per character.

// Characters that code page 1252 cannot hold become '?'.
QByteArray EncodeWindows1252(const QString& text);
QString DecodeWindows1252(const QByteArray& bytes);
// True when every character of `text` has a Windows-1252 byte.
bool IsWindows1252Representable(const QString& text);
// Text for a profile or text file: Windows-1252 when every character fits, else UTF-8, so
// no character is ever lost.
QByteArray EncodeProfileText(const QString& text);
// Profile-file text: UTF-8 when the bytes are valid UTF-8, else Windows-1252 (files from the
// field). A UTF-8 byte-order mark is dropped.
QString DecodeProfileText(const QByteArray& bytes);

}  // namespace kilnward::app
