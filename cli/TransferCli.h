#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <memory>
#include <optional>

#include "app/EnglishTranslator.h"
#include "app/ScriptedPrompts.h"
#include "cli/DocumentOptions.h"
#include "cli/LinkOptions.h"
#include "cli/TerminalProgress.h"
#include "transfer/LinkSettings.h"
#include "transfer/TransferCommands.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::cli {

// What the receive, send and set-clock commands share: the link and document options, the
// main window with its documents for the model, the port and the link control, and the
// output of the outcome.
class TransferCli {
  public:
    // The transfer's status lines go to `status`.
    explicit TransferCli(std::FILE* status = stdout);
    ~TransferCli();

    // Adds the link and document options, --out-dir only for `withOutDir`.
    static void addOptions(QCommandLineParser& parser, bool withOutDir);
    // --no-verify, for the commands that write the analyser's configuration.
    static void addVerifyOption(QCommandLineParser& parser);
    // Parses and prepares everything up to the transfer; an exit code when the command must
    // end at once (help, usage error).
    std::optional<int> prepare(QCommandLineParser& parser, const QStringList& arguments,
                               bool takesDocumentFiles, bool outDirRequired);

    transfer::TransferCommands& commands() { return *commands_; }
    documents::MainWindowSession& session() { return *session_; }
    const DocumentOptions& documentOptions() const { return documents_; }
    app::ScriptedPrompts& prompts() { return prompts_; }
    // The analyser's address on the link (--addr).
    std::uint8_t address() const { return link_.serial.address; }

    // Confirms the command's question, as the user would.
    void confirm() { prompts_.queueAnswer(app::PromptAnswer::Yes); }
    // Exit code for a transfer's outcome, with the failure on stderr.
    int finish(std::optional<transfer::TransferOutcome> outcome) const;

  private:
    LinkOptions link_;
    DocumentOptions documents_;
    app::ScriptedPrompts prompts_;
    app::EnglishTranslator translator_;
    std::unique_ptr<documents::MainWindowSession> session_;
    std::unique_ptr<OptionsLink> opened_;
    TerminalProgress progress_;
    std::unique_ptr<transfer::TransferCommands> commands_;
};

// A configuration sector file: exactly `size` bytes. Nullopt with a message otherwise.
std::optional<wirelink::ByteBuffer> ReadSectorFile(const QString& path, std::int64_t size,
                                                   QString& error);
// Writes through a temporary file, so a failed write keeps the previous file.
bool WriteSectorFile(const QString& path, const wirelink::ByteBuffer& bytes, QString& error);

}  // namespace kilnward::cli
