#pragma once

#include <chrono>

#include "wirelink/ByteBuffer.h"

namespace kilnward::drivers {

// A date and time of the analyser's clock: wall-clock time, no time zone.
using DateTime = std::chrono::local_seconds;

// The date and time of the given fields by calendar arithmetic, so fields out of range roll
// over (month 13 is January of the next year, day 0 the last day of the month before).
DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second);

// The five-byte clock record: day, month, year within its century, hour, minute. The
// seconds are not part of it.
wirelink::ByteBuffer EncodeClockRecord(DateTime when);

// The date and time of a clock record; year bytes below 98 are 2000 plus the byte, the
// others 1900 plus the byte. Throws SubscriptError when the record has fewer than 5 bytes.
DateTime DecodeClockRecord(const wirelink::ByteBuffer& record);

}  // namespace kilnward::drivers
