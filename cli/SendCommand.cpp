// kilnward-cli send: the documents given, loaded over the defaults, sent to the analyser as
// the editor's send command does (which also sets the analyser's clock).

#include "cli/CliCommand.h"
#include "cli/TransferCli.h"
#include "documents/MainWindowSession.h"

namespace kilnward::cli {

namespace {

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "kilnward-cli send --port DEV [--baud B] [--addr N] [--model ID] [--infrared|--cable]\n"
        "                  [--program-dir DIR] [--cfg F] [--fue F] [--hdr F] [--law F] [--srv "
        "F]\n"
        "                  [--no-verify]\n\n"
        "Loads the documents given over the defaults and sends the configuration to the\n"
        "analyser; the analyser's clock is set to the computer's time as well. Before writing,\n"
        "the analyser's configuration is kept as a backup file (see restore); after the send\n"
        "it is read back and checked, unless --no-verify is given.");
    TransferCli::addOptions(parser, false);
    TransferCli::addVerifyOption(parser);
}

}  // namespace

int RunSend(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    TransferCli cli;
    if (auto exitCode = cli.prepare(parser, arguments, true, false)) {
        return *exitCode;
    }
    if (!cli.documentOptions().loadGivenFilesReporting(cli.session(), cli.prompts())) {
        return kExitFailure;
    }
    cli.prompts().clear();
    cli.confirm();
    return cli.finish(cli.commands().mnufilesend());
}

}  // namespace kilnward::cli
