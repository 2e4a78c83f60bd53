#include "simulator/SimulatedCommPort.h"

#include <algorithm>

#include "wirelink/LineSettings.h"
#include "wirelink/PortErrors.h"

namespace kilnward::sim {

using wirelink::PortError;
using wirelink::PortFailure;

SimulatedCommPort::SimulatedCommPort(AnalyserSimulator& simulator, wirelink::Clock& clock)
    : simulator_(simulator), clock_(clock) {
    simulator_.setPaceBaud(kDefaultBaud);
}

void SimulatedCommPort::setPortNumber(std::int16_t number) {
    name_ = "simulator" + std::to_string(number);
}

void SimulatedCommPort::setSettings(const std::string& settings) {
    const auto parsed = wirelink::ParseLineSettings(settings);
    if (!parsed) {
        throw PortFailure(PortError::InvalidSettings, "Invalid property value: " + settings);
    }
    settings_ = settings;
    simulator_.setPaceBaud(static_cast<unsigned>(parsed->baudRate));
}

void SimulatedCommPort::open() {
    if (open_) {
        throw PortFailure(PortError::PortAlreadyOpen, "Port already open");
    }
    open_ = true;
    adapterProgrammed_ = false;
    speedCodes_.clear();
    outgoing_.clear();
    incoming_.clear();
}

void SimulatedCommPort::close() {
    open_ = false;
    outgoing_.clear();
    incoming_.clear();
}

void SimulatedCommPort::requireOpen() const {
    if (!open_) {
        throw PortFailure(PortError::PortNotOpen, "Operation valid only when the port is open");
    }
}

void SimulatedCommPort::setDtr(bool high) {
    pump();
    dtr_ = high;
}

bool SimulatedCommPort::dsrHolding() {
    requireOpen();
    pump();
    if (!adapter_ || !dtr_) {
        return false;
    }
    return !adapterProgrammed_ || !outgoing_.empty();
}

std::size_t SimulatedCommPort::bytesAvailable() {
    requireOpen();
    pump();
    return incoming_.size();
}

void SimulatedCommPort::discardInput() {
    requireOpen();
    pump();
    incoming_.clear();
}

wirelink::ByteBuffer SimulatedCommPort::read(std::size_t maxBytes) {
    requireOpen();
    pump();
    const std::size_t count =
        maxBytes == 0 ? incoming_.size() : std::min(maxBytes, incoming_.size());
    wirelink::ByteBuffer taken(incoming_.begin(), incoming_.begin() + count);
    incoming_.erase(incoming_.begin(), incoming_.begin() + count);
    return taken;
}

void SimulatedCommPort::write(const wirelink::ByteBuffer& bytes) {
    requireOpen();
    pump();
    if (adapter_ && !dtr_) {
        speedCodes_.insert(speedCodes_.end(), bytes.begin(), bytes.end());
        adapterProgrammed_ = adapterProgrammed_ || !bytes.empty();
        return;
    }
    if (adapter_ && !adapterProgrammed_) {
        return;  // an adapter without a speed sends nothing
    }
    if (outgoing_.size() + bytes.size() > kSendBufferSize) {
        throw wirelink::PortFailure(wirelink::PortError::WriteFailed, "Output buffer full");
    }
    TimePoint at = std::max(clock_.now(), lineFree_);
    for (std::uint8_t byte : bytes) {
        at += simulator_.byteTime();
        outgoing_.emplace_back(at, byte);
    }
    lineFree_ = at;
}

std::size_t SimulatedCommPort::bytesToWrite() {
    requireOpen();
    pump();
    return outgoing_.size();
}

void SimulatedCommPort::pump() {
    const TimePoint now = clock_.now();
    while (!outgoing_.empty() && outgoing_.front().first <= now) {
        simulator_.receive({outgoing_.front().second}, outgoing_.front().first);
        outgoing_.pop_front();
    }
    const wirelink::ByteBuffer answer = simulator_.takeOutput(now);
    if (!open_) {
        return;
    }
    // A receive buffer of fixed size, like a UART's: what does not fit is lost and reported
    // as a receive overflow.
    const std::size_t room = kReceiveBufferSize - std::min(kReceiveBufferSize, incoming_.size());
    if (answer.size() > room) {
        lineError_ = wirelink::kLineErrorReceiveOverflow;
    }
    incoming_.insert(incoming_.end(), answer.begin(),
                     answer.begin() + static_cast<std::ptrdiff_t>(std::min(room, answer.size())));
}

std::optional<TimePoint> SimulatedCommPort::nextEvent() const {
    std::optional<TimePoint> next = simulator_.nextOutputTime();
    if (!outgoing_.empty() && (!next || outgoing_.front().first < *next)) {
        next = outgoing_.front().first;
    }
    return next;
}

bool SimulatedCommPort::sleepUntilEvent(TimePoint deadline) {
    const TimePoint now = clock_.now();
    const std::optional<TimePoint> next = nextEvent();
    if (!next || *next > deadline) {
        if (deadline > now) {
            clock_.sleepFor(deadline - now);
        }
        return false;
    }
    if (*next > now) {
        clock_.sleepFor(*next - now);
    }
    return true;
}

bool SimulatedCommPort::waitUntil(std::chrono::milliseconds timeout,
                                  const std::function<bool()>& done) {
    requireOpen();
    const TimePoint deadline = clock_.now() + timeout;
    for (;;) {
        pump();
        if (done()) {
            return true;
        }
        if (!sleepUntilEvent(deadline)) {
            pump();
            return done();
        }
    }
}

bool SimulatedCommPort::waitForInput(std::size_t known, std::chrono::milliseconds timeout) {
    return waitUntil(timeout, [this, known] { return incoming_.size() > known; });
}

bool SimulatedCommPort::waitForBytesWritten(std::chrono::milliseconds timeout) {
    return waitUntil(timeout, [this] { return outgoing_.empty(); });
}

}  // namespace kilnward::sim
