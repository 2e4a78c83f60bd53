#pragma once

#include <QString>
#include <QStringList>

namespace kilnward::app {

class UserPrompts;

// Writes `lines`, each ended by CR LF, as Windows-1252 text when every character fits, else
// as UTF-8 (no character is lost). An existing file is replaced
// only after the user answers Yes to "File Already Exist. Do you want to overwrite it ?"
// (unless `overwriteSilently`); any other answer returns false and leaves the file alone.
// The new text goes to a temporary file first, so a failed write leaves the old file
// intact; write failures return false without a message.
bool WriteTextLines(const QString& path, const QStringList& lines, bool overwriteSilently,
                    UserPrompts& prompts);

}  // namespace kilnward::app
