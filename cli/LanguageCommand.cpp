// kilnward-cli language: the translator's round trip between the language database and the
// translation table as text.

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

#include "app/ProgramFolder.h"
#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "language/TranslationImport.h"
#include "language/TranslationTable.h"

namespace kilnward::cli {

namespace {

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "kilnward-cli language export [--db FILE] --out FILE.tsv\n"
        "kilnward-cli language import FILE.tsv [--db FILE]\n\n"
        "export writes the table \"Languages\" of the language database as tab-separated\n"
        "UTF-8 text (a header row \"Name\" and one column per language, then one row per key;\n"
        "tab, line breaks and backslash escaped as \\t \\n \\r \\\\; an empty cell is no\n"
        "translation). import stores such a file in the database: a row whose number of\n"
        "cells differs from the header's refuses the whole file; keys the database holds\n"
        "and the file lacks are kept unless --remove-missing is given; languages the file\n"
        "lacks keep their texts, and the database's languages keep their order (a language\n"
        "new to it comes last). It reports how many keys were added, changed and removed,\n"
        "and per language how many texts.\n"
        "--db defaults to Language.mdb in the program folder.");
    parser.addHelpOption();
    parser.addOption({"db", "The language database.", "FILE"});
    parser.addOption({"out", "export: the text file to write.", "FILE.tsv"});
    parser.addOption({"remove-missing", "import: remove the keys the file lacks."});
    parser.addPositionalArgument("action", "export or import");
    parser.addPositionalArgument("file", "import: the text file to read", "[FILE.tsv]");
}

QString DatabasePath(const QCommandLineParser& parser) {
    return parser.isSet("db") ? parser.value("db")
                              : app::ProgramFolder::dataFile(QStringLiteral("Language.mdb"));
}

int Fail(const QString& message) {
    QTextStream(stderr) << "kilnward-cli language: " << message << '\n';
    return kExitFailure;
}

int Export(const QCommandLineParser& parser) {
    language::TranslationTable table;
    QString error;
    if (!table.readDatabase(DatabasePath(parser), &error) ||
        !table.writeTsv(parser.value("out"), &error)) {
        return Fail(error);
    }
    CliOutput::printLine(QStringLiteral("exported %1 keys in %2 languages")
                             .arg(table.rows.size())
                             .arg(table.languages.size()));
    return kExitOk;
}

int Import(const QString& source, const QCommandLineParser& parser) {
    language::TranslationTable incoming;
    language::TranslationTable current;
    QString error;
    if (!incoming.readTsv(source, &error)) {
        return Fail(error);
    }
    const QString database = DatabasePath(parser);
    // What the database holds decides what counts as added, changed or removed.
    if (QFileInfo::exists(database) && !current.readDatabase(database, &error)) {
        return Fail(error);
    }
    language::ImportSummary summary;
    const language::TranslationTable merged =
        language::MergeImport(current, incoming, parser.isSet("remove-missing"), summary);
    if (!merged.writeDatabase(database, &error)) {
        return Fail(error);
    }
    CliOutput::printLine(
        QStringLiteral("imported %1 keys in %2 languages: %3 added, %4 changed, %5 removed")
            .arg(incoming.rows.size())
            .arg(incoming.languages.size())
            .arg(summary.added)
            .arg(summary.changed)
            .arg(summary.removed));
    for (const language::LanguageSummary& language : summary.languages) {
        const QString note = language.isNew     ? QStringLiteral(" (new)")
                             : !language.inFile ? QStringLiteral(" (not in the file, kept)")
                                                : QString();
        CliOutput::printLine(QStringLiteral("  %1%2: %3 texts added, %4 changed, %5 removed")
                                 .arg(language.language, note)
                                 .arg(language.added)
                                 .arg(language.changed)
                                 .arg(language.removed));
    }
    if (summary.kept > 0) {
        CliOutput::printLine(
            QStringLiteral("kept %1 keys of the database that %2 lacks (--remove-missing "
                           "removes them)")
                .arg(summary.kept)
                .arg(source));
    }
    return kExitOk;
}

}  // namespace

int RunLanguage(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    if (!parser.parse(QStringList{QStringLiteral("kilnward-cli")} + arguments)) {
        return CliOutput::usageError(parser, parser.errorText());
    }
    if (parser.isSet("help")) {
        QTextStream(stdout) << CliOutput::helpText(parser);
        return kExitOk;
    }
    const QStringList positional = parser.positionalArguments();
    const QString action = positional.value(0);
    if (action == QLatin1String("export") && positional.size() == 1) {
        if (!parser.isSet("out")) {
            return CliOutput::usageError(parser, "export needs --out FILE.tsv");
        }
        return Export(parser);
    }
    if (action == QLatin1String("import") && positional.size() == 2) {
        if (parser.isSet("out")) {
            return CliOutput::usageError(parser, "import takes no --out");
        }
        return Import(positional[1], parser);
    }
    return CliOutput::usageError(parser, action.isEmpty() ? QStringLiteral("export or import?")
                                                          : QStringLiteral("unexpected arguments"));
}

}  // namespace kilnward::cli
