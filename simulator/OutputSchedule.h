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

    std::optional<TimePoint> nextDue() const;
    wirelink::ByteBuffer takeDue(TimePoint now);
    bool empty() const { return queue_.empty(); }

  private:
    Duration byteTime_ = Duration::zero();
    TimePoint lineFree_{};
    std::deque<std::pair<TimePoint, std::uint8_t>> queue_;
};

}  // namespace kilnward::sim
