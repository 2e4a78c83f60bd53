#include <gtest/gtest.h>

#include <chrono>

#include "drivers/ClockRecord.h"
#include "drivers/SubscriptError.h"

namespace kilnward::drivers {
namespace {

using wirelink::ByteBuffer;

TEST(ClockRecord, EncodesDayMonthYearHourMinuteWithoutSeconds) {
    EXPECT_EQ(EncodeClockRecord(MakeDateTime(2003, 3, 5, 14, 7, 59)),
              (ByteBuffer{0x05, 0x03, 0x03, 0x0E, 0x07}));
    EXPECT_EQ(EncodeClockRecord(MakeDateTime(1999, 12, 31, 23, 59, 0)),
              (ByteBuffer{31, 12, 99, 23, 59}));
    EXPECT_EQ(EncodeClockRecord(MakeDateTime(2100, 1, 1, 0, 0, 0)), (ByteBuffer{1, 1, 0, 0, 0}));
}

TEST(ClockRecord, YearBytesBelow98AreThisCentury) {
    EXPECT_EQ(DecodeClockRecord({0x05, 0x03, 0x63, 0x0E, 0x07}),
              MakeDateTime(1999, 3, 5, 14, 7, 0));
    EXPECT_EQ(DecodeClockRecord({1, 1, 98, 0, 0}), MakeDateTime(1998, 1, 1, 0, 0, 0));
    EXPECT_EQ(DecodeClockRecord({1, 1, 97, 0, 0}), MakeDateTime(2097, 1, 1, 0, 0, 0));
    EXPECT_EQ(DecodeClockRecord({1, 1, 0, 0, 0}), MakeDateTime(2000, 1, 1, 0, 0, 0));
}

TEST(ClockRecord, OutOfRangeFieldsRollOver) {
    using namespace std::chrono;
    const DateTime rolled = DecodeClockRecord({5, 13, 3, 10, 0});
    EXPECT_EQ(year_month_day{floor<days>(rolled)}, 2004y / January / 5);
    EXPECT_EQ(DecodeClockRecord({31, 2, 3, 0, 0}), MakeDateTime(2003, 3, 3, 0, 0, 0));
    EXPECT_EQ(DecodeClockRecord({0, 3, 4, 0, 0}), MakeDateTime(2004, 2, 29, 0, 0, 0));
    EXPECT_EQ(DecodeClockRecord({31, 12, 3, 24, 60}), MakeDateTime(2004, 1, 1, 1, 0, 0));
}

TEST(ClockRecord, ExtraBytesAreIgnoredAndShortRecordsFail) {
    EXPECT_EQ(DecodeClockRecord({5, 3, 3, 14, 7, 0xAA}), MakeDateTime(2003, 3, 5, 14, 7, 0));
    EXPECT_THROW(DecodeClockRecord({5, 3, 3, 14}), SubscriptError);
    EXPECT_THROW(DecodeClockRecord({}), SubscriptError);
}

TEST(ClockRecord, RoundTripKeepsEverythingButSeconds) {
    const DateTime when = MakeDateTime(2026, 12, 7, 15, 42, 31);
    EXPECT_EQ(DecodeClockRecord(EncodeClockRecord(when)), MakeDateTime(2026, 12, 7, 15, 42, 0));
}

}  // namespace
}  // namespace kilnward::drivers
