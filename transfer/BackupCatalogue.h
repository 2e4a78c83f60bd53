#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// The paths of the files kept beside a backup (BackupReportPath, WrittenSectorPath).
#include "transfer/WriteRecord.h"

namespace kilnward::app {
class Translator;
}

namespace kilnward::transfer {

// One backup file of the backups folder, as its header names it.
struct BackupEntry {
    QString path;
    std::uint8_t model = 0;
    std::uint8_t addr = 0;
    QDateTime time;
};

// Which backups a listing keeps: those of one model, of one address, or both.
struct BackupFilter {
    std::optional<std::uint8_t> model;
    std::optional<std::uint8_t> addr;

    bool accepts(const BackupEntry& entry) const;
};

// The backups of a folder, newest first (equal times by file name, the later name first).
// Every ".kwb" file is read as a backup; one that is no backup is left out of the list and
// its reason kept in `refused()`, so one damaged file never hides the others.
class BackupCatalogue {
  public:
    BackupCatalogue(QString folder, app::Translator& translator);

    // Reads the folder again.
    void reload();

    const QString& folder() const { return folder_; }
    const std::vector<BackupEntry>& entries() const { return entries_; }
    std::vector<BackupEntry> filtered(const BackupFilter& filter) const;
    const QStringList& refused() const { return refused_; }

    // Whether `entry` is the latest backup of its analyser (model and address): what it holds
    // is the analyser's state before its last write, which no other backup keeps.
    bool isNewestOfAnalyser(const BackupEntry& entry) const;

    // Deletes the backup and the files kept beside it, then reads the folder again. False,
    // with the reason in `error`, when the backup itself could not be deleted.
    bool remove(const BackupEntry& entry, QString& error);

  private:
    QString folder_;
    app::Translator& translator_;
    std::vector<BackupEntry> entries_;
    QStringList refused_;
};

}  // namespace kilnward::transfer
