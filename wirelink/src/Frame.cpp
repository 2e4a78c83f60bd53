#include "wirelink/Frame.h"

namespace wirelink {

std::uint16_t FrameChecksum(const std::uint8_t* bytes, std::size_t count) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        sum += bytes[i];
    }
    return static_cast<std::uint16_t>(~sum & 0xFFFFu);
}

std::uint16_t FrameChecksum(const ByteBuffer& bytes) {
    return FrameChecksum(bytes.data(), bytes.size());
}

std::optional<ByteBuffer> BuildFrame(std::uint8_t addr, std::uint8_t type, std::uint8_t cmdh,
                                     std::uint8_t cmdl, const ByteBuffer& data) {
    if (data.size() > kMaxRequestData) {
        return std::nullopt;
    }
    const auto count = static_cast<std::uint16_t>(data.size());
    ByteBuffer frame;
    frame.reserve(data.size() + 9);
    frame.insert(frame.end(),
                 {kStartByte, addr, type, cmdl, cmdh, static_cast<std::uint8_t>(count & 0xFF),
                  static_cast<std::uint8_t>(count >> 8)});
    frame.insert(frame.end(), data.begin(), data.end());
    const std::uint16_t checksum = FrameChecksum(frame);
    frame.push_back(static_cast<std::uint8_t>(checksum & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(checksum >> 8));
    return frame;
}

}  // namespace wirelink
