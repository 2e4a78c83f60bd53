#include "records/ServiceReport.h"

#include <QFileInfo>

#include <stdexcept>

#include "records/RecordTexts.h"
#include "transfer/SectorBackup.h"
#include "transfer/SectorChanges.h"
#include "transfer/WriteRecord.h"

namespace kilnward::records {

namespace {

QString VerifyText(const transfer::WriteRecord& record, app::Translator& translator) {
    switch (record.verify) {
        case transfer::VerifyOutcome::Kept:
            return kVerifyKeptText.translated(translator);
        case transfer::VerifyOutcome::Differs:
            return kVerifyDiffersText.translated(translator, {record.verifyDetail});
        case transfer::VerifyOutcome::CheckFailed:
            return kVerifyFailedText.translated(translator, {record.verifyDetail});
        case transfer::VerifyOutcome::NotChecked:
            break;
    }
    return kVerifyOffText.translated(translator);
}

QString FileName(const QString& path) {
    return QFileInfo(path).fileName();
}

}  // namespace

RecordDocument ServiceReportDocument(const ServiceReport& report, app::Translator& translator) {
    RecordDocument document(report.title);
    auto rows = FactRows(report.facts, translator);
    rows.insert(rows.end(), report.details.begin(), report.details.end());
    document.facts(rows);
    if (report.changes.empty()) {
        document.heading(kNoChangesText.translated(translator));
        return document;
    }
    document.heading(kChangesText.translated(translator, {QString::number(report.changes.size())}));
    std::vector<QStringList> lines;
    for (const documents::FieldDifference& change : report.changes) {
        lines.push_back(
            {change.place, change.caption, change.before, change.after, change.documentName});
    }
    document.table({kPlaceText.translated(translator), kFieldText.translated(translator),
                    kBeforeText.translated(translator), kAfterText.translated(translator),
                    kDocumentText.translated(translator)},
                   lines, {20, 20, 23, 23, 14});
    return document;
}

ServiceReport WriteReport(const transfer::WriteRecord& record, app::UserPrompts& prompts,
                          app::Translator& translator) {
    ServiceReport report;
    report.title =
        (record.kind == transfer::TransferKind::Restore ? kReportRestoreTitle : kReportSendTitle)
            .translated(translator);
    report.facts = ReportFacts::Now(record.model);
    report.facts.time = record.time;
    report.facts.addr = record.addr;
    report.facts.port = record.port;
    report.details = {{kBackupText.translated(translator), FileName(record.backupPath)},
                      {kVerifyText.translated(translator), VerifyText(record, translator)}};
    report.changes =
        transfer::SectorChanges(record.before, record.written, record.model, prompts, translator);
    return report;
}

QString KeepServiceReport(const transfer::WriteRecord& record, app::UserPrompts& prompts,
                          app::Translator& translator) {
    const QString path = transfer::BackupReportPath(record.backupPath);
    ServiceReportDocument(WriteReport(record, prompts, translator), translator)
        .writePdf(path, translator);
    return path;
}

ServiceReport BackupsReport(const transfer::SectorBackup& before, const QString& beforePath,
                            const transfer::SectorBackup& after, const QString& afterPath,
                            app::UserPrompts& prompts, app::Translator& translator) {
    if (before.model != after.model) {
        throw std::runtime_error(
            kOtherModelsText
                .translated(translator, {transfer::BackupModelName(before.model),
                                         transfer::BackupModelName(after.model)})
                .toStdString());
    }
    ServiceReport report;
    report.title = kReportBetweenTitle.translated(translator);
    report.facts = ReportFacts::Now(after.model);
    report.facts.addr = after.addr;
    report.details = {
        {kBeforeFileText.translated(translator),
         FileName(beforePath) + QStringLiteral(" (") + TimeWithOffset(before.time) + u')'},
        {kAfterFileText.translated(translator),
         FileName(afterPath) + QStringLiteral(" (") + TimeWithOffset(after.time) + u')'}};
    report.changes =
        transfer::SectorChanges(before.sector, after.sector, after.model, prompts, translator);
    return report;
}

}  // namespace kilnward::records
