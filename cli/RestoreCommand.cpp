// kilnward-cli restore: a backup kept before a send written back into the analyser, as the
// editor's "Restore analyser from backup..." does.

#include <QTextStream>

#include <unistd.h>
#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/TransferCli.h"
#include "documents/MainWindowSession.h"
#include "drivers/InstrumentDriver.h"
#include "transfer/SectorBackup.h"

namespace kilnward::cli {

namespace {

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "kilnward-cli restore --image FILE --port DEV [--baud B] [--addr N] [--model ID]\n"
        "                     [--infrared|--cable] [--program-dir DIR] [--yes] [--no-verify]\n"
        "                     [--other-address]\n\n"
        "Writes a backup that a send kept (in ~/.local/share/kilnward/backups) back into the\n"
        "analyser, as a send writes, after asking on the terminal; --yes answers for scripts.\n"
        "A backup of another model than --model is refused, and so is a backup taken at\n"
        "another address than --addr unless --other-address is given. The analyser's\n"
        "configuration is itself kept as a backup first, and read back and checked at the end\n"
        "unless --no-verify is given.");
    TransferCli::addOptions(parser, false);
    TransferCli::addVerifyOption(parser);
    parser.addOption({"image", "The backup file to write back.", "FILE"});
    parser.addOption({"yes", "Restore without asking (for scripts)."});
    parser.addOption({"other-address",
                      "Restore a backup taken at another address into the analyser at --addr."});
}

void PrintError(const QString& message) {
    CliOutput::error(message);
}

// The question asked on the terminal; true for an answer of yes.
bool AskOnTerminal(const QString& question) {
    QTextStream(stderr) << question << "? [y/N] " << Qt::flush;
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
}

}  // namespace

int RunRestore(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    TransferCli cli;
    if (auto exitCode = cli.prepare(parser, arguments, false, false)) {
        return *exitCode;
    }
    if (parser.value("image").isEmpty()) {
        return CliOutput::usageError(parser, QStringLiteral("--image is required"));
    }
    app::Translator& translator = cli.session().messageBoxes().translator();
    QString error;
    const std::optional<transfer::SectorBackup> backup =
        transfer::ReadSectorBackup(parser.value("image"), translator, error);
    if (!backup) {
        PrintError(error);
        return kExitFailure;
    }
    const drivers::InstrumentDriver* driver = cli.session().window().currentDriver();
    const QString refusal = transfer::RestoreRefusal(*backup, driver->Instrument_ID(), translator);
    if (!refusal.isEmpty()) {
        PrintError(refusal);
        return kExitFailure;
    }
    const QString otherAddress =
        transfer::RestoreAddressMismatch(*backup, cli.address(), translator);
    if (!otherAddress.isEmpty()) {
        if (!parser.isSet("other-address")) {
            PrintError(otherAddress +
                       QStringLiteral(": give --other-address to restore it there all the same."));
            return kExitFailure;
        }
        // Allowed, and still worth a word: the backup may be of another analyser.
        CliOutput::warning(otherAddress);
    }
    if (!parser.isSet("yes")) {
        const QString question = transfer::RestoreQuestion(*backup, cli.address(), translator);
        if (isatty(fileno(stdin)) == 0) {
            PrintError(question + QStringLiteral("? Not asked without a terminal: give --yes to "
                                                 "restore from a script."));
            return kExitFailure;
        }
        if (!AskOnTerminal(question)) {
            PrintError(QStringLiteral("nothing restored."));
            return kExitFailure;
        }
    }
    cli.confirm();
    return cli.finish(cli.commands().mnurestore(*backup));
}

}  // namespace kilnward::cli
