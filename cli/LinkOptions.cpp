#include "cli/LinkOptions.h"

#include <QTextStream>

#include "app/SerialDefaults.h"
#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "transfer/AnalyserLink.h"
#include "transfer/LinkSetup.h"
#include "transfer/LinkTrace.h"
#include "transfer/SimulatedAnalysers.h"

namespace kilnward::cli {

namespace {

bool ReadByte(const QCommandLineParser& parser, const QString& name, std::uint8_t& value,
              QString& error) {
    if (!parser.isSet(name)) {
        return true;
    }
    bool ok = false;
    const uint number = parser.value(name).toUInt(&ok);
    if (!ok || number > 255) {
        error = QStringLiteral("--%1 wants a number from 0 to 255").arg(name);
        return false;
    }
    value = static_cast<std::uint8_t>(number);
    return true;
}

}  // namespace

void LinkOptions::addTo(QCommandLineParser& parser, Address address) {
    parser.addOptions({
        {"port", "Serial device, or 'simulator' for the simulated analyser.", "DEV"},
        {"baud",
         QStringLiteral("Line speed in bit/s (default %1).")
             .arg(QLatin1String(app::serial::kDefaultBaudRate)),
         "RATE"},
        {"infrared", "The port has an infrared adapter."},
        {"cable", "The port is a cable, without an infrared adapter."},
        {"addr",
         address == Address::Required ? QStringLiteral("Instrument address, 0 to 255.")
                                      : QStringLiteral("Instrument address, 0 to 255 (default 0)."),
         "N"},
        {"busy-timeout", "Seconds to retry while the analyser is busy (default 10).", "S"},
        {"trace", "Write a trace of every frame and attempt on the link to FILE.", "FILE"},
    });
}

bool LinkOptions::read(const QCommandLineParser& parser, QString& error) {
    const QString port = parser.value("port");
    if (port.isEmpty()) {
        error = QStringLiteral("--port is required");
        return false;
    }
    serial.port = app::PortChoice::device(port);
    if (parser.isSet("baud")) {
        serial.baudRate = parser.value("baud");
        if (!app::SerialSettings::IsBaudRate(serial.baudRate)) {
            error = QStringLiteral("--baud wants one of %1")
                        .arg(app::SerialSettings::BaudRates().join(QStringLiteral(", ")));
            return false;
        }
    }
    if (parser.isSet("infrared") && parser.isSet("cable")) {
        error = QStringLiteral("--infrared and --cable exclude each other");
        return false;
    }
    serial.useInfrared = parser.isSet("infrared");
    traceFile = parser.value("trace");
    if (parser.isSet("addr")) {
        const std::optional<std::uint8_t> address =
            app::SerialSettings::AddressOf(parser.value("addr"));
        if (!address) {
            error = QStringLiteral("--addr wants a number from 0 to 255");
            return false;
        }
        serial.address = *address;
    }
    return ReadByte(parser, "busy-timeout", busyTimeout, error);
}

void LinkOptions::followModel(const QCommandLineParser& parser, bool modelUsesInfrared) {
    if (!parser.isSet("infrared") && !parser.isSet("cable")) {
        serial.useInfrared = modelUsesInfrared;
    }
}

transfer::LinkSettings LinkOptions::linkSettings() const {
    return transfer::LinkSettingsOf(serial);
}

OptionsLink::OptionsLink() = default;
OptionsLink::~OptionsLink() = default;

wirelink::Wirelink& OptionsLink::link() {
    return analyser->link();
}

std::unique_ptr<OptionsLink> LinkOptions::openLink(const transfer::LinkSettings& settings,
                                                   std::uint8_t type) const {
    auto opened = std::make_unique<OptionsLink>();
    if (!openTrace(opened->trace)) {
        return nullptr;
    }
    opened->simulated = std::make_unique<transfer::SimulatedAnalysers>(nullptr);
    transfer::LinkContext context;
    context.simulated = opened->simulated.get();
    context.busyTimeout = busyTimeout;
    context.trace = opened->trace.get();
    opened->analyser = std::make_unique<transfer::AnalyserLink>(settings, type, context);
    return opened;
}

int LinkOptions::runOnLink(std::uint8_t type,
                           const std::function<void(wirelink::Wirelink&)>& body) const {
    const transfer::LinkSettings settings = linkSettings();
    const std::unique_ptr<OptionsLink> opened = openLink(settings, type);
    if (!opened) {
        return kExitFailure;
    }
    return run(opened->link(), settings, type, body);
}

int LinkOptions::run(wirelink::Wirelink& link, const transfer::LinkSettings& settings,
                     std::uint8_t type,
                     const std::function<void(wirelink::Wirelink&)>& body) const {
    int exitCode = kExitOk;
    try {
        link.setRaiseErrors(true);
        transfer::ApplyLinkSettings(link, settings);
        link.OpenCom();
        link.Defineflow(settings.addr, type);
        body(link);
    } catch (const wirelink::Error& error) {
        exitCode = CliOutput::linkFailure(error);
    }
    try {
        link.Releaseflow(settings.addr);
        link.CloseCom();
    } catch (const wirelink::Error& error) {
        const int closeCode = CliOutput::linkFailure(error);
        exitCode = exitCode == kExitOk ? closeCode : exitCode;
    }
    return exitCode;
}

bool LinkOptions::openTrace(std::unique_ptr<transfer::LinkTrace>& trace) const {
    if (traceFile.isEmpty()) {
        return true;
    }
    trace = std::make_unique<transfer::LinkTrace>();
    QString error;
    if (!trace->writeTo(traceFile, error)) {
        CliOutput::error(error);
        trace.reset();
        return false;
    }
    return true;
}

}  // namespace kilnward::cli
