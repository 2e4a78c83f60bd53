#include "records/ServiceReport.h"

#include <QFileInfo>

#include <stdexcept>

#include "records/RecordTexts.h"
#include "transfer/ReadBackVerify.h"
#include "transfer/SectorBackup.h"
#include "transfer/SectorChanges.h"
#include "transfer/WriteRecord.h"

namespace kilnward::records {

namespace {

// In the report's language, whatever the language of the transfer: the fields the analyser
// did not keep named from the bytes, the reason the check failed from its translation key.
QString VerifyText(const transfer::WriteRecord& record, app::UserPrompts& prompts,
                   app::Translator& translator) {
    switch (record.verify) {
        case transfer::VerifyOutcome::Kept:
            return kVerifyKeptText.translated(translator);
        case transfer::VerifyOutcome::Differs:
            return kVerifyDiffersText.translated(
                translator, {transfer::ReadBackDifferences(record.written, record.readBack,
                                                           record.model, prompts, translator)
                                 .join(QStringLiteral("; "))});
        case transfer::VerifyOutcome::CheckFailed:
            return kVerifyFailedText.translated(translator, {record.verifyError.in(translator)});
        case transfer::VerifyOutcome::NotChecked:
            break;
    }
    return kVerifyOffText.translated(translator);
}

QString FileName(const QString& path) {
    return QFileInfo(path).fileName();
}

QString BackupAt(const QString& path, const QDateTime& time, std::uint8_t addr,
                 app::Translator& translator) {
    return kBackupAtText.translated(translator,
                                    {FileName(path), TimeWithOffset(time), QString::number(addr)});
}

QString WriteText(const transfer::WriteRecord& record, app::Translator& translator) {
    if (record.complete) {
        return kWriteDoneText.translated(translator);
    }
    if (record.blocksWritten == 0) {
        return kWriteNoneText.translated(translator, {QString::number(record.blocks)});
    }
    return kWriteCutText.translated(
        translator, {QString::number(record.blocksWritten), QString::number(record.blocks),
                     QString::number(record.writtenEnd - 1)});
}

// Why the values after were not read from the analyser; empty when they were.
QString UnverifiedNote(const transfer::WriteRecord& record, app::Translator& translator) {
    if (!record.complete) {
        return kUnverifiedCutText.translated(translator);
    }
    if (record.afterReadBack()) {
        return QString();
    }
    return (record.verify == transfer::VerifyOutcome::CheckFailed ? kUnverifiedFailedText
                                                                  : kUnverifiedOffText)
        .translated(translator);
}

// Configurations of two addresses where one analyser's were expected: the reader is warned
// that they may be of two analysers.
void WarnOfTwoAddresses(ServiceReport& report, const Text& warning, std::uint8_t first,
                        std::uint8_t second, app::Translator& translator) {
    if (first != second) {
        report.warnings << warning.translated(translator,
                                              {QString::number(first), QString::number(second)});
    }
}

}  // namespace

RecordDocument ServiceReportDocument(const ServiceReport& report, app::Translator& translator) {
    RecordDocument document(report.title);
    auto rows = FactRows(report.facts, translator);
    rows.insert(rows.end(), report.details.begin(), report.details.end());
    document.facts(rows);
    for (const QString& warning : report.warnings) {
        document.paragraph(warning);
    }
    if (report.changes.empty()) {
        document.heading(kNoChangesText.translated(translator));
        return document;
    }
    document.heading(kChangesText.translated(translator, {QString::number(report.changes.size())}));
    if (!report.afterNote.isEmpty()) {
        document.paragraph(report.afterNote);
    }
    std::vector<QStringList> lines;
    for (const documents::FieldDifference& change : report.changes) {
        lines.push_back(
            {change.place, change.caption, change.before, change.after, change.documentName});
    }
    document.table(
        {kPlaceText.translated(translator), kFieldText.translated(translator),
         kBeforeText.translated(translator),
         report.afterHeading.isEmpty() ? kAfterText.translated(translator) : report.afterHeading,
         kDocumentText.translated(translator)},
        lines);
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
    if (record.restored) {
        report.details.emplace_back(kRestoredText.translated(translator),
                                    BackupAt(record.restored->path, record.restored->time,
                                             record.restored->addr, translator));
        WarnOfTwoAddresses(report, kRestoredOtherAddressText, record.restored->addr, record.addr,
                           translator);
    }
    report.details.emplace_back(kBackupText.translated(translator), FileName(record.backupPath));
    report.details.emplace_back(kWriteText.translated(translator), WriteText(record, translator));
    report.details.emplace_back(kVerifyText.translated(translator),
                                VerifyText(record, prompts, translator));
    report.afterNote = UnverifiedNote(record, translator);
    if (!report.afterNote.isEmpty()) {
        report.afterHeading = kAfterUnverifiedText.translated(translator);
    }
    report.changes =
        transfer::SectorChanges(record.before, record.after(), record.model, prompts, translator);
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
    report.details = {{kBeforeFileText.translated(translator),
                       BackupAt(beforePath, before.time, before.addr, translator)},
                      {kAfterFileText.translated(translator),
                       BackupAt(afterPath, after.time, after.addr, translator)}};
    if (before.addr == after.addr) {
        report.facts.addr = after.addr;
    }
    // Not one analyser's address: each backup's is named above.
    WarnOfTwoAddresses(report, kOtherAddressesText, before.addr, after.addr, translator);
    report.changes =
        transfer::SectorChanges(before.sector, after.sector, after.model, prompts, translator);
    return report;
}

}  // namespace kilnward::records
