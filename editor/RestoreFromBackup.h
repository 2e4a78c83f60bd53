#pragma once

#include <optional>

#include "transfer/TransferSession.h"

namespace kilnward::dialogs {
class frmadvance;
}
namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::editor {

// The Tools menu's "Restore analyser from backup...": a backup chosen in the backups folder
// and checked, then written back through the transfer dialog after the question naming it.
// Nothing when the user stopped before the transfer or the file was refused.
std::optional<transfer::TransferOutcome> RestoreFromBackup(documents::MainWindowSession& session,
                                                           dialogs::frmadvance& dialog);

}  // namespace kilnward::editor
