#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace wirelink {
class CommPort;
class Host;
class Wirelink;
}  // namespace wirelink

namespace kilnward::transfer {

class LinkTrace;
class SimulatedAnalysers;
struct LinkSettings;

// What a link needs besides its settings.
struct LinkContext {
    // The analysers behind the simulated port; needed when the settings name it.
    SimulatedAnalysers* simulated = nullptr;
    // Runs window events during the link's waits (null: the waits block).
    wirelink::Host* host = nullptr;
    // Seconds a request keeps retrying while the analyser is busy (unset: the link's own).
    std::optional<std::uint8_t> busyTimeout;
    // Where the link reports its events, with `traceNote` first when given; it must outlive
    // the link.
    LinkTrace* trace = nullptr;
    QString traceNote;
};

// A link to the analyser of model `type`, as every transfer, check and command opens one:
// the port the settings name (a serial device, or the simulated analyser of `type` at the
// settings' address) and the link control on it, traced when asked. The port is not opened
// yet and the settings are not yet in the link control: the flow that opens the port puts
// them there (ApplyLinkSettings), since a value the port refuses fails like the opening.
class AnalyserLink {
  public:
    AnalyserLink(const LinkSettings& settings, std::uint8_t type, const LinkContext& context);
    ~AnalyserLink();
    AnalyserLink(const AnalyserLink&) = delete;
    AnalyserLink& operator=(const AnalyserLink&) = delete;

    wirelink::Wirelink& link() { return *link_; }
    wirelink::CommPort& port() { return *port_; }

  private:
    std::unique_ptr<wirelink::CommPort> serial_;
    wirelink::CommPort* port_ = nullptr;
    std::unique_ptr<wirelink::Wirelink> link_;
};

}  // namespace kilnward::transfer
