#pragma once

#include <QString>

#include <optional>

namespace kilnward::app {
class Translator;
class UserPrompts;
}  // namespace kilnward::app

namespace kilnward::transfer {

// How many fields the write after a backup changed: the backup against the sector written,
// kept beside it (WrittenSectorPath), compared field by field. Nullopt when that file is missing
// or either file does not read as a sector of the backup's model.
std::optional<int> BackupChangeCount(const QString& backupPath, app::UserPrompts& prompts,
                                     app::Translator& translator);

}  // namespace kilnward::transfer
