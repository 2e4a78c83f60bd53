// kilnward-cli report: the service report between two backups of one analyser model, as
// PDF: the fields whose value differs from the first backup to the second.

#include <QTextStream>

#include <optional>
#include <stdexcept>

#include "app/Catalogue.h"
#include "app/ProgramFolder.h"
#include "app/ScriptedPrompts.h"
#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/LanguageOption.h"
#include "cli/ProgramDirOption.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "records/ServiceReport.h"
#include "transfer/SectorBackup.h"

namespace kilnward::cli {

namespace {

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "kilnward-cli report --before FILE --after FILE --pdf OUT [--program-dir DIR]\n"
        "                    [--language N]\n\n"
        "Writes to OUT, as PDF, the report of what changed between two backups of one\n"
        "analyser model (as a send keeps them, in ~/.local/share/kilnward/backups): every\n"
        "field whose value differs, with its place, caption, both values and document.\n"
        "Backups of two models are refused. N is the language's column in Language.mdb (0\n"
        "English); without --language, the report is in the language the settings keep, as\n"
        "the reports of send and restore are.");
    parser.addHelpOption();
    parser.addOption({"before", "The earlier backup.", "FILE"});
    parser.addOption({"after", "The later backup.", "FILE"});
    parser.addOption({"pdf", "The PDF file to write.", "OUT"});
    ProgramDirOption::addTo(parser);
    LanguageOption::addTo(parser);
}

int Fail(const QString& message) {
    CliOutput::error(message);
    return kExitFailure;
}

int Report(const QCommandLineParser& parser, const std::optional<QString>& programDir,
           const LanguageOption& language) {
    app::ScriptedPrompts prompts;
    if (programDir) {
        app::ProgramFolder::set(*programDir);
    }
    std::optional<int> exitCode;
    if (!language.select(parser, prompts, exitCode)) {
        return *exitCode;
    }
    app::Translator& translator = language::LangMan();
    QString error;
    const auto before = transfer::ReadSectorBackup(parser.value("before"), translator, error);
    if (!before) {
        return Fail(error);
    }
    const auto after = transfer::ReadSectorBackup(parser.value("after"), translator, error);
    if (!after) {
        return Fail(error);
    }
    if (before->addr != after->addr) {
        CliOutput::warning(QStringLiteral("the backups are of two addresses (%1 and %2)")
                               .arg(before->addr)
                               .arg(after->addr));
    }
    app::LoadParameterCatalogue(translator);
    app::LoadInstrumentList();
    try {
        const records::ServiceReport report = records::BackupsReport(
            *before, parser.value("before"), *after, parser.value("after"), prompts, translator);
        records::ServiceReportDocument(report, translator)
            .writePdf(parser.value("pdf"), translator);
    } catch (const std::runtime_error& failure) {
        return Fail(QString::fromStdString(failure.what()));
    }
    return kExitOk;
}

}  // namespace

int RunReport(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    if (auto exitCode = CliOutput::parse(parser, arguments)) {
        return *exitCode;
    }
    for (const char* required : {"before", "after", "pdf"}) {
        if (parser.value(QLatin1String(required)).isEmpty()) {
            return CliOutput::usageError(
                parser, QStringLiteral("--%1 is required").arg(QLatin1String(required)));
        }
    }
    LanguageOption language;
    language.followsSettings = true;
    std::optional<QString> programDir;
    QString error;
    if (!language.read(parser, error) || !ProgramDirOption::read(parser, programDir, error)) {
        return CliOutput::usageError(parser, error);
    }
    const int exitCode = Report(parser, programDir, language);
    language::ReleaseLangMan();
    return exitCode;
}

}  // namespace kilnward::cli
