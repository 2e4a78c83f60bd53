#include "cli/TransferCli.h"

#include <QFile>
#include <QTextStream>

#include <cstdio>

#include "app/AtomicFile.h"
#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/LanguageOption.h"
#include "documents/MainWindowSession.h"
#include "drivers/InstrumentDriver.h"
#include "form/ModelMenu.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "records/ServiceReport.h"
#include "transfer/ConnectionHint.h"
#include "wirelink/Wirelink.h"

namespace kilnward::cli {

namespace {

const QString kPortNotOpened = QStringLiteral("Error Opening commport");

// What mends a port that does not open, in the command line's options; the window names
// its own settings instead.
QString CommandLineRemedy(transfer::ConnectionProblem problem) {
    using P = transfer::ConnectionProblem;
    switch (problem) {
        case P::PortMissing:
            return QStringLiteral(
                "This port does not exist. Check that the adapter is plugged "
                "in and name its device with --port.");
        case P::PermissionDenied:
            return QStringLiteral(
                "You may not use this port. On Linux, add your user to the "
                "'dialout' group (sudo adduser $USER dialout), then log out "
                "and in again.");
        case P::PortInUse:
            return QStringLiteral(
                "The port is in use by another program. Close that program, "
                "or name another port with --port.");
        case P::NotASerialPort:
            return QStringLiteral(
                "This is not a serial port. Name the analyser's port with "
                "--port.");
        case P::NoModemLines:
            return QStringLiteral(
                "This port cannot power an infrared adapter. Name the "
                "adapter's port with --port, or use --cable.");
        case P::NoAnswer:
        case P::GarbledAnswer:
        case P::WrongModel:
        case P::Other:
            break;
    }
    return {};
}

}  // namespace

TransferCli::TransferCli(std::FILE* status) : progress_(status) {}

TransferCli::~TransferCli() {
    // The commands use the link.
    commands_.reset();
    opened_.reset();
}

void TransferCli::addOptions(QCommandLineParser& parser, bool withOutDir) {
    // --cable reads "the default" for the one-request commands; a transfer follows the model.
    parser.setApplicationDescription(
        parser.applicationDescription() +
        QStringLiteral("\n\nWithout --infrared or --cable the link is the connection the model "
                       "uses\n(the infrared adapter for most models)."));
    parser.addHelpOption();
    LinkOptions::addTo(parser);
    DocumentOptions::addTo(parser, withOutDir);
}

void TransferCli::addVerifyOption(QCommandLineParser& parser) {
    parser.addOption({"no-verify",
                      "Do not read the configuration back to check that the analyser "
                      "kept what was written."});
}

std::optional<int> TransferCli::prepare(QCommandLineParser& parser, const QStringList& arguments,
                                        bool takesDocumentFiles, bool outDirRequired) {
    if (auto exitCode = CliOutput::parse(parser, arguments)) {
        return exitCode;
    }
    QString error;
    if (!link_.read(parser, error) || !documents_.read(parser, outDirRequired, error)) {
        return CliOutput::usageError(parser, error);
    }
    if (!takesDocumentFiles) {
        for (const QString& input : documents_.inputs) {
            if (!input.isEmpty()) {
                return CliOutput::usageError(
                    parser, QStringLiteral("this command takes no document files"));
            }
        }
    }
    session_ = documents_.openSession(prompts_, translator_);
    prompts_.clear();
    drivers::InstrumentDriver* driver = session_->window().currentDriver();
    if (!driver) {
        CliOutput::error(form::NoModelKnownText(translator_));
        return kExitFailure;
    }
    link_.followModel(parser, driver->Use_Infrared());
    // Only the commands that write define --no-verify; a set option is a defined one.
    link_.serial.verifyAfterSend = !parser.optionNames().contains(QStringLiteral("no-verify"));
    const transfer::LinkSettings settings = link_.linkSettings();
    opened_ = link_.openLink(settings, driver->Instrument_ID());
    if (!opened_) {
        return kExitFailure;
    }
    commands_ = std::make_unique<transfer::TransferCommands>(*session_, opened_->link(), settings,
                                                             progress_);
    commands_->setRemedy(CommandLineRemedy);
    commands_->setAfterWrite([](const transfer::WriteRecord& record) {
        // The scratch windows the report reads the sectors into ask nothing.
        app::ScriptedPrompts quiet;
        // In the language the window's reports are written in; the command's own output
        // stays English.
        const StoredLanguage language(quiet);
        return records::KeepServiceReport(record, quiet, language::LangMan());
    });
    return std::nullopt;
}

int TransferCli::finish(std::optional<transfer::TransferOutcome> outcome) const {
    for (const QString& warning : commands_->warnings()) {
        QTextStream(stderr) << "kilnward-cli: warning: " << warning << '\n';
    }
    if (outcome == transfer::TransferOutcome::Done) {
        return kExitOk;
    }
    const std::optional<transfer::TransferFailure>& failure = commands_->failure();
    QString message = failure ? failure->message : QStringLiteral("the transfer did not run");
    if (outcome == transfer::TransferOutcome::PortNotOpened) {
        message = kPortNotOpened + QStringLiteral(": ") + message;
    }
    if (failure && failure->code) {
        QTextStream(stderr) << CliOutput::errorLine(*failure->code, message) << '\n';
    } else {
        CliOutput::error(message);
    }
    if (failure && !failure->advice.isEmpty()) {
        CliOutput::error(failure->advice);
    }
    return kExitFailure;
}

std::optional<wirelink::ByteBuffer> ReadSectorFile(const QString& path, std::int64_t size,
                                                   QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.read(size + 1);
    if (bytes.size() != size) {
        error = QStringLiteral("%1 is not a configuration sector of %2 bytes").arg(path).arg(size);
        return std::nullopt;
    }
    return wirelink::ByteBuffer(bytes.begin(), bytes.end());
}

bool WriteSectorFile(const QString& path, const wirelink::ByteBuffer& bytes, QString& error) {
    // Atomic and unbuffered: a short write (disk full) fails and keeps an older file whole.
    QString why;
    if (!app::WriteFileAtomically(path,
                                  QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<qsizetype>(bytes.size())),
                                  &why)) {
        error = QStringLiteral("cannot write %1: %2").arg(path, why);
        return false;
    }
    return true;
}

}  // namespace kilnward::cli
