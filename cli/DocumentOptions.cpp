#include "cli/DocumentOptions.h"

#include <QDir>
#include <QTextStream>

#include "app/Catalogue.h"
#include "app/ProgramFolder.h"
#include "app/ScriptedPrompts.h"
#include "cli/CliOutput.h"
#include "documents/MainWindowSession.h"
#include "drivers/CreateDriver.h"

namespace kilnward::cli {

namespace {

// Option names of the five document files, in document order.
const std::array<QString, documents::kDocumentCount> kFileOptions = {
    QStringLiteral("cfg"), QStringLiteral("fue"), QStringLiteral("hdr"), QStringLiteral("law"),
    QStringLiteral("srv")};

}  // namespace

const std::array<QString, documents::kDocumentCount>& DocumentOptions::OutputFileNames() {
    static const std::array<QString, documents::kDocumentCount> names = {
        QStringLiteral("configuration.cfg"), QStringLiteral("fuels.fue"),
        QStringLiteral("header.hdr"), QStringLiteral("law.law"), QStringLiteral("service.srv")};
    return names;
}

void DocumentOptions::addTo(QCommandLineParser& parser, bool withOutDir) {
    parser.addOption(
        {"program-dir", "Folder of Param.ini, Config.ini and the default documents.", "DIR"});
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
    if (parser.isSet("program-dir")) {
        programDir = parser.value("program-dir");
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
    auto session = std::make_unique<documents::MainWindowSession>(prompts, translator);
    // A command-line run leaves the stored model alone.
    session->window().modelMenu().setStoresChoice(false);
    session->load(app::InstrumentList());
    // A model that Param.ini does not offer in the menu is still adapted to.
    if (model) {
        session->window().selectModel(*model);
    }
    return session;
}

bool DocumentOptions::loadGivenFiles(documents::MainWindowSession& session) const {
    for (int d = 0; d < documents::kDocumentCount; ++d) {
        const QString& file = inputs[static_cast<size_t>(d)];
        if (!file.isEmpty() && !session.files().LoadDocument(file, d, false)) {
            return false;
        }
    }
    return true;
}

bool DocumentOptions::loadGivenFilesReporting(documents::MainWindowSession& session,
                                              const app::ScriptedPrompts& prompts) const {
    if (loadGivenFiles(session)) {
        return true;
    }
    for (const QString& message : prompts.messages()) {
        QTextStream(stderr) << "kilnward-cli: " << message << '\n';
    }
    return false;
}

bool DocumentOptions::saveAll(documents::MainWindowSession& session) const {
    const QDir folder(outDir);
    if (!folder.exists() && !QDir().mkpath(outDir)) {
        return false;
    }
    for (int d = 0; d < documents::kDocumentCount; ++d) {
        session.documents().setFileName(
            d, folder.absoluteFilePath(OutputFileNames()[static_cast<size_t>(d)]));
        if (!session.files().SaveDocument(d)) {
            return false;
        }
    }
    return true;
}

}  // namespace kilnward::cli
