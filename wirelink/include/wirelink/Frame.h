#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "wirelink/ByteBuffer.h"
#include "wirelink/Export.h"

namespace wirelink {

inline constexpr std::uint8_t kStartByte = 0x02;
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x15;
inline constexpr std::uint8_t kBusy = 0x18;
inline constexpr std::uint8_t kFail = 0x05;
inline constexpr std::size_t kMaxRequestData = 32767;
inline constexpr std::size_t kMaxResponseData = 32765;
// Start byte, four header bytes, count, the most data an answer may carry, checksum.
inline constexpr std::size_t kMaxResponseFrame = kMaxResponseData + 9;

// Complemented byte sum, low 16 bits. Sent low byte first.
WIRELINK_EXPORT std::uint16_t FrameChecksum(const std::uint8_t* bytes, std::size_t count);
WIRELINK_EXPORT std::uint16_t FrameChecksum(const ByteBuffer& bytes);

// A request or data frame: 02, addr, type, cmdl, cmdh, count (LE16), data, checksum (LE16).
// Returns nothing when the data is longer than a frame can carry.
WIRELINK_EXPORT std::optional<ByteBuffer> BuildFrame(std::uint8_t addr, std::uint8_t type,
                                                     std::uint8_t cmdh, std::uint8_t cmdl,
                                                     const ByteBuffer& data);

}  // namespace wirelink
