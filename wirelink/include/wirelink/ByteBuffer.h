#pragma once

#include <cstdint>
#include <vector>

namespace wirelink {

// Zero-based, growable byte sequence: request data, response data and memory images.
using ByteBuffer = std::vector<std::uint8_t>;

}  // namespace wirelink
