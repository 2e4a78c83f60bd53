// kilnward-cli backups: the backups kept before each write, newest first, so a script can find
// the state an analyser had at a given time.

#include <QTextStream>

#include "app/EnglishTranslator.h"
#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "records/ReportFacts.h"
#include "transfer/BackupCatalogue.h"
#include "transfer/SectorBackup.h"

namespace kilnward::cli {

namespace {

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "kilnward-cli backups [--model ID] [--addr N]\n\n"
        "Lists the backups kept before each send and restore (in ~/.local/share/kilnward/\n"
        "backups), newest first, one line each: the time (ISO 8601 with its UTC offset), the\n"
        "model's type code, the address and the file, separated by tabs. Files there that are\n"
        "no backup are named on stderr and left out.");
    parser.addHelpOption();
    parser.addOption({"model", "Only backups of this model (type code).", "ID"});
    parser.addOption({"addr", "Only backups of the analyser at this address, 0 to 255.", "N"});
}

// The byte an option names; nullopt when it is not given. False with `error` when it is no
// number from 0 to 255.
bool ReadFilterByte(const QCommandLineParser& parser, const QString& name,
                    std::optional<std::uint8_t>& value, QString& error) {
    if (!parser.isSet(name)) {
        return true;
    }
    bool ok = false;
    const uint number = parser.value(name).trimmed().toUInt(&ok);
    if (!ok || number > 255) {
        error = QStringLiteral("--%1 wants a number from 0 to 255").arg(name);
        return false;
    }
    value = static_cast<std::uint8_t>(number);
    return true;
}

// ISO 8601 with the UTC offset the backup was kept at, "+00:00" included, so every line
// reads alike and sorts as text within one offset.
QString TimeText(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) + records::UtcOffsetText(time);
}

QString Line(const transfer::BackupEntry& entry) {
    return QStringList{TimeText(entry.time), QString::number(entry.model),
                       QString::number(entry.addr), entry.path}
        .join(u'\t');
}

}  // namespace

int RunBackups(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    if (auto exitCode = CliOutput::parse(parser, arguments)) {
        return *exitCode;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return CliOutput::usageError(parser, QStringLiteral("backups takes no file names"));
    }
    transfer::BackupFilter filter;
    QString error;
    if (!ReadFilterByte(parser, QStringLiteral("model"), filter.model, error) ||
        !ReadFilterByte(parser, QStringLiteral("addr"), filter.addr, error)) {
        return CliOutput::usageError(parser, error);
    }
    app::EnglishTranslator translator;
    const transfer::BackupCatalogue catalogue(transfer::BackupFolder(), translator);
    for (const QString& refused : catalogue.refused()) {
        CliOutput::error(refused);
    }
    for (const transfer::BackupEntry& entry : catalogue.filtered(filter)) {
        CliOutput::printLine(Line(entry));
    }
    return kExitOk;
}

}  // namespace kilnward::cli
