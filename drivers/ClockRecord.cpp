#include "drivers/ClockRecord.h"

#include <string>

#include "drivers/SubscriptError.h"

namespace kilnward::drivers {

namespace {
constexpr std::size_t kRecordSize = 5;
constexpr int kFirstYearOf1900s = 98;
}  // namespace

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
    using namespace std::chrono;
    const year_month firstMonth = std::chrono::year{year} / January + months{month - 1};
    return local_days{firstMonth / 1} + days{day - 1} + hours{hour} + minutes{minute} +
           seconds{second};
}

wirelink::ByteBuffer EncodeClockRecord(DateTime when) {
    using namespace std::chrono;
    const auto day = floor<days>(when);
    const year_month_day date{day};
    const hh_mm_ss time{when - day};
    return {static_cast<std::uint8_t>(static_cast<unsigned>(date.day())),
            static_cast<std::uint8_t>(static_cast<unsigned>(date.month())),
            static_cast<std::uint8_t>(static_cast<int>(date.year()) % 100),
            static_cast<std::uint8_t>(time.hours().count()),
            static_cast<std::uint8_t>(time.minutes().count())};
}

DateTime DecodeClockRecord(const wirelink::ByteBuffer& record) {
    if (record.size() < kRecordSize) {
        throw SubscriptError("clock record of " + std::to_string(record.size()) +
                             " bytes, 5 needed");
    }
    const int yearByte = record[2];
    const int year = yearByte < kFirstYearOf1900s ? 2000 + yearByte : 1900 + yearByte;
    return MakeDateTime(year, record[1], record[0], record[3], record[4], 0);
}

}  // namespace kilnward::drivers
