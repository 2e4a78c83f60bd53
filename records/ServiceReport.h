#pragma once

#include <QString>

#include <vector>

#include "documents/FieldDifferences.h"
#include "records/RecordDocument.h"
#include "records/ReportFacts.h"

namespace kilnward::app {
class Translator;
class UserPrompts;
}  // namespace kilnward::app
namespace kilnward::transfer {
struct SectorBackup;
struct WriteRecord;
}  // namespace kilnward::transfer

namespace kilnward::records {

// What a service report says: its title, who, what and when, the files and the check it
// names (each a translated name and its value), and the fields whose value changed.
struct ServiceReport {
    QString title;
    ReportFacts facts;
    std::vector<std::pair<QString, QString>> details;
    std::vector<documents::FieldDifference> changes;
};

// The report laid out: the head, the details, then one row per changed field (place, caption,
// value before and after, document), or the sentence that nothing changed.
RecordDocument ServiceReportDocument(const ServiceReport& report, app::Translator& translator);

// The report of one send or restore: the fields that changed between the sector the analyser
// held (the backup) and the one written, every document and every field the model stores.
ServiceReport WriteReport(const transfer::WriteRecord& record, app::UserPrompts& prompts,
                          app::Translator& translator);
// Writes the report of `record` as PDF beside its backup (the backup's name with ".pdf") and
// returns the path: what TransferSession::setAfterWrite takes. Throws std::runtime_error.
QString KeepServiceReport(const transfer::WriteRecord& record, app::UserPrompts& prompts,
                          app::Translator& translator);

// The report between two backups of one model: what changed from `before` to `after`.
// Throws std::runtime_error when they are backups of different models.
ServiceReport BackupsReport(const transfer::SectorBackup& before, const QString& beforePath,
                            const transfer::SectorBackup& after, const QString& afterPath,
                            app::UserPrompts& prompts, app::Translator& translator);

}  // namespace kilnward::records
