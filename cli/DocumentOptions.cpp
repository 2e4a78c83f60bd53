#include "cli/DocumentOptions.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include "app/Catalogue.h"
#include "app/ProgramFolder.h"
#include "app/ScriptedPrompts.h"
#include "cli/CliOutput.h"
#include "cli/ProgramDirOption.h"
#include "documents/MainWindowSession.h"
#include "documents/SessionComparison.h"
#include "drivers/CreateDriver.h"

namespace kilnward::cli {

namespace {

// Option names of the five document files, in document order.
const std::array<QString, documents::kDocumentCount> kFileOptions = {
    QStringLiteral("cfg"), QStringLiteral("fue"), QStringLiteral("hdr"), QStringLiteral("law"),
    QStringLiteral("srv")};

// Prints the messages recorded from `first` on, each after `prefix`; false when there are none.
bool PrintMessagesSince(const app::ScriptedPrompts& prompts, std::size_t first,
                        const QString& prefix) {
    const auto messages = prompts.messages();
    for (std::size_t i = first; i < messages.size(); ++i) {
        CliOutput::error(prefix + messages[i]);
    }
    return messages.size() > first;
}

}  // namespace

const std::array<QString, documents::kDocumentCount>& DocumentOptions::OutputFileNames() {
    static const std::array<QString, documents::kDocumentCount> names = {
        QStringLiteral("configuration.cfg"), QStringLiteral("fuels.fue"),
        QStringLiteral("header.hdr"), QStringLiteral("law.law"), QStringLiteral("service.srv")};
    return names;
}

void DocumentOptions::addTo(QCommandLineParser& parser, bool withOutDir) {
    ProgramDirOption::addTo(parser);
    parser.addOption({"model", "Analyser model (instrument type code) to adapt to.", "ID"});
    const char* kinds[] = {"configuration", "fuels", "header", "law", "service"};
    for (int d = 0; d < documents::kDocumentCount; ++d) {
        parser.addOption({kFileOptions[static_cast<size_t>(d)],
                          QStringLiteral("%1 document to load.").arg(kinds[d]), "F"});
    }
    if (withOutDir) {
        parser.addOption({"out-dir", "Folder to save the five documents into.", "DIR"});
    }
}

bool DocumentOptions::read(const QCommandLineParser& parser, bool outDirRequired, QString& error) {
    if (!ProgramDirOption::read(parser, programDir, error)) {
        return false;
    }
    if (parser.isSet("model")) {
        bool ok = false;
        const uint id = parser.value("model").toUInt(&ok);
        if (!ok || id > 255 || !drivers::CreateDriver(static_cast<std::uint8_t>(id))) {
            error = QStringLiteral("--model: no analyser model '%1'").arg(parser.value("model"));
            return false;
        }
        model = static_cast<quint8>(id);
    }
    for (int d = 0; d < documents::kDocumentCount; ++d) {
        inputs[static_cast<size_t>(d)] = parser.value(kFileOptions[static_cast<size_t>(d)]);
    }
    // Commands that write no documents do not define --out-dir; asking for it would warn.
    if (parser.optionNames().contains(QStringLiteral("out-dir"))) {
        outDir = parser.value("out-dir");
    }
    if (outDirRequired && outDir.isEmpty()) {
        error = QStringLiteral("--out-dir is required");
        return false;
    }
    return true;
}

std::optional<int> DocumentOptions::parse(QCommandLineParser& parser, const QStringList& arguments,
                                          bool outDirRequired) {
    if (auto exitCode = CliOutput::parse(parser, arguments)) {
        return exitCode;
    }
    QString error;
    if (!read(parser, outDirRequired, error)) {
        return CliOutput::usageError(parser, error);
    }
    return std::nullopt;
}

std::unique_ptr<documents::MainWindowSession> DocumentOptions::openSession(
    app::ScriptedPrompts& prompts, app::Translator& translator) const {
    if (programDir) {
        app::ProgramFolder::set(*programDir);
    }
    app::LoadParameterCatalogue(translator);
    app::LoadInstrumentList();
    // A command-line run leaves the stored model alone.
    auto session = documents::OpenScratchSession(prompts, translator, model);
    // What went wrong meanwhile (a missing or damaged default document) is worth a word on
    // stderr, not a failure.
    PrintMessagesSince(prompts, 0, QString());
    prompts.clear();
    return session;
}

bool DocumentOptions::loadGivenFiles(documents::MainWindowSession& session) const {
    for (int d = 0; d < documents::kDocumentCount; ++d) {
        const QString& file = inputs[static_cast<size_t>(d)];
        if (!file.isEmpty() && !session.files().LoadDocument(file, d, false)) {
            failedInput = file;
            return false;
        }
    }
    return true;
}

bool DocumentOptions::loadGivenFilesReporting(documents::MainWindowSession& session,
                                              const app::ScriptedPrompts& prompts) const {
    const std::size_t before = prompts.messages().size();
    if (loadGivenFiles(session)) {
        // What a load told and took anyway (a line cut to its field) is worth a word.
        PrintMessagesSince(prompts, before, QString());
        return true;
    }
    PrintMessagesSince(prompts, before, failedInput + QStringLiteral(": "));
    return false;
}

bool DocumentOptions::saveAllReporting(documents::MainWindowSession& session,
                                       const app::ScriptedPrompts& prompts) const {
    const std::size_t before = prompts.messages().size();
    if (saveAll(session)) {
        return true;
    }
    if (!PrintMessagesSince(prompts, before, QString())) {
        QTextStream(stderr) << "kilnward-cli: cannot save the documents into " << outDir << '\n';
    }
    return false;
}

bool DocumentOptions::saveAll(documents::MainWindowSession& session) const {
    const QDir folder(outDir);
    if (!folder.exists() && !QDir().mkpath(outDir)) {
        return false;
    }
    std::vector<std::pair<int, QString>> targets;
    for (int d = 0; d < documents::kDocumentCount; ++d) {
        targets.emplace_back(d, folder.absoluteFilePath(OutputFileNames()[static_cast<size_t>(d)]));
    }
    return session.files().SaveDocuments(targets);
}

}  // namespace kilnward::cli
