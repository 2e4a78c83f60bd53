#pragma once

#include <functional>

#include "transfer/ConnectionCheck.h"
#include "wirelink/Host.h"

namespace wirelink {
class Wirelink;
}
namespace kilnward::app {
class Translator;
}
namespace kilnward::drivers {
class InstrumentDriver;
}
namespace kilnward::transfer {
class LinkTrace;
class SimulatedAnalysers;
struct LinkSettings;
}  // namespace kilnward::transfer

namespace kilnward::dialogs {

// The settings dialog's connection check: a link of its own on the serial port or the
// simulated analyser, talking to the model the main window has selected. Window events run
// during the link's waits, so the dialog keeps painting; cancel() ends a running check.
class ConnectionTester : public wirelink::Host {
  public:
    using CurrentDriver = std::function<drivers::InstrumentDriver*()>;
    // The trace the check's link reports to, if any, asked for at every check.
    using CurrentTrace = std::function<transfer::LinkTrace*()>;

    // `translator` gives the check's texts.
    ConnectionTester(transfer::SimulatedAnalysers& simulated, app::Translator& translator,
                     CurrentDriver driver, CurrentTrace trace = {});

    transfer::ConnectionCheckResult check(const transfer::LinkSettings& settings);
    bool running() const { return link_ != nullptr; }
    void cancel();

    // wirelink::Host
    void processEvents() override;

  private:
    transfer::SimulatedAnalysers& simulated_;
    app::Translator& translator_;
    CurrentDriver driver_;
    CurrentTrace trace_;
    wirelink::Wirelink* link_ = nullptr;
};

}  // namespace kilnward::dialogs
