// kilnward-cli clock: read or set the analyser's real-time clock, through the driver.

#include <QDateTime>
#include <QRegularExpression>

#include <optional>
#include <utility>

#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/LinkOptions.h"
#include "cli/ModelOption.h"
#include "drivers/ClockRecord.h"
#include "transfer/ConnectionCheck.h"

namespace kilnward::cli {

namespace {

// The clock record holds the year within its century, read back as 1998..2097; a year
// outside that range would come back as a different one.
constexpr int kFirstYear = 1998;
constexpr int kLastYear = 2097;
const QString kSetValueOption = QStringLiteral("set-to");

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "kilnward-cli clock --port DEV [--baud B] [--infrared|--cable] [--addr N] [--model ID]\n"
        "                   [--program-dir DIR] [--set [YYYY-MM-DDTHH:MM]]\n\n"
        "Prints the analyser's clock as YYYY-MM-DD HH:MM. --set sets it to the computer's\n"
        "local time, or to the time given, and prints the time sent.");
    parser.addHelpOption();
    LinkOptions::addTo(parser);
    ModelOption::addTo(parser);
    parser.addOption({"set", "Set the clock (to the given time, else to the local time)."});
    QCommandLineOption setTo(kSetValueOption, "Time to set.", "YYYY-MM-DDTHH:MM");
    setTo.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(setTo);
}

// "--set" takes an optional value, which the parser cannot express: a value following it
// (as "--set VALUE" or "--set=VALUE") is handed over as the hidden --set-to.
QStringList WithSetValue(QStringList arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i].startsWith(QLatin1String("--set="))) {
            arguments[i] = "--" + kSetValueOption + "=" + arguments[i].mid(6);
        } else if (arguments[i] == QLatin1String("--set") && i + 1 < arguments.size() &&
                   !arguments[i + 1].startsWith(QLatin1Char('-'))) {
            arguments[i] = "--" + kSetValueOption;
        }
    }
    return arguments;
}

// The wall-clock date and time as given, with no time zone involved (a local time that a
// daylight-saving change skips is still a valid analyser time).
std::optional<std::pair<QDate, QTime>> ParseClockValue(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}$"));
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    const QTime time = QTime::fromString(text.mid(11), QStringLiteral("HH:mm"));
    if (!pattern.match(text).hasMatch() || !date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    return std::pair{date, time};
}

std::optional<drivers::DateTime> TimeToSet(const QCommandLineParser& parser, QString& error) {
    const QDateTime now = QDateTime::currentDateTime();
    std::optional<std::pair<QDate, QTime>> when{{now.date(), now.time()}};
    if (parser.isSet(kSetValueOption)) {
        const QString text = parser.value(kSetValueOption);
        when = ParseClockValue(text);
        if (!when) {
            error = QStringLiteral("--set wants a date and time as YYYY-MM-DDTHH:MM, not '%1'")
                        .arg(text);
            return std::nullopt;
        }
    }
    const auto& [date, time] = *when;
    if (date.year() < kFirstYear || date.year() > kLastYear) {
        error = QStringLiteral("the analyser's clock holds the years %1 to %2 only")
                    .arg(kFirstYear)
                    .arg(kLastYear);
        return std::nullopt;
    }
    return drivers::MakeDateTime(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                                 0);
}

}  // namespace

int RunClock(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    if (auto exitCode = CliOutput::parse(parser, WithSetValue(arguments))) {
        return *exitCode;
    }
    LinkOptions link;
    ModelOption model;
    QString error;
    if (!link.read(parser, error) || !model.read(parser, link, error)) {
        return CliOutput::usageError(parser, error);
    }
    std::optional<drivers::DateTime> toSet;
    if (parser.isSet("set") || parser.isSet(kSetValueOption)) {
        toSet = TimeToSet(parser, error);
        if (!toSet) {
            return CliOutput::usageError(parser, error);
        }
    }
    return model.runOnLink(link, [&](drivers::InstrumentDriver& driver) {
        drivers::DateTime when{};
        if (toSet) {
            driver.WriteRTCClock(link.serial.address, *toSet);
            when = *toSet;
        } else {
            driver.ReadRTCClock(link.serial.address, when);
        }
        CliOutput::printLine(transfer::AnalyserClockText(when));
        return kExitOk;
    });
}

}  // namespace kilnward::cli
