#include "transfer/AnalyserLink.h"

#include <stdexcept>

#include "app/SerialDefaults.h"
#include "simulator/SimulatedCommPort.h"
#include "transfer/LinkSettings.h"
#include "transfer/LinkTrace.h"
#include "transfer/SimulatedAnalysers.h"
#include "wirelink/QtSerialCommPort.h"
#include "wirelink/Wirelink.h"

namespace kilnward::transfer {

AnalyserLink::AnalyserLink(const LinkSettings& settings, std::uint8_t type,
                           const LinkContext& context) {
    if (settings.portName == QLatin1String(app::serial::kSimulatorPort)) {
        if (!context.simulated) {
            throw std::logic_error("the simulated port needs its analysers");
        }
        sim::SimulatedCommPort& simulated = context.simulated->port(type, settings.addr);
        simulated.setInfraredAdapter(settings.useInfrared);
        port_ = &simulated;
    } else {
        serial_ = std::make_unique<wirelink::QtSerialCommPort>();
        port_ = serial_.get();
    }
    link_ = std::make_unique<wirelink::Wirelink>(*port_, context.host);
    if (context.host) {
        link_->setPermitsEvents(true);
    }
    if (context.busyTimeout) {
        link_->setBusyTimeout(*context.busyTimeout);
    }
    if (context.trace) {
        context.trace->attach(*link_);
        if (!context.traceNote.isEmpty()) {
            context.trace->note(context.traceNote);
        }
    }
}

AnalyserLink::~AnalyserLink() {
    // The link control goes before the port it talks through.
    link_.reset();
}

}  // namespace kilnward::transfer
