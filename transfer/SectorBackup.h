#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

#include "wirelink/ByteBuffer.h"

namespace kilnward::app {
class Translator;
}

namespace kilnward::transfer {

// A configuration sector as an analyser held it before a send overwrote it, with where it
// came from. Kept as one file per send: a short text header (model, address, program
// version, time), a blank line, then the sector's bytes exactly as read.
struct SectorBackup {
    std::uint8_t model = 0;
    std::uint8_t addr = 0;
    QString version;
    QDateTime time;
    wirelink::ByteBuffer sector;
    // The file it was read from (ReadSectorBackup); empty for one not read from a file.
    QString path;
};

// Where backups go: "kilnward/backups" in the user's data folder ($XDG_DATA_HOME, by default
// ~/.local/share, on Linux).
QString BackupFolder();

// Writes `backup` into `folder` (made when missing) under a new name made of the model, the
// address, the date and the time; a file already there is never replaced. Written through a
// temporary file, so a failed write (no rights, disk full) leaves no partial backup. Returns
// the path; throws std::runtime_error, with the translated reason, when it could not be kept.
QString WriteSectorBackup(const SectorBackup& backup, const QString& folder,
                          app::Translator& translator);

// Reads a backup file without trusting it: no more than a backup's size is read, and the
// header must hold every entry once with a valid value and be followed by a whole sector.
// Nullopt with the translated reason otherwise.
std::optional<SectorBackup> ReadSectorBackup(const QString& path, app::Translator& translator,
                                             QString& error);

// The model's name as the program knows it ("model 99" for a model it has no driver for).
QString BackupModelName(std::uint8_t model);

// Why `backup` must not be written into an analyser of `model` (another model's sector would
// put every field in the wrong place); empty when it may.
QString RestoreRefusal(const SectorBackup& backup, std::uint8_t model, app::Translator& translator);
// The question before a restore, naming the backup's model, address and time.
QString RestoreQuestion(const SectorBackup& backup, app::Translator& translator);
// The same, for a restore into the analyser at `analyserAddr`: a backup of another address
// is named as such ("backup of address 7 into the analyser at address 0").
QString RestoreQuestion(const SectorBackup& backup, std::uint8_t analyserAddr,
                        app::Translator& translator);
// Why `backup` is not restored into the analyser at `analyserAddr` without being asked for
// explicitly; empty when it was taken there.
QString RestoreAddressMismatch(const SectorBackup& backup, std::uint8_t analyserAddr,
                               app::Translator& translator);

}  // namespace kilnward::transfer
