#include "cli/LinkOptions.h"

#include <QTextStream>

#include <chrono>

#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "simulator/AnalyserSimulator.h"
#include "simulator/SimulatedCommPort.h"
#include "transfer/LinkTrace.h"
#include "wirelink/QtSerialCommPort.h"

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
        {"baud", "Line speed in bit/s (default 9600).", "RATE"},
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
    port = parser.value("port");
    if (port.isEmpty()) {
        error = QStringLiteral("--port is required");
        return false;
    }
    if (parser.isSet("baud")) {
        bool ok = false;
        baud = parser.value("baud");
        if (baud.toUInt(&ok) == 0 || !ok) {
            error = QStringLiteral("--baud wants a positive number");
            return false;
        }
    }
    if (parser.isSet("infrared") && parser.isSet("cable")) {
        error = QStringLiteral("--infrared and --cable exclude each other");
        return false;
    }
    infrared = parser.isSet("infrared");
    traceFile = parser.value("trace");
    return ReadByte(parser, "addr", addr, error) &&
           ReadByte(parser, "busy-timeout", busyTimeout, error);
}

void LinkOptions::followModel(const QCommandLineParser& parser, bool modelUsesInfrared) {
    if (!parser.isSet("infrared") && !parser.isSet("cable")) {
        infrared = modelUsesInfrared;
    }
}

int LinkOptions::runOnLink(std::uint8_t type,
                           const std::function<void(wirelink::Wirelink&)>& body) const {
    std::unique_ptr<sim::AnalyserSimulator> simulator;
    const std::unique_ptr<wirelink::CommPort> commPort = makePort(type, simulator);
    return run(*commPort, type, body);
}

std::unique_ptr<wirelink::CommPort> LinkOptions::makePort(
    std::uint8_t type, std::unique_ptr<sim::AnalyserSimulator>& simulator) const {
    if (port != QLatin1String(kSimulatorPort)) {
        return std::make_unique<wirelink::QtSerialCommPort>();
    }
    simulator =
        std::make_unique<sim::AnalyserSimulator>(type, addr, std::chrono::steady_clock::now());
    auto simulated = std::make_unique<sim::SimulatedCommPort>(*simulator);
    simulated->setInfraredAdapter(infrared);
    return simulated;
}

int LinkOptions::run(wirelink::CommPort& commPort, std::uint8_t type,
                     const std::function<void(wirelink::Wirelink&)>& body) const {
    std::unique_ptr<transfer::LinkTrace> trace;
    wirelink::Wirelink link(commPort);
    if (!traceInto(link, trace)) {
        return kExitFailure;
    }
    int exitCode = kExitOk;
    try {
        link.setRaiseErrors(true);
        link.setPortName(port.toStdString());
        link.setBusyTimeout(busyTimeout);
        link.setInfrared(infrared);
        link.setBaudRate(baud.toStdString());
        link.OpenCom();
        link.Defineflow(addr, type);
        body(link);
    } catch (const wirelink::Error& error) {
        exitCode = CliOutput::linkFailure(error);
    }
    try {
        link.Releaseflow(addr);
        link.CloseCom();
    } catch (const wirelink::Error& error) {
        const int closeCode = CliOutput::linkFailure(error);
        exitCode = exitCode == kExitOk ? closeCode : exitCode;
    }
    return exitCode;
}

bool LinkOptions::traceInto(wirelink::Wirelink& link,
                            std::unique_ptr<transfer::LinkTrace>& trace) const {
    if (traceFile.isEmpty()) {
        return true;
    }
    trace = std::make_unique<transfer::LinkTrace>();
    QString error;
    if (!trace->writeTo(traceFile, error)) {
        QTextStream(stderr) << "kilnward-cli: " << error << '\n';
        trace.reset();
        return false;
    }
    trace->attach(link);
    return true;
}

}  // namespace kilnward::cli
