#pragma once

#include <QString>

namespace kilnward::test {

// The folder of the built programs and the shipped data: KILNWARD_BIN when set (ctest sets
// it), else the build's own bin folder.
QString BinFolder();

// The path of `name` (a program or a shipped file) in BinFolder().
QString BinaryPath(const QString& name);

}  // namespace kilnward::test
