#pragma once

#include <QString>

namespace kilnward::app {

// The path with the platform's separator ('/' here) appended when its last character is
// not already one. An empty path stays empty.
QString AddBackslash(const QString& path);
// True when `path` names an existing file (not a folder).
bool FileExists(const QString& path);

}  // namespace kilnward::app
