// kilnward-cli print: the configuration sheet the editor's Profile > "Print..." prints, as a
// PDF file, for a model, the files given, the sections chosen and a language.

#include <QTextStream>

#include <stdexcept>

#include "app/SerialSettings.h"
#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/ListingCommand.h"
#include "documents/MainWindowSession.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "records/ConfigSheet.h"

namespace kilnward::cli {

namespace {

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "kilnward-cli print [--program-dir DIR] [--model ID] [--cfg F] [--fue F] [--hdr F]\n"
        "                   [--law F] [--srv F] [--sections LIST] [--language N] --pdf FILE\n\n"
        "Resets the five documents to their defaults, adapts the window to the model, loads\n"
        "the files given and writes the configuration sheet of the sections chosen to FILE as\n"
        "PDF, replacing it. The sheet names the model, the address, the date, the program\n"
        "version and the technician and company of the settings. LIST is all (the default)\n"
        "or a comma list of general,bargraphs,service,pages,printer,alarms,auxinputs,\n"
        "analogoutputs,timers,fuels. N is the language's column in Language.mdb (0 English,\n"
        "the default).");
    parser.addHelpOption();
}

bool WriteSheet(documents::MainWindowSession& session, const QStringList& lines,
                const QString& out) {
    records::ReportFacts facts = records::ReportFacts::Now(session.window().selectedInstrumentId());
    facts.addr = app::SerialSettings::StoredAddress();
    try {
        records::ConfigSheetDocument(lines, facts, language::LangMan())
            .writePdf(out, language::LangMan());
    } catch (const std::runtime_error& error) {
        CliOutput::error(QString::fromUtf8(error.what()));
        return false;
    }
    return true;
}

}  // namespace

int RunPrint(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    ListingCommand command(QStringLiteral("pdf"), QStringLiteral("The PDF file to write."));
    DocumentOptions::addTo(parser, false);
    command.addTo(parser);
    return command.run(parser, arguments, WriteSheet);
}

}  // namespace kilnward::cli
