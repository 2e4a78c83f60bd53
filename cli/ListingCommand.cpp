#include "cli/ListingCommand.h"

#include "app/ProgramFolder.h"
#include "app/ScriptedPrompts.h"
#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "documents/MainWindowSession.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "textexport/ConfigTextExport.h"

namespace kilnward::cli {

ListingCommand::ListingCommand(QString outOption, QString outHelp)
    : outOption_(std::move(outOption)), outHelp_(std::move(outHelp)) {}

void ListingCommand::addTo(QCommandLineParser& parser) const {
    parser.addOption({"sections", "Sections to list: all or a comma list.", "LIST", "all"});
    LanguageOption::addTo(parser);
    parser.addOption({outOption_, outHelp_, "FILE"});
}

int ListingCommand::run(QCommandLineParser& parser, const QStringList& arguments,
                        const Write& write) {
    if (auto exitCode = documents_.parse(parser, arguments, false)) {
        return *exitCode;
    }
    QString error;
    if (!read(parser, error)) {
        return CliOutput::usageError(parser, error);
    }
    const int exitCode = this->write(parser, write);
    language::ReleaseLangMan();
    return exitCode;
}

bool ListingCommand::read(const QCommandLineParser& parser, QString& error) {
    const auto selection = textexport::ParseExportSections(parser.value("sections"), error);
    if (!selection) {
        error = QStringLiteral("--sections: ") + error;
        return false;
    }
    selection_ = *selection;
    if (!language_.read(parser, error)) {
        return false;
    }
    out_ = parser.value(outOption_);
    if (out_.isEmpty()) {
        error = QStringLiteral("--%1 is required").arg(outOption_);
        return false;
    }
    return true;
}

int ListingCommand::write(const QCommandLineParser& parser, const Write& write) const {
    app::ScriptedPrompts prompts;
    if (documents_.programDir) {
        app::ProgramFolder::set(*documents_.programDir);
    }
    std::optional<int> exitCode;
    if (!language_.select(parser, prompts, exitCode)) {
        return *exitCode;
    }
    auto session = documents_.openSession(prompts, language::LangMan());
    prompts.clear();
    if (!documents_.loadGivenFilesReporting(*session, prompts)) {
        return kExitFailure;
    }
    const textexport::ConfigTextExport exporter(
        session->window().form(),
        session->commands().DocumentDisplayName(documents::kFuelsDocument));
    QStringList lines = textexport::ConfigTextExport::NewListing();
    exporter.writeSelected(selection_, lines);
    return write(*session, lines, out_) ? kExitOk : kExitFailure;
}

}  // namespace kilnward::cli
