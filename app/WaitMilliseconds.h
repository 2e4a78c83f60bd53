#pragma once

namespace kilnward::app {

// Keeps processing pending events (QCoreApplication) until `milliseconds` have passed on the
// monotonic clock. Sleeps briefly between rounds so it does not spin.
void WaitMilliseconds(int milliseconds);

}  // namespace kilnward::app
