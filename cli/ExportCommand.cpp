// kilnward-cli export: the configuration listing the editor's "Save config as Text file"
// writes, for a model, the files given, the sections chosen and a language.

#include <QTextStream>

#include "cli/CliCommand.h"
#include "cli/ListingCommand.h"
#include "textexport/ConfigTextExport.h"

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
}

}  // namespace

int RunExport(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    ListingCommand command(QStringLiteral("out"), QStringLiteral("The text file to write."));
    DocumentOptions::addTo(parser, false);
    command.addTo(parser);
    return command.run(
        parser, arguments,
        [](documents::MainWindowSession&, const QStringList& lines, const QString& out) {
            if (!textexport::WriteListing(out, lines)) {
                QTextStream(stderr) << "kilnward-cli: cannot write " << out << '\n';
                return false;
            }
            return true;
        });
}

}  // namespace kilnward::cli
