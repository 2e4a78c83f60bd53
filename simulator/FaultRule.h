#pragma once

#include <cstdint>
#include <optional>

#include "simulator/SimTime.h"

namespace kilnward::sim {

enum class FaultKind {
    Nak,          // answer NAK instead of serving the request
    Busy,         // answer BUSY; with a duration, every request of that period
    Silent,       // no answer at all
    Fail,         // answer FAIL with `value` as the fail code
    Status,       // write commands only: ACK, but record `value` as the write status
    Stray,        // serve, but send the byte `value` in front of the answer
    Trickle,      // serve, with `value` milliseconds of silence between the answer's bytes
    BadChecksum,  // data answers only: serve with a corrupted checksum
    Late,         // serve, but send the answer `value` milliseconds late
    Stream,       // from then on, instead of answering, send the byte `value` without end
    Drip,         // from then on, instead of answering, a start byte and then 7F bytes,
                  // `value` milliseconds apart, without end ("trickle forever")
    Garbage,      // from then on, instead of answering, noise without end: at the line rate,
                  // or one byte every `value` milliseconds
    DropWrite,    // device writes only: ACK with write status 0, but store nothing; counts
                  // device writes instead of requests (`from` is the first one dropped)
};

// One scripted misbehaviour: what to do, and to which requests. Requests are numbered from
// 1 in the order they arrive, counting every frame addressed to the simulator.
struct FaultRule {
    FaultKind kind = FaultKind::Nak;
    // Fail code, write status, stray or stream byte, trickle or drip gap (ms), lateness (ms)
    // or busy period (ms; 0: one BUSY answer per use).
    unsigned value = 0;
    // The first request number the rule may fire on; 0: the next request after the rule is
    // added.
    std::uint64_t from = 0;
    // Fire only on the `count` consecutive requests starting at number `from`.
    bool exact = false;
    // How many requests (busy: busy periods) the rule fires on; 0: no limit.
    unsigned count = 1;
    // Only requests with this command (cmdh << 8 | cmdl).
    std::optional<std::uint16_t> command;

    // Run-time state.
    unsigned used = 0;
    std::optional<TimePoint> busyUntil;
};

}  // namespace kilnward::sim
