#include "transfer/BackupChangeCount.h"

#include <stdexcept>

#include "app/BoundedFile.h"
#include "transfer/BackupCatalogue.h"
#include "transfer/SectorBackup.h"
#include "transfer/SectorChanges.h"
#include "transfer/SectorLayout.h"

namespace kilnward::transfer {

std::optional<int> BackupChangeCount(const QString& backupPath, app::UserPrompts& prompts,
                                     app::Translator& translator) {
    const std::optional<QByteArray> written =
        app::ReadFileBounded(WrittenSectorPath(backupPath), layout::kSectorSize);
    if (!written || written->size() != layout::kSectorSize) {
        return std::nullopt;
    }
    QString error;
    const std::optional<SectorBackup> backup = ReadSectorBackup(backupPath, translator, error);
    if (!backup) {
        return std::nullopt;
    }
    const wirelink::ByteBuffer after(written->begin(), written->end());
    try {
        return static_cast<int>(
            SectorChanges(backup->sector, after, backup->model, prompts, translator).size());
    } catch (const std::runtime_error&) {
        // A model without a driver, or a sector no field takes: there is nothing to count,
        // which the list shows as such.
        return std::nullopt;
    }
}

}  // namespace kilnward::transfer
