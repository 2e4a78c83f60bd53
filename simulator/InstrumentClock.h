#pragma once

#include <QDateTime>

#include "simulator/SimTime.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::sim {

// The analyser's real-time clock. It runs in real (monotonic) time from the moment it was
// last set, so a client that sets it and reads it back later sees the time move on.
// The record is five bytes: day, month, year within the century, hour, minute.
class InstrumentClock {
  public:
    static constexpr std::size_t kRecordSize = 5;

    InstrumentClock(const QDateTime& start, TimePoint at);

    QDateTime current(TimePoint now) const;
    wirelink::ByteBuffer record(TimePoint now) const;
    // False (and the clock unchanged) when the record is not a valid date and time.
    bool set(const wirelink::ByteBuffer& record, TimePoint now);
    void set(const QDateTime& value, TimePoint now);

  private:
    QDateTime base_;
    TimePoint baseAt_;
};

}  // namespace kilnward::sim
