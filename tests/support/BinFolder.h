#pragma once

#include <QString>

namespace kilnward::test {

// The folder of the built programs and the shipped data: KILNWARD_BIN when set (ctest sets
// it), else the build's own bin folder.
QString BinFolder();

// The path of `name` (a program or a shipped file) in BinFolder().
QString BinaryPath(const QString& name);

// Copies the catalogue and the default documents into `folder`, which then serves as the
// program folder of a run (a folder without them has each one reported missing). False when
// a copy fails.
bool CopyProgramData(const QString& folder);

}  // namespace kilnward::test
