#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace wirelink {

// The lowest line speed the infrared adapter can be programmed for.
inline constexpr long kMinInfraredBaud = 1200;

// The adapter's speed code for a rate given as exact text ("115200" -> 0x10).
std::optional<std::uint8_t> InfraredSpeedCode(const std::string& rate);

// The leading decimal number of a text, 0 when it has none ("600" -> 600, "x" -> 0).
long LeadingNumber(const std::string& text);

}  // namespace wirelink
