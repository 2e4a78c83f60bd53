#include "simulator/InstrumentClock.h"

#include <chrono>

namespace kilnward::sim {

namespace {

// Year bytes 98 and 99 belong to the last century, the rest to this one.
int YearOf(std::uint8_t yearByte) {
    return yearByte < 98 ? 2000 + yearByte : 1900 + yearByte;
}

}  // namespace

InstrumentClock::InstrumentClock(const QDateTime& start, TimePoint at) {
    set(start, at);
}

QDateTime InstrumentClock::current(TimePoint now) const {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - baseAt_);
    return base_.addMSecs(elapsed.count());
}

wirelink::ByteBuffer InstrumentClock::record(TimePoint now) const {
    const QDateTime value = current(now);
    const QDate date = value.date();
    const QTime time = value.time();
    return {static_cast<std::uint8_t>(date.day()), static_cast<std::uint8_t>(date.month()),
            static_cast<std::uint8_t>(date.year() % 100), static_cast<std::uint8_t>(time.hour()),
            static_cast<std::uint8_t>(time.minute())};
}

bool InstrumentClock::set(const wirelink::ByteBuffer& record, TimePoint now) {
    if (record.size() != kRecordSize || record[2] > 99) {
        return false;
    }
    const QDate date(YearOf(record[2]), record[1], record[0]);
    const QTime time(record[3], record[4]);
    if (!date.isValid() || !time.isValid()) {
        return false;
    }
    set(QDateTime(date, time), now);
    return true;
}

void InstrumentClock::set(const QDateTime& value, TimePoint now) {
    base_ = value;
    baseAt_ = now;
}

}  // namespace kilnward::sim
