#pragma once

#include <cstdint>

#include "wirelink/ByteBuffer.h"

namespace kilnward::sim {

// A request as it arrived on the line, before any check but the framing.
struct RequestFrame {
    std::uint8_t addr = 0;
    std::uint8_t type = 0;
    std::uint8_t cmdl = 0;
    std::uint8_t cmdh = 0;
    wirelink::ByteBuffer data;
    bool checksumOk = false;

    std::uint16_t command() const { return static_cast<std::uint16_t>(cmdh << 8 | cmdl); }
    bool isWrite() const { return (cmdh & 0x80) != 0; }
};

}  // namespace kilnward::sim
