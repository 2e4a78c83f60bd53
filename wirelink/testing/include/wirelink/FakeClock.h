#pragma once

#include "wirelink/Clock.h"

namespace wirelink {

// A clock for tests: time stands still until someone sleeps or advances it, so waits of
// seconds cost no real time.
class FakeClock final : public Clock {
  public:
    time_point now() const override { return now_; }
    void sleepFor(duration d) override { advance(d); }

    void advance(duration d);
    void advanceTo(time_point t);
    // Time passed since the clock was made.
    duration elapsed() const { return now_ - start_; }

  private:
    // Far from the epoch, so arithmetic before "now" never underflows.
    static constexpr time_point kStart = time_point{} + std::chrono::hours(1000);
    time_point start_ = kStart;
    time_point now_ = kStart;
};

}  // namespace wirelink
