// kilnward-cli receive: the analyser's configuration into the five documents, as the
// editor's receive command does, saved into a folder.

#include <QTextStream>

#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/TransferCli.h"
#include "documents/MainWindowSession.h"

namespace kilnward::cli {

namespace {

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "kilnward-cli receive --port DEV [--baud B] [--addr N] [--model ID] [--infrared|--cable]\n"
        "                     [--program-dir DIR] --out-dir DIR [--image FILE]\n\n"
        "Resets the five documents to their defaults, receives the analyser's configuration\n"
        "into them and saves them into DIR as configuration.cfg, fuels.fue, header.hdr,\n"
        "law.law and service.srv. --image also writes the 2048-byte sector as received.");
    TransferCli::addOptions(parser, true);
    parser.addOption({"image", "Write the configuration sector as received to FILE.", "FILE"});
}

}  // namespace

int RunReceive(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    TransferCli cli;
    if (auto exitCode = cli.prepare(parser, arguments, false, true)) {
        return *exitCode;
    }
    cli.confirm();
    const int exitCode = cli.finish(cli.commands().mnufileget());
    if (exitCode != kExitOk) {
        return exitCode;
    }
    if (!cli.documentOptions().saveAllReporting(cli.session(), cli.prompts())) {
        return kExitFailure;
    }
    QString error;
    if (parser.isSet("image") &&
        !WriteSectorFile(parser.value("image"), cli.commands().image(), error)) {
        CliOutput::error(error);
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace kilnward::cli
