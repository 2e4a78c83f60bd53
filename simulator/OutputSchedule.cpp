#include "simulator/OutputSchedule.h"

#include <algorithm>

namespace kilnward::sim {

void OutputSchedule::send(const wirelink::ByteBuffer& bytes, TimePoint now, Duration gap) {
    if (endless_ || queue_.size() + bytes.size() > kMaxQueued) {
        return;  // the line is taken, or a client floods requests faster than answers go
    }
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

void OutputSchedule::sendForever(const wirelink::ByteBuffer& lead, const wirelink::ByteBuffer& fill,
                                 TimePoint now, Duration gap) {
    // At least one nanosecond apart, so the bytes made per look stay finite.
    const Duration step = std::max(gap, Duration(1));
    endless_ = Endless{lead, fill, step, std::max(now, lineFree_) + step, 0};
}

std::optional<TimePoint> OutputSchedule::nextDue() const {
    if (!queue_.empty()) {
        return queue_.front().first;
    }
    if (endless_) {
        return endless_->next;
    }
    return std::nullopt;
}

wirelink::ByteBuffer OutputSchedule::takeDue(TimePoint now) {
    wirelink::ByteBuffer due;
    while (!queue_.empty() && queue_.front().first <= now) {
        due.push_back(queue_.front().second);
        queue_.pop_front();
    }
    if (!queue_.empty() || !endless_) {
        return due;
    }
    Endless& out = *endless_;
    while (out.next <= now && due.size() < kMaxTake) {
        due.push_back(out.sent < out.lead.size()
                          ? out.lead[out.sent]
                          : out.fill[(out.sent - out.lead.size()) % out.fill.size()]);
        ++out.sent;
        out.next += out.gap;
    }
    if (out.next <= now) {
        out.next = now + out.gap;  // the rest of the overdue bytes were lost on the line
    }
    return due;
}

}  // namespace kilnward::sim
