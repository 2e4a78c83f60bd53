#pragma once

#include <deque>
#include <optional>
#include <utility>

#include "simulator/SimTime.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::sim {

// Bytes on their way out of the simulator, each with the time it has fully arrived at the
// other end. Bytes follow each other on one line, so an answer never overtakes the one
// before it.
class OutputSchedule {
  public:
    // Time one byte takes on the line (zero: unpaced).
    void setByteTime(Duration byteTime) { byteTime_ = byteTime; }
    Duration byteTime() const { return byteTime_; }

    // Queue `bytes` to start at `now` or when the line is free, with `gap` of silence before
    // every byte but the first.
    void send(const wirelink::ByteBuffer& bytes, TimePoint now, Duration gap = Duration::zero());

    // From when the line is free on, sends `lead` and then `fill` over and over without
    // end, one byte every `gap` (a peer that never goes quiet). Bytes are made as they fall
    // due.
    void sendForever(const wirelink::ByteBuffer& lead, const wirelink::ByteBuffer& fill,
                     TimePoint now, Duration gap);
    bool endless() const { return endless_.has_value(); }

    std::optional<TimePoint> nextDue() const;
    // Due bytes, at most kMaxTake at a time: what a slow reader leaves behind of an
    // endless output is dropped, as a line drops what nobody takes.
    wirelink::ByteBuffer takeDue(TimePoint now);
    bool empty() const { return queue_.empty() && !endless_; }

    // At most this many bytes wait to go out; an answer that does not fit is dropped.
    static constexpr std::size_t kMaxQueued = 65536;
    static constexpr std::size_t kMaxTake = 4096;

  private:
    struct Endless {
        wirelink::ByteBuffer lead;
        wirelink::ByteBuffer fill;
        Duration gap{};
        TimePoint next{};
        std::size_t sent = 0;
    };

    Duration byteTime_ = Duration::zero();
    TimePoint lineFree_{};
    std::deque<std::pair<TimePoint, std::uint8_t>> queue_;
    std::optional<Endless> endless_;
};

}  // namespace kilnward::sim
