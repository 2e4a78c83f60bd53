#pragma once

#include <cstdint>

namespace kilnward::drivers {

// Encodings of the buffer members. Plain integer codes, because callers may pass any code
// and codes outside 0..8 are valid requests that do nothing.
namespace DataType {
inline constexpr std::int32_t UInt8 = 0;
inline constexpr std::int32_t Int8 = 1;
inline constexpr std::int32_t UInt16 = 2;
inline constexpr std::int32_t Int16 = 3;
inline constexpr std::int32_t UInt32 = 4;
inline constexpr std::int32_t Int32 = 5;
inline constexpr std::int32_t Float32 = 6;
inline constexpr std::int32_t Text = 7;
inline constexpr std::int32_t Bytes = 8;
}  // namespace DataType

}  // namespace kilnward::drivers
