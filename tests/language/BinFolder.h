#pragma once

#include <QDir>
#include <QString>

// Folder of the built binaries and shipped data: KILNWARD_BIN, else the working folder
// (ctest runs the tests there).
inline QString BinFolder() {
    const QString bin = qEnvironmentVariable("KILNWARD_BIN");
    return bin.isEmpty() ? QDir::currentPath() : bin;
}
