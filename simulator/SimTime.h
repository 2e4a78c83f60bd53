#pragma once

#include <chrono>

#include "wirelink/Clock.h"

namespace kilnward::sim {

// The simulator runs on the link's monotonic time base, so an injected clock drives both
// sides of an in-process link.
using TimePoint = wirelink::Clock::time_point;
using Duration = wirelink::Clock::duration;

}  // namespace kilnward::sim
