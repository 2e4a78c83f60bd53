// kilnward-cli diff: the documents given (over the defaults) against the analyser's
// configuration or against other document files, field by field.

#include <QDir>
#include <QTextStream>

#include <array>
#include <exception>
#include <memory>

#include "app/EnglishTranslator.h"
#include "app/ScriptedPrompts.h"
#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/DocumentOptions.h"
#include "cli/TransferCli.h"
#include "documents/MainWindowSession.h"
#include "documents/SessionComparison.h"
#include "transfer/SectorChanges.h"

namespace kilnward::cli {

namespace {

// As diff(1): 0 equal, 1 different, 2 when the comparison could not be made.
constexpr int kExitEqual = 0;
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

const std::array<QString, documents::kDocumentCount> kAgainstOptions = {
    QStringLiteral("against-cfg"), QStringLiteral("against-fue"), QStringLiteral("against-hdr"),
    QStringLiteral("against-law"), QStringLiteral("against-srv")};
const QString kAgainstDir = QStringLiteral("against-dir");

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "kilnward-cli diff [--program-dir DIR] [--model ID] [--cfg F] [--fue F] [--hdr F]\n"
        "                  [--law F] [--srv F]\n"
        "                  (--port DEV [--baud B] [--addr N] [--infrared|--cable]\n"
        "                   | --against-dir DIR | [--against-cfg F] [--against-fue F]\n"
        "                     [--against-hdr F] [--against-law F] [--against-srv F])\n\n"
        "Compares the documents given (loaded over the defaults) with the analyser's\n"
        "configuration (--port: received into a scratch window, nothing is changed), or with\n"
        "other document files: --against-cfg and the like, or --against-dir DIR holding the\n"
        "five files a receive --out-dir writes. Against the analyser, the documents are taken\n"
        "as a send would leave them: what the model does not keep is no difference. Against\n"
        "files, only their documents are compared. One line per differing field on stdout:\n"
        "its page and caption, the value in the documents, the other value and the document,\n"
        "separated by tabs. The receive's status lines go to stderr. Exit status: 0 equal, 1\n"
        "different, 2 trouble (usage, a refused file, a failed receive).");
    TransferCli::addOptions(parser, false);
    const char* kinds[] = {"configuration", "fuels", "header", "law", "service"};
    for (int d = 0; d < documents::kDocumentCount; ++d) {
        parser.addOption({kAgainstOptions[static_cast<size_t>(d)],
                          QStringLiteral("%1 document to compare with.").arg(kinds[d]), "F"});
    }
    parser.addOption({kAgainstDir,
                      "Folder with the five documents to compare with (as receive writes).",
                      "DIR"});
}

// The files --against-* name, in document order; empty when none is given.
std::vector<documents::DocumentFile> AgainstFiles(const QCommandLineParser& parser) {
    std::vector<documents::DocumentFile> files;
    const QDir folder(parser.value(kAgainstDir));
    for (int d = 0; d < documents::kDocumentCount; ++d) {
        const QString& option = kAgainstOptions[static_cast<size_t>(d)];
        if (parser.isSet(option)) {
            files.push_back({d, parser.value(option)});
        } else if (parser.isSet(kAgainstDir)) {
            files.push_back(
                {d, folder.filePath(DocumentOptions::OutputFileNames()[static_cast<size_t>(d)])});
        }
    }
    return files;
}

int Print(const std::vector<documents::FieldDifference>& differences) {
    QTextStream out(stdout);
    for (const documents::FieldDifference& difference : differences) {
        out << difference.title << '\t' << difference.before << '\t' << difference.after << '\t'
            << difference.documentName << '\n';
    }
    return differences.empty() ? kExitEqual : kExitDifferent;
}

// Messages recorded from `first` on, to stderr after the file's path; always the trouble
// exit code.
int Trouble(const app::ScriptedPrompts& prompts, std::size_t first, const QString& path) {
    const auto messages = prompts.messages();
    for (std::size_t i = first; i < messages.size(); ++i) {
        CliOutput::error(path + QStringLiteral(": ") + messages[i]);
    }
    return kExitTrouble;
}

int AgainstAnalyser(QCommandLineParser& parser, const QStringList& arguments) {
    TransferCli cli(stderr);
    if (auto exitCode = cli.prepare(parser, arguments, true, false)) {
        return *exitCode;
    }
    // Ours: the documents given; theirs: the transfer's own window, which the receive fills.
    documents::MainWindowSession& received = cli.session();
    auto ours = documents::OpenScratchSession(cli.prompts(), received.messageBoxes().translator(),
                                              received.window().selectedInstrumentId());
    if (!cli.documentOptions().loadGivenFilesReporting(*ours, cli.prompts())) {
        return kExitTrouble;
    }
    // Compared as a send would leave them: what the model does not keep is no difference.
    std::unique_ptr<documents::MainWindowSession> kept;
    try {
        kept = transfer::AsTheAnalyserKeepsThem(*ours);
    } catch (const std::exception& failure) {
        CliOutput::error(QString::fromUtf8(failure.what()));
        return kExitTrouble;
    }
    cli.prompts().clear();
    cli.confirm();
    if (cli.finish(cli.commands().mnufileget()) != kExitOk) {
        return kExitTrouble;
    }
    return Print(documents::CompareSessions(*kept, received));
}

int AgainstFiles(const QCommandLineParser& parser,
                 const std::vector<documents::DocumentFile>& files) {
    DocumentOptions options;
    QString error;
    if (!options.read(parser, false, error)) {
        return CliOutput::usageError(parser, error);
    }
    app::ScriptedPrompts prompts;
    app::EnglishTranslator translator;
    auto ours = options.openSession(prompts, translator);
    if (!options.loadGivenFilesReporting(*ours, prompts)) {
        return kExitTrouble;
    }
    auto theirs =
        documents::OpenScratchSession(prompts, translator, ours->window().selectedInstrumentId());
    const std::size_t before = prompts.messages().size();
    QString refused;
    const std::optional<documents::DocumentSet> compared =
        documents::LoadDocumentFiles(*theirs, files, &refused);
    if (!compared) {
        return Trouble(prompts, before, refused);
    }
    return Print(documents::CompareSessions(*ours, *theirs, *compared));
}

}  // namespace

int RunDiff(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    if (auto exitCode = CliOutput::parse(parser, arguments)) {
        return *exitCode;
    }
    const std::vector<documents::DocumentFile> files = AgainstFiles(parser);
    const bool withPort = parser.isSet("port");
    if (withPort == !files.empty()) {
        return CliOutput::usageError(
            parser, withPort ? QStringLiteral("--port and --against-* exclude each other")
                             : QStringLiteral("--port or an --against-* option is required"));
    }
    if (parser.isSet(kAgainstDir)) {
        for (const QString& option : kAgainstOptions) {
            if (parser.isSet(option)) {
                return CliOutput::usageError(
                    parser,
                    QStringLiteral("--against-dir and --%1 exclude each other").arg(option));
            }
        }
    }
    return withPort ? AgainstAnalyser(parser, arguments) : AgainstFiles(parser, files);
}

}  // namespace kilnward::cli
