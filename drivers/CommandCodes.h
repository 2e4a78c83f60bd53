#pragma once

#include <cstdint>

namespace kilnward::drivers {

// Commands of the analysers' relative devices, remote mode, transactions and clock. Reads
// and writes of one thing differ only in bit 7 of the high byte.
inline constexpr std::uint8_t kCmdTransaction = 0xDF;
inline constexpr std::uint8_t kRemLoc = 0x02;
inline constexpr std::uint8_t kStartTransaction = 0x01;
inline constexpr std::uint8_t kEndTransaction = 0x00;
inline constexpr std::uint8_t kCmdWriteDevice = 0xDC;
inline constexpr std::uint8_t kCmdReadDevice = 0x5C;
inline constexpr std::uint8_t kCmdWriteClock = 0xDE;
inline constexpr std::uint8_t kCmdReadClock = 0x5E;
inline constexpr std::uint8_t kCmdLow = 0x00;

}  // namespace kilnward::drivers
