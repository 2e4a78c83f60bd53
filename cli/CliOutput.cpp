#include "cli/CliOutput.h"

#include <QTextStream>

#include <cstdio>

#include "cli/CliCommand.h"

namespace kilnward::cli {

QString CliOutput::hexBytes(const wirelink::ByteBuffer& bytes) {
    return QString::fromStdString(wirelink::HexBytes(bytes));
}

QString CliOutput::errorLine(std::int32_t code, const QString& message) {
    const auto bits = static_cast<std::uint32_t>(code);
    return QStringLiteral("error 0x%1: %2")
        .arg(QString::number(bits, 16).toUpper().rightJustified(8, QLatin1Char('0')), message);
}

void CliOutput::printLine(const QString& line) {
    QTextStream(stdout) << line << '\n';
}

void CliOutput::error(const QString& message) {
    QTextStream(stderr) << "kilnward-cli: " << message << '\n';
}

void CliOutput::warning(const QString& message) {
    QTextStream(stderr) << "kilnward-cli: warning: " << message << '\n';
}

int CliOutput::linkFailure(const wirelink::Error& error) {
    QTextStream(stderr) << errorLine(error.code(), QString::fromStdString(error.what())) << '\n';
    return kExitFailure;
}

QString CliOutput::helpText(const QCommandLineParser& parser) {
    // Qt's first line names the path the program was started from and no command; every
    // command's description starts with its own synopsis instead.
    QString text = parser.helpText();
    const qsizetype firstLineEnd = text.indexOf(QLatin1Char('\n'));
    if (text.startsWith(QLatin1String("Usage: ")) && firstLineEnd > 0) {
        text.replace(0, firstLineEnd, QStringLiteral("Usage:"));
    }
    return text;
}

int CliOutput::usageError(const QCommandLineParser& parser, const QString& message) {
    QTextStream(stderr) << "kilnward-cli: " << message << "\n\n" << helpText(parser);
    return kExitUsage;
}

std::optional<int> CliOutput::parse(QCommandLineParser& parser, const QStringList& arguments) {
    if (!parser.parse(QStringList{QStringLiteral("kilnward-cli")} + arguments)) {
        return usageError(parser, parser.errorText());
    }
    // --help-all is listed by Qt's help option; the Qt options it would add do not apply here.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        QTextStream(stdout) << helpText(parser);
        return kExitOk;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return usageError(
            parser,
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }
    return std::nullopt;
}

}  // namespace kilnward::cli
