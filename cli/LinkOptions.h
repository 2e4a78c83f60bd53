#pragma once

#include <QCommandLineParser>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

#include "wirelink/Wirelink.h"

namespace kilnward::sim {
class AnalyserSimulator;
}  // namespace kilnward::sim
namespace kilnward::transfer {
class LinkTrace;
}

namespace kilnward::cli {

// The port options every link command shares, and the opening and closing of the link:
//   --port DEV        serial device, or "simulator" for the in-process simulated analyser
//   --baud RATE       line speed (default 9600)
//   --infrared        the port has an infrared adapter; --cable has none
//   --addr N          instrument address (default 0, unless the command requires it)
//   --busy-timeout S  seconds a request keeps retrying while the analyser is busy (default 10)
//   --trace FILE      a trace of every frame and attempt on the link, written as it goes
// A command adds these to its own QCommandLineParser next to its own options.
class LinkOptions {
  public:
    static constexpr const char* kSimulatorPort = "simulator";

    enum class Address { Optional, Required };

    // A command that requires --addr checks that it is set; `address` words its help.
    static void addTo(QCommandLineParser& parser, Address address = Address::Optional);
    // Takes the values from a parsed command line; false with a message when one is invalid.
    bool read(const QCommandLineParser& parser, QString& error);
    // Unless --infrared or --cable was given, the link is the one the model uses.
    void followModel(const QCommandLineParser& parser, bool modelUsesInfrared);

    // Opens the port, defines the flow for `addr` and `type` and runs `body` on the link;
    // then releases the flow and closes the port, whatever happened. With --port simulator
    // the simulated analyser answers to `addr` and `type`. Returns the exit code: 0, or 1
    // after printing the link failure.
    int runOnLink(std::uint8_t type, const std::function<void(wirelink::Wirelink&)>& body) const;

    // The port --port names. With --port simulator, `simulator` receives the simulated
    // analyser (answering to `addr` and `type`) that the port talks to; it must outlive
    // the port.
    std::unique_ptr<wirelink::CommPort> makePort(
        std::uint8_t type, std::unique_ptr<sim::AnalyserSimulator>& simulator) const;

    // With --trace, makes `trace` and attaches it to `link` (which must not outlive it).
    // False, after printing why, when the trace file cannot be written.
    bool traceInto(wirelink::Wirelink& link, std::unique_ptr<transfer::LinkTrace>& trace) const;

    QString port;
    QString baud = QStringLiteral("9600");
    bool infrared = false;
    std::uint8_t addr = 0;
    std::uint8_t busyTimeout = 10;
    QString traceFile;

  private:
    int run(wirelink::CommPort& commPort, std::uint8_t type,
            const std::function<void(wirelink::Wirelink&)>& body) const;
};

}  // namespace kilnward::cli
