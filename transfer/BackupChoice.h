#pragma once

#include <optional>

#include "transfer/SectorBackup.h"

namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::transfer {

// The first steps of "Restore analyser from backup...": the file chooser on the backups
// folder, then the file read and checked. A file that is no backup, or a backup of another
// model than the window's, is refused with a message. Nullopt when the user cancelled or the
// file was refused.
std::optional<SectorBackup> ChooseBackupToRestore(documents::MainWindowSession& window);

// The file read and checked as the chooser's choice is: nullopt, after its message, when it is
// no backup or one of another model than the window's.
std::optional<SectorBackup> ReadBackupToRestore(documents::MainWindowSession& window,
                                                const QString& path);

}  // namespace kilnward::transfer
