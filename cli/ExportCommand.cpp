// kilnward-cli export: the configuration listing the editor's "Save config as Text file"
// writes, for a model, the files given, the sections chosen and a language.

#include <QFileInfo>
#include <QTextStream>

#include "app/ProgramFolder.h"
#include "app/ScriptedPrompts.h"
#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/DocumentOptions.h"
#include "documents/MainWindowSession.h"
#include "editor/export/ConfigTextExport.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"

namespace kilnward::cli {

namespace {

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "kilnward-cli export [--program-dir DIR] [--model ID] [--cfg F] [--fue F] [--hdr F]\n"
        "                    [--law F] [--srv F] [--sections LIST] [--language N] --out FILE\n\n"
        "Resets the five documents to their defaults, adapts the window to the model, loads\n"
        "the files given and writes the configuration listing to FILE, replacing it. LIST is\n"
        "all (the default) or a comma list of general,bargraphs,service,pages,printer,alarms,\n"
        "auxinputs,analogoutputs,timers,fuels. N is the language's column in Language.mdb\n"
        "(0 English, the default). Numbers are written in the user's locale.");
    parser.addHelpOption();
    DocumentOptions::addTo(parser, false);
    parser.addOption({"sections", "Sections to list: all or a comma list.", "LIST", "all"});
    parser.addOption({"language", "Language number of the captions.", "N", "0"});
    parser.addOption({"out", "The text file to write.", "FILE"});
}

struct ExportOptions {
    editor::ExportSelection selection{};
    int language = 0;
    QString out;
};

bool ReadExportOptions(const QCommandLineParser& parser, ExportOptions& options, QString& error) {
    const auto selection = editor::ParseExportSections(parser.value("sections"), error);
    if (!selection) {
        error = QStringLiteral("--sections: ") + error;
        return false;
    }
    options.selection = *selection;
    bool ok = false;
    options.language = parser.value("language").toInt(&ok);
    if (!ok || options.language < 0) {
        error =
            QStringLiteral("--language: not a language number '%1'").arg(parser.value("language"));
        return false;
    }
    options.out = parser.value("out");
    if (options.out.isEmpty()) {
        error = QStringLiteral("--out is required");
        return false;
    }
    return true;
}

// The language manager on the program's database with language `index` selected; false with
// a message when that language does not exist.
bool SelectLanguage(int index, const QCommandLineParser& parser, app::ScriptedPrompts& prompts,
                    std::optional<int>& exitCode) {
    language::LanguageManager& manager = language::InitLangMan(prompts);
    const QString database = app::ProgramFolder::dataFile(QStringLiteral("Language.mdb"));
    // Without a database the captions stay English, which is language 0.
    const bool opened =
        QFileInfo::exists(database) && manager.OpenLanguageDataBase(database, false);
    if (index == 0) {
        return true;
    }
    if (!opened || index >= manager.LanguageCount()) {
        exitCode = CliOutput::usageError(
            parser, QStringLiteral("--language: no language %1 in %2").arg(index).arg(database));
        return false;
    }
    manager.SetLanguageIndex(index);
    return true;
}

int Export(const QCommandLineParser& parser, const DocumentOptions& documents,
           const ExportOptions& options) {
    app::ScriptedPrompts prompts;
    if (documents.programDir) {
        app::ProgramFolder::set(*documents.programDir);
    }
    std::optional<int> exitCode;
    if (!SelectLanguage(options.language, parser, prompts, exitCode)) {
        return *exitCode;
    }
    auto session = documents.openSession(prompts, language::LangMan());
    prompts.clear();
    if (!documents.loadGivenFilesReporting(*session, prompts)) {
        return kExitFailure;
    }
    const editor::ConfigTextExport exporter(
        session->window().form(),
        session->commands().DocumentDisplayName(documents::kFuelsDocument));
    QStringList lines = editor::ConfigTextExport::NewListing();
    exporter.writeSelected(options.selection, lines);
    if (!editor::WriteListing(options.out, lines)) {
        QTextStream(stderr) << "kilnward-cli: cannot write " << options.out << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace

int RunExport(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    DocumentOptions documents;
    if (auto exitCode = documents.parse(parser, arguments, false)) {
        return *exitCode;
    }
    ExportOptions options;
    QString error;
    if (!ReadExportOptions(parser, options, error)) {
        return CliOutput::usageError(parser, error);
    }
    const int exitCode = Export(parser, documents, options);
    language::ReleaseLangMan();
    return exitCode;
}

}  // namespace kilnward::cli
