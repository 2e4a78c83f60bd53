#include "wirelink/Clock.h"

#include <thread>

namespace wirelink {

Clock::time_point SteadyClock::now() const {
    return std::chrono::steady_clock::now();
}

void SteadyClock::sleepFor(duration d) {
    std::this_thread::sleep_for(d);
}

Clock& DefaultClock() {
    static SteadyClock clock;
    return clock;
}

}  // namespace wirelink
