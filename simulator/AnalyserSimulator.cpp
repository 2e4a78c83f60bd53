#include "simulator/AnalyserSimulator.h"

#include <chrono>

#include "wirelink/Errors.h"
#include "wirelink/Frame.h"

namespace kilnward::sim {

namespace {

std::string Describe(const Answer& answer) {
    switch (answer.kind) {
        case Answer::Kind::None:
            return "no answer";
        case Answer::Kind::Ack:
            return "ACK";
        case Answer::Kind::Nak:
            return "NAK";
        case Answer::Kind::Busy:
            return "BUSY";
        case Answer::Kind::Fail:
            return "FAIL " + wirelink::Hex2(answer.failCode);
        case Answer::Kind::Data:
            return "DATA [" + wirelink::HexBytes(answer.data) + "]";
    }
    return {};
}

}  // namespace

AnalyserSimulator::AnalyserSimulator(std::uint8_t type, std::uint8_t addr, TimePoint now,
                                     const QDateTime& clockStart)
    : type_(type), addr_(addr), commands_(clockStart, now) {}

void AnalyserSimulator::setPaceBaud(unsigned baud) {
    // Ten bits per byte: start bit, eight data bits, stop bit.
    output_.setByteTime(baud == 0 ? Duration::zero()
                                  : std::chrono::duration_cast<Duration>(
                                        std::chrono::nanoseconds(10'000'000'000LL / baud)));
}

void AnalyserSimulator::receive(const wirelink::ByteBuffer& bytes, TimePoint now) {
    for (std::uint8_t byte : bytes) {
        if (auto request = assembler_.push(byte, now)) {
            handle(*request, now);
        }
    }
}

void AnalyserSimulator::handle(const RequestFrame& request, TimePoint now) {
    if (request.addr != addr_) {
        if (logger_) {
            logger_("frame for address " + wirelink::Hex2(request.addr) + " ignored");
        }
        return;
    }
    ++requests_;
    std::string note;
    const Answer reply = answer(request, now, note);
    transmit(request, reply, now, note);
    if (logger_) {
        logger_("#" + std::to_string(requests_) + " " + wirelink::Hex2(request.cmdh) +
                wirelink::Hex2(request.cmdl) + " [" + wirelink::HexBytes(request.data) + "] -> " +
                Describe(reply) + note);
    }
}

Answer AnalyserSimulator::answer(const RequestFrame& request, TimePoint now, std::string& note) {
    const std::uint16_t command = request.command();
    if (auto fault =
            faults_.take({FaultKind::Nak, FaultKind::Busy, FaultKind::Silent, FaultKind::Fail},
                         requests_, command, now)) {
        note = " (fault)";
        switch (fault->kind) {
            case FaultKind::Nak:
                return Answer::nak();
            case FaultKind::Busy:
                return Answer::busy();
            case FaultKind::Fail:
                return Answer::fail(static_cast<std::uint8_t>(fault->value));
            default:
                return {};
        }
    }
    if (!request.checksumOk) {
        return Answer::nak();
    }
    if (request.type != type_) {
        return Answer::fail(kFailWrongType);
    }
    if (request.isWrite()) {
        if (auto fault = faults_.take({FaultKind::Status}, requests_, command, now)) {
            note = " (fault: write status " + std::to_string(fault->value) + ")";
            commands_.refuseWrite(static_cast<std::uint8_t>(fault->value));
            return Answer::ack();
        }
    }
    return commands_.serve(request, now);
}

wirelink::ByteBuffer AnalyserSimulator::encode(const RequestFrame& request,
                                               const Answer& answer) const {
    switch (answer.kind) {
        case Answer::Kind::None:
            return {};
        case Answer::Kind::Ack:
            return {wirelink::kAck};
        case Answer::Kind::Nak:
            return {wirelink::kNak};
        case Answer::Kind::Busy:
            return {wirelink::kBusy};
        case Answer::Kind::Fail:
            return {wirelink::kFail, answer.failCode};
        case Answer::Kind::Data:
            return wirelink::BuildFrame(addr_, type_, request.cmdh, request.cmdl, answer.data)
                .value();
    }
    return {};
}

void AnalyserSimulator::transmit(const RequestFrame& request, const Answer& answer, TimePoint now,
                                 std::string& note) {
    wirelink::ByteBuffer bytes = encode(request, answer);
    if (bytes.empty()) {
        return;
    }
    const std::uint16_t command = request.command();
    if (answer.kind == Answer::Kind::Data &&
        faults_.take({FaultKind::BadChecksum}, requests_, command, now)) {
        bytes.back() ^= 0xFF;
        note += " (fault: bad checksum)";
    }
    if (auto stray = faults_.take({FaultKind::Stray}, requests_, command, now)) {
        bytes.insert(bytes.begin(), static_cast<std::uint8_t>(stray->value));
        note += " (fault: stray byte)";
    }
    Duration gap = Duration::zero();
    if (auto trickle = faults_.take({FaultKind::Trickle}, requests_, command, now)) {
        gap = std::chrono::milliseconds(trickle->value);
        note += " (fault: trickle)";
    }
    output_.send(bytes, now, gap);
}

}  // namespace kilnward::sim
