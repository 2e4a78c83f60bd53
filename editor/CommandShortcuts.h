#pragma once

#include <QKeySequence>
#include <QList>

#include "commands/WindowCommand.h"

namespace kilnward::editor {

// The key sequences of `keys` on this platform: every binding the platform has for the
// standard key, and Ctrl+Y for Redo everywhere.
QList<QKeySequence> CommandShortcuts(commands::CommandKeys keys);

}  // namespace kilnward::editor
