#pragma once

#include <QString>

#include "wirelink/Platform.h"

namespace kilnward::app {

// The path with a separator appended when its last character is not already one. The
// separator added is '/', which Qt takes on every platform; on Windows a path that ends with
// '\\' already has one. An empty path stays empty.
QString AddBackslash(const QString& path, wirelink::Platform platform = wirelink::kThisPlatform);
// True when `path` names an existing file (not a folder).
bool FileExists(const QString& path);

}  // namespace kilnward::app
