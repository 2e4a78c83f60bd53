// kilnward-cli request: one request frame, its response data printed as hex.

#include <QRegularExpression>

#include "app/SerialDefaults.h"
#include "cli/ByteList.h"
#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/LinkOptions.h"

namespace kilnward::cli {

namespace {

struct Request {
    std::uint8_t type = 0;
    std::uint8_t cmdh = 0;
    std::uint8_t cmdl = 0;
    wirelink::ByteBuffer data;
    bool write = false;
};

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral(
            "kilnward-cli request --port DEV [--baud %1] [--infrared] --addr N --type N "
            "--cmd HHLL\n"
            "                     [--data \"HH HH ...\"] [--write] [--busy-timeout S]\n\n"
            "Sends one request frame and prints the response data as hex bytes on one line.\n"
            "With --write the request is a write followed by the status request, whose data is\n"
            "printed.")
            .arg(QLatin1String(app::serial::kDefaultBaudRate)));
    parser.addHelpOption();
    LinkOptions::addTo(parser, LinkOptions::Address::Required);
    parser.addOptions({
        {"type", "Instrument type code, 0 to 255.", "N"},
        {"cmd", "Command: cmdh and cmdl as four hex digits, e.g. 5C00.", "HHLL"},
        {"data", "Data bytes as hex pairs separated by spaces.", "BYTES"},
        {"write", "Send as a write command with a status request."},
    });
}

bool ReadRequest(const QCommandLineParser& parser, Request& request, QString& error) {
    // Unlike the model-driven commands, a raw request has no usual address to fall back on.
    if (!parser.isSet("addr")) {
        error = QStringLiteral("--addr is required");
        return false;
    }
    bool ok = false;
    const uint type = parser.value("type").toUInt(&ok);
    if (!parser.isSet("type") || !ok || type > 255) {
        error = QStringLiteral("--type wants a number from 0 to 255");
        return false;
    }
    request.type = static_cast<std::uint8_t>(type);
    static const QRegularExpression commandPattern(QStringLiteral("^[0-9A-Fa-f]{4}$"));
    const QString command = parser.value("cmd");
    if (!commandPattern.match(command).hasMatch()) {
        error = QStringLiteral("--cmd wants four hex digits (HHLL)");
        return false;
    }
    request.cmdh = static_cast<std::uint8_t>(command.left(2).toUInt(nullptr, 16));
    request.cmdl = static_cast<std::uint8_t>(command.mid(2).toUInt(nullptr, 16));
    const auto data = ParseByteList(parser.value("data"), error);
    if (!data) {
        error = QStringLiteral("--data: ") + error;
        return false;
    }
    request.data = *data;
    request.write = parser.isSet("write");
    return true;
}

}  // namespace

int RunRequest(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    if (auto exitCode = CliOutput::parse(parser, arguments)) {
        return *exitCode;
    }
    LinkOptions link;
    Request request;
    QString error;
    if (!link.read(parser, error) || !ReadRequest(parser, request, error)) {
        return CliOutput::usageError(parser, error);
    }
    return link.runOnLink(request.type, [&](wirelink::Wirelink& wlink) {
        if (request.write) {
            wlink.SendTXFrame_wresponse(link.serial.address, request.cmdh, request.cmdl,
                                        request.data);
        } else {
            wlink.SendFrame(link.serial.address, request.cmdh, request.cmdl, request.data);
        }
        CliOutput::printLine(CliOutput::hexBytes(wlink.LastRcvFrame()));
    });
}

}  // namespace kilnward::cli
