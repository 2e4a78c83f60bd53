#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "wirelink/ByteBuffer.h"

namespace kilnward::drivers {

// A value put into or taken out of a memory image. The alternative a getter returns follows
// its data type: byte (0), 16-bit (1, 3), 32-bit (2, 5), 64-bit (4), float (6), text as
// Windows-1252 bytes, one per character (7), raw bytes (8). std::monostate is the empty
// value of an unknown data type.
using BufferValue = std::variant<std::monostate, std::uint8_t, std::int16_t, std::int32_t,
                                 std::int64_t, float, std::string, wirelink::ByteBuffer>;

}  // namespace kilnward::drivers
