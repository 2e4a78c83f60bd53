#include "wirelink/FakeClock.h"

namespace wirelink {

void FakeClock::advance(duration d) {
    if (d > duration::zero()) {
        now_ += d;
    }
}

void FakeClock::advanceTo(time_point t) {
    if (t > now_) {
        now_ = t;
    }
}

}  // namespace wirelink
