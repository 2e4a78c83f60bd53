#pragma once

#include <QString>
#include <QStringList>

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
// names (each a translated name and its value), what the reader must be warned of, and the
// fields whose value changed.
struct ServiceReport {
    QString title;
    ReportFacts facts;
    std::vector<std::pair<QString, QString>> details;
    QStringList warnings;
    std::vector<documents::FieldDifference> changes;
    // The heading of the values after; empty: "After". Of values not read from the analyser
    // it says so, and `afterNote` says why.
    QString afterHeading;
    QString afterNote;
};

// The report laid out: the head, the details, the warnings, then one row per changed field
// (place, caption, value before and after, document), or the sentence that nothing changed.
RecordDocument ServiceReportDocument(const ServiceReport& report, app::Translator& translator);

// The report of one send or restore: the fields that changed between the sector the analyser
// held (the backup) and the one after the write (WriteRecord::after: read back, or else as
// written and said to be unverified), every document and every field the model stores; how
// far a write that did not end got; of a restore, the backup written back.
ServiceReport WriteReport(const transfer::WriteRecord& record, app::UserPrompts& prompts,
                          app::Translator& translator);
// Writes the report of `record` as PDF beside its backup (the backup's name with ".pdf") and
// returns the path: what TransferSession::setAfterWrite takes. Throws std::runtime_error.
QString KeepServiceReport(const transfer::WriteRecord& record, app::UserPrompts& prompts,
                          app::Translator& translator);

// The report between two backups of one model: what changed from `before` to `after`, each
// backup named with its time and address; backups of two addresses are warned of.
// Throws std::runtime_error when they are backups of different models.
ServiceReport BackupsReport(const transfer::SectorBackup& before, const QString& beforePath,
                            const transfer::SectorBackup& after, const QString& afterPath,
                            app::UserPrompts& prompts, app::Translator& translator);

}  // namespace kilnward::records
