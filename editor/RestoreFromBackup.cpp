#include "editor/RestoreFromBackup.h"

#include "dialogs/frmadvance.h"
#include "transfer/BackupChoice.h"

namespace kilnward::editor {

std::optional<transfer::TransferOutcome> RestoreFromBackup(documents::MainWindowSession& session,
                                                           dialogs::frmadvance& dialog) {
    const std::optional<transfer::SectorBackup> backup = transfer::ChooseBackupToRestore(session);
    if (!backup) {
        return std::nullopt;
    }
    return dialog.runRestore(*backup);
}

}  // namespace kilnward::editor
