#include "simulator/AnalyserSimulator.h"

#include <chrono>

#include "wirelink/Errors.h"
#include "wirelink/Frame.h"

namespace kilnward::sim {

namespace {

// An endless stream on an unpaced line goes at 9600 bit/s, ten bits per byte.
constexpr Duration kUnpacedStreamByteTime = std::chrono::microseconds(1042);
// What follows the start byte of an endless trickle: a header announcing a long frame,
// then the body that never completes.
constexpr std::uint8_t kTrickleFill = 0x7F;
// Write to a relative device: the request a dropwrite fault loses.
constexpr std::uint16_t kWriteDeviceCommand = 0xDC00;

// What a line at the wrong rate or a disturbed cable delivers: varied bytes, none of which
// begins an answer (every answer starts with a byte below 0x20), so a run against it lasts
// as long as the link's bounds say and not by which byte happens to come first.
wirelink::ByteBuffer LineNoise() {
    constexpr std::size_t kLength = 251;
    wirelink::ByteBuffer noise(kLength);
    std::uint32_t state = 0x2545F491;
    for (std::uint8_t& byte : noise) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(0x80 | (state >> 24));
    }
    return noise;
}

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
    if (output_.endless()) {
        if (logger_) {
            logger_("request ignored: the line is taken by an endless fault");
        }
        return;
    }
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
    if (command == kWriteDeviceCommand) {
        ++deviceWrites_;
        if (faults_.take({FaultKind::DropWrite}, deviceWrites_, command, now)) {
            // A lost write that the analyser reports as done: only reading back shows it.
            note = " (fault: device write " + std::to_string(deviceWrites_) + " dropped)";
            commands_.refuseWrite(kStatusOk);
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
    const std::uint16_t command = request.command();
    if (auto endless = faults_.take({FaultKind::Stream, FaultKind::Drip, FaultKind::Garbage},
                                    requests_, command, now)) {
        const Duration lineByte =
            output_.byteTime() > Duration::zero() ? output_.byteTime() : kUnpacedStreamByteTime;
        if (endless->kind == FaultKind::Stream) {
            output_.sendForever({}, {static_cast<std::uint8_t>(endless->value)}, now, lineByte);
            note += " (fault: endless stream)";
        } else if (endless->kind == FaultKind::Garbage) {
            output_.sendForever(
                {}, LineNoise(), now,
                endless->value == 0 ? lineByte : std::chrono::milliseconds(endless->value));
            note += " (fault: endless garbage)";
        } else {
            output_.sendForever({wirelink::kStartByte}, {kTrickleFill}, now,
                                std::chrono::milliseconds(endless->value));
            note += " (fault: endless trickle)";
        }
        return;
    }
    wirelink::ByteBuffer bytes = encode(request, answer);
    if (bytes.empty()) {
        return;
    }
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
    TimePoint start = now;
    if (auto late = faults_.take({FaultKind::Late}, requests_, command, now)) {
        start += std::chrono::milliseconds(late->value);
        note += " (fault: " + std::to_string(late->value) + " ms late)";
    }
    output_.send(bytes, start, gap);
}

}  // namespace kilnward::sim
