#pragma once

#include <QCommandLineParser>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

#include "app/SerialSettings.h"
#include "transfer/LinkSettings.h"
#include "wirelink/Wirelink.h"

namespace kilnward::transfer {
class AnalyserLink;
class LinkTrace;
class SimulatedAnalysers;
}  // namespace kilnward::transfer

namespace kilnward::cli {

// A link as the options open it, with what it runs on: the simulated analysers (their own
// memory at every run) and the trace file. The link uses the other two, so it is declared
// last and goes first.
struct OptionsLink {
    OptionsLink();
    ~OptionsLink();
    OptionsLink(const OptionsLink&) = delete;
    OptionsLink& operator=(const OptionsLink&) = delete;

    wirelink::Wirelink& link();

    std::unique_ptr<transfer::SimulatedAnalysers> simulated;
    std::unique_ptr<transfer::LinkTrace> trace;
    std::unique_ptr<transfer::AnalyserLink> analyser;
};

// The port options every link command shares, and the opening and closing of the link:
//   --port DEV        serial device, or "simulator" for the in-process simulated analyser
//   --baud RATE       line speed (default: the settings' default)
//   --infrared        the port has an infrared adapter; --cable has none
//   --addr N          instrument address (default 0, unless the command requires it)
//   --busy-timeout S  seconds a request keeps retrying while the analyser is busy (default 10)
//   --trace FILE      a trace of every frame and attempt on the link, written as it goes
// A command adds these to its own QCommandLineParser next to its own options.
class LinkOptions {
  public:
    enum class Address { Optional, Required };

    // A command that requires --addr checks that it is set; `address` words its help.
    static void addTo(QCommandLineParser& parser, Address address = Address::Optional);
    // Takes the values from a parsed command line; false with a message when one is invalid
    // (by the rules the settings dialog's values follow).
    bool read(const QCommandLineParser& parser, QString& error);
    // Unless --infrared or --cable was given, the link is the one the model uses.
    void followModel(const QCommandLineParser& parser, bool modelUsesInfrared);
    // What the link takes from the options, as the window takes it from its settings.
    transfer::LinkSettings linkSettings() const;

    // The link to the analyser of model `type` with `settings`, traced with --trace; its
    // port is not opened yet. Null, after printing why, when the trace file cannot be written.
    std::unique_ptr<OptionsLink> openLink(const transfer::LinkSettings& settings,
                                          std::uint8_t type) const;

    // Opens the port, defines the flow for `addr` and `type` and runs `body` on the link;
    // then releases the flow and closes the port, whatever happened. With --port simulator
    // the simulated analyser answers to `addr` and `type`. Returns the exit code: 0, or 1
    // after printing the link failure.
    int runOnLink(std::uint8_t type, const std::function<void(wirelink::Wirelink&)>& body) const;

    // The port (a device as named, or "simulator"), line speed, address and infrared choice.
    app::SerialSettings serial;
    std::uint8_t busyTimeout = 10;
    QString traceFile;

  private:
    // With --trace, makes `trace` writing into the file. False, after printing why, when
    // the file cannot be written.
    bool openTrace(std::unique_ptr<transfer::LinkTrace>& trace) const;
    int run(wirelink::Wirelink& link, const transfer::LinkSettings& settings, std::uint8_t type,
            const std::function<void(wirelink::Wirelink&)>& body) const;
};

}  // namespace kilnward::cli
