// kilnward-cli decode: a configuration sector file taken apart as a receive would, into the
// five documents.

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
        "kilnward-cli decode --model ID --image FILE --out-dir DIR [--program-dir DIR]\n\n"
        "Resets the five documents to their defaults, puts the configuration of the sector\n"
        "FILE into them as a receive would and saves them into DIR.");
    parser.addHelpOption();
    DocumentOptions::addTo(parser, true);
    parser.addOption({"image", "Configuration sector to decode (2048 bytes).", "FILE"});
}

}  // namespace

int RunDecode(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    DocumentOptions options;
    if (auto exitCode = options.parse(parser, arguments, true)) {
        return *exitCode;
    }
    if (!options.model || !parser.isSet("image")) {
        return CliOutput::usageError(parser, QStringLiteral("--model and --image are required"));
    }
    for (const QString& input : options.inputs) {
        if (!input.isEmpty()) {
            return CliOutput::usageError(parser, QStringLiteral("decode takes no document files"));
        }
    }
    app::ScriptedPrompts prompts;
    app::EnglishTranslator translator;
    auto session = options.openSession(prompts, translator);
    drivers::InstrumentDriver& driver = *session->window().currentDriver();
    QString error;
    const auto image = ReadSectorFile(parser.value("image"), driver.Configsector_size(), error);
    if (!image) {
        CliOutput::error(error);
        return kExitFailure;
    }
    try {
        transfer::DecodeConfigSector(*image, session->window().form(), driver);
    } catch (const std::exception& failure) {
        CliOutput::error(QString::fromUtf8(failure.what()));
        return kExitFailure;
    }
    if (!options.saveAllReporting(*session, prompts)) {
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace kilnward::cli
