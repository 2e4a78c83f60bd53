#include "transfer/BackupCatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

#include "transfer/SectorBackup.h"

namespace kilnward::transfer {

namespace {

bool Newer(const BackupEntry& a, const BackupEntry& b) {
    if (a.time != b.time) {
        return a.time > b.time;
    }
    // Backups of one analyser in one second are numbered in the order they were kept ("_2",
    // ..., "_10"): a longer name is a later one.
    const QString first = QFileInfo(a.path).fileName();
    const QString second = QFileInfo(b.path).fileName();
    if (first.size() != second.size()) {
        return first.size() > second.size();
    }
    return first > second;
}

}  // namespace

bool BackupFilter::accepts(const BackupEntry& entry) const {
    return (!model || *model == entry.model) && (!addr || *addr == entry.addr);
}

BackupCatalogue::BackupCatalogue(QString folder, app::Translator& translator)
    : folder_(std::move(folder)), translator_(translator) {
    reload();
}

void BackupCatalogue::reload() {
    entries_.clear();
    refused_.clear();
    const QDir dir(folder_);
    for (const QString& name : dir.entryList({QStringLiteral("*.kwb")}, QDir::Files, QDir::Name)) {
        QString error;
        const QString path = dir.filePath(name);
        const std::optional<SectorBackup> backup = ReadSectorBackup(path, translator_, error);
        if (!backup) {
            refused_ << error;
            continue;
        }
        entries_.push_back({path, backup->model, backup->addr, backup->time});
    }
    std::sort(entries_.begin(), entries_.end(), Newer);
}

std::vector<BackupEntry> BackupCatalogue::filtered(const BackupFilter& filter) const {
    std::vector<BackupEntry> kept;
    std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(kept),
                 [&filter](const BackupEntry& entry) { return filter.accepts(entry); });
    return kept;
}

bool BackupCatalogue::isNewestOfAnalyser(const BackupEntry& entry) const {
    const BackupFilter analyser{entry.model, entry.addr};
    const auto newest =
        std::find_if(entries_.begin(), entries_.end(),
                     [&analyser](const BackupEntry& e) { return analyser.accepts(e); });
    return newest != entries_.end() && newest->path == entry.path;
}

bool BackupCatalogue::remove(const BackupEntry& entry, QString& error) {
    QFile backup(entry.path);
    if (!backup.remove()) {
        error = QStringLiteral("%1: %2").arg(entry.path, backup.errorString());
        return false;
    }
    // Without their backup the report and the written sector describe nothing one can restore.
    QFile::remove(BackupReportPath(entry.path));
    QFile::remove(WrittenSectorPath(entry.path));
    reload();
    return true;
}

}  // namespace kilnward::transfer
