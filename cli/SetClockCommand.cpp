// kilnward-cli set-clock: the analyser's clock set to the computer's time, as the editor's
// set-clock command does.

#include "cli/CliCommand.h"
#include "cli/TransferCli.h"

namespace kilnward::cli {

namespace {

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "kilnward-cli set-clock --port DEV [--baud B] [--addr N] [--model ID]\n"
        "                       [--infrared|--cable] [--program-dir DIR]\n\n"
        "Sets the analyser's clock to the computer's date and time.");
    TransferCli::addOptions(parser, false);
}

}  // namespace

int RunSetClock(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    TransferCli cli;
    if (auto exitCode = cli.prepare(parser, arguments, false, false)) {
        return *exitCode;
    }
    cli.confirm();
    return cli.finish(cli.commands().mnuconfiguresetclock());
}

}  // namespace kilnward::cli
