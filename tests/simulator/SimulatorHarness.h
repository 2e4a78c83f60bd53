#pragma once

#include <QDateTime>

#include "simulator/AnalyserSimulator.h"
#include "wirelink/FakeClock.h"
#include "wirelink/Frame.h"

namespace kilnward::sim::test {

using wirelink::ByteBuffer;

inline constexpr std::uint8_t kType = 9;
inline constexpr std::uint8_t kAddr = 5;
inline const ByteBuffer kAckAnswer{wirelink::kAck};
inline const ByteBuffer kNakAnswer{wirelink::kNak};
inline const ByteBuffer kBusyAnswer{wirelink::kBusy};

inline QDateTime ClockStart() {
    return QDateTime(QDate(2026, 3, 5), QTime(14, 7));
}

// A simulator on a fake clock, talked to frame by frame.
struct SimulatorHarness {
    wirelink::FakeClock clock;
    AnalyserSimulator sim{kType, kAddr, clock.now(), ClockStart()};

    // Sends raw bytes and collects everything the simulator sends, letting fake time pass
    // until it is silent.
    ByteBuffer raw(const ByteBuffer& bytes) {
        sim.receive(bytes, clock.now());
        ByteBuffer answer;
        while (const auto due = sim.nextOutputTime()) {
            clock.advanceTo(*due);
            const ByteBuffer part = sim.takeOutput(clock.now());
            answer.insert(answer.end(), part.begin(), part.end());
        }
        return answer;
    }
    ByteBuffer request(std::uint8_t cmdh, std::uint8_t cmdl, const ByteBuffer& data = {},
                       std::uint8_t addr = kAddr, std::uint8_t type = kType) {
        return raw(wirelink::BuildFrame(addr, type, cmdh, cmdl, data).value());
    }
    // The data frame the simulator answers with for `data`.
    static ByteBuffer dataAnswer(std::uint8_t cmdh, std::uint8_t cmdl, const ByteBuffer& data) {
        return wirelink::BuildFrame(kAddr, kType, cmdh, cmdl, data).value();
    }
    ByteBuffer writeStatus() { return request(0x5A, 0x03); }
    static ByteBuffer status(std::uint8_t code) { return dataAnswer(0x5A, 0x03, {code}); }
};

}  // namespace kilnward::sim::test
