// kilnward-cli encode: the documents given put into a configuration sector file as the
// second phase of a send would, over a base sector.

#include <QTextStream>

#include <exception>

#include "app/EnglishTranslator.h"
#include "app/ScriptedPrompts.h"
#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/DocumentOptions.h"
#include "cli/TransferCli.h"
#include "documents/MainWindowSession.h"
#include "drivers/InstrumentDriver.h"
#include "transfer/SectorMap.h"

namespace kilnward::cli {

namespace {

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "kilnward-cli encode --model ID --base FILE --out FILE [--program-dir DIR]\n"
        "                    [--cfg F] [--fue F] [--hdr F] [--law F] [--srv F]\n\n"
        "Loads the documents given over the defaults and puts them into the sector read from\n"
        "--base, as a send would before writing it; the result goes to --out.");
    parser.addHelpOption();
    DocumentOptions::addTo(parser, false);
    parser.addOption(
        {"base", "Configuration sector the fields are put into (2048 bytes).", "FILE"});
    parser.addOption({"out", "Where to write the encoded sector.", "FILE"});
}

}  // namespace

int RunEncode(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    DocumentOptions options;
    if (auto exitCode = options.parse(parser, arguments, false)) {
        return *exitCode;
    }
    if (!options.model || !parser.isSet("base") || !parser.isSet("out")) {
        return CliOutput::usageError(parser,
                                     QStringLiteral("--model, --base and --out are required"));
    }
    app::ScriptedPrompts prompts;
    app::EnglishTranslator translator;
    auto session = options.openSession(prompts, translator);
    prompts.clear();
    if (!options.loadGivenFilesReporting(*session, prompts)) {
        return kExitFailure;
    }
    drivers::InstrumentDriver& driver = *session->window().currentDriver();
    QString error;
    auto image = ReadSectorFile(parser.value("base"), driver.Configsector_size(), error);
    if (!image) {
        CliOutput::error(error);
        return kExitFailure;
    }
    try {
        transfer::EncodeConfigSector(session->window().form(), driver, *image);
    } catch (const std::exception& failure) {
        CliOutput::error(QString::fromUtf8(failure.what()));
        return kExitFailure;
    }
    if (!WriteSectorFile(parser.value("out"), *image, error)) {
        CliOutput::error(error);
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace kilnward::cli
