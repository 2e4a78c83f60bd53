#pragma once

#include <chrono>

#include "wirelink/Export.h"

namespace wirelink {

// Monotonic time for every wait of the link, so waits cannot go wrong across midnight.
// Tests inject a fake that advances instantly.
class WIRELINK_EXPORT Clock {
  public:
    using duration = std::chrono::steady_clock::duration;
    using time_point = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual time_point now() const = 0;
    virtual void sleepFor(duration d) = 0;
};

class WIRELINK_EXPORT SteadyClock final : public Clock {
  public:
    time_point now() const override;
    void sleepFor(duration d) override;
};

// The process-wide real clock, used when a caller injects none.
WIRELINK_EXPORT Clock& DefaultClock();

}  // namespace wirelink
