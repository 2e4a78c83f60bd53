#include "dialogs/AnalyserPort.h"

#include "dialogs/PortChoice.h"
#include "dialogs/SimulatedAnalysers.h"
#include "simulator/SimulatedCommPort.h"

namespace kilnward::dialogs {

AnalyserPort::AnalyserPort(SimulatedAnalysers& simulated) : simulated_(simulated) {}

void AnalyserPort::target(std::uint8_t type, std::uint8_t addr, bool infraredAdapter) {
    type_ = type;
    addr_ = addr;
    infraredAdapter_ = infraredAdapter;
}

wirelink::CommPort& AnalyserPort::current() const {
    if (useSimulated_ && simulatedPort_) {
        return *simulatedPort_;
    }
    return serial_;
}

void AnalyserPort::setPortNumber(std::int16_t number) {
    useSimulated_ = false;
    serial_.setPortNumber(number);
}

void AnalyserPort::setPortName(const std::string& name) {
    useSimulated_ = name == PortChoice::kSimulator;
    if (!useSimulated_) {
        serial_.setPortName(name);
    }
}

std::string AnalyserPort::portName() const {
    return useSimulated_ ? std::string(PortChoice::kSimulator) : serial_.portName();
}

void AnalyserPort::setSettings(const std::string& settings) {
    settings_ = settings;
    serial_.setSettings(settings);
    if (useSimulated_ && simulatedPort_) {
        simulatedPort_->setSettings(settings);
    }
}

void AnalyserPort::open() {
    if (useSimulated_) {
        // The analyser of this transfer's model and address; its memory stays between
        // transfers.
        auto& port = simulated_.port(type_, addr_);
        port.setInfraredAdapter(infraredAdapter_);
        port.setSettings(settings_);
        simulatedPort_ = &port;
    }
    current().open();
}

}  // namespace kilnward::dialogs
