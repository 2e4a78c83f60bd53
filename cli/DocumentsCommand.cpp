// kilnward-cli documents: the five documents as the editor would keep them, for a model and
// the files given, saved into a folder.

#include "app/EnglishTranslator.h"
#include "app/ScriptedPrompts.h"
#include "cli/CliCommand.h"
#include "cli/DocumentOptions.h"
#include "documents/MainWindowSession.h"

namespace kilnward::cli {

namespace {

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "kilnward-cli documents [--program-dir DIR] [--model ID] [--cfg F] [--fue F] [--hdr F]\n"
        "                       [--law F] [--srv F] --out-dir DIR\n\n"
        "Resets the five documents to their defaults, adapts the window to the model, loads\n"
        "the files given and saves all five into DIR as configuration.cfg, fuels.fue,\n"
        "header.hdr, law.law and service.srv.");
    parser.addHelpOption();
    DocumentOptions::addTo(parser, true);
}

}  // namespace

int RunDocuments(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    DocumentOptions options;
    if (auto exitCode = options.parse(parser, arguments, true)) {
        return *exitCode;
    }
    app::ScriptedPrompts prompts;
    app::EnglishTranslator translator;
    auto session = options.openSession(prompts, translator);
    if (!options.loadGivenFilesReporting(*session, prompts)) {
        return kExitFailure;
    }
    if (!options.saveAllReporting(*session, prompts)) {
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace kilnward::cli
