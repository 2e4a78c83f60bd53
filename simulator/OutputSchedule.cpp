#include "simulator/OutputSchedule.h"

#include <algorithm>

namespace kilnward::sim {

void OutputSchedule::send(const wirelink::ByteBuffer& bytes, TimePoint now, Duration gap) {
    TimePoint at = std::max(now, lineFree_);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) {
            at += gap;
        }
        at += byteTime_;
        queue_.emplace_back(at, bytes[i]);
    }
    lineFree_ = at;
}

std::optional<TimePoint> OutputSchedule::nextDue() const {
    if (queue_.empty()) {
        return std::nullopt;
    }
    return queue_.front().first;
}

wirelink::ByteBuffer OutputSchedule::takeDue(TimePoint now) {
    wirelink::ByteBuffer due;
    while (!queue_.empty() && queue_.front().first <= now) {
        due.push_back(queue_.front().second);
        queue_.pop_front();
    }
    return due;
}

}  // namespace kilnward::sim
