#include "simulator/FrameAssembler.h"

#include "wirelink/Frame.h"

namespace kilnward::sim {

std::optional<RequestFrame> FrameAssembler::push(std::uint8_t byte, TimePoint now) {
    if (!buffer_.empty() && now - lastByte_ > kFrameGap) {
        buffer_.clear();
    }
    lastByte_ = now;
    if (buffer_.empty() && byte != wirelink::kStartByte) {
        return std::nullopt;
    }
    buffer_.push_back(byte);
    if (buffer_.size() == kHeaderSize) {
        const std::size_t count = buffer_[5] | buffer_[6] << 8;
        if (count > wirelink::kMaxRequestData) {
            buffer_.clear();  // no client sends this; treat it as line noise
            return std::nullopt;
        }
        wanted_ = kHeaderSize + count + 2;
    }
    if (buffer_.size() < kHeaderSize || buffer_.size() < wanted_) {
        return std::nullopt;
    }
    RequestFrame frame;
    frame.addr = buffer_[1];
    frame.type = buffer_[2];
    frame.cmdl = buffer_[3];
    frame.cmdh = buffer_[4];
    frame.data.assign(buffer_.begin() + kHeaderSize, buffer_.end() - 2);
    const std::uint16_t sum = wirelink::FrameChecksum(buffer_.data(), buffer_.size() - 2);
    frame.checksumOk =
        buffer_[buffer_.size() - 2] == (sum & 0xFF) && buffer_[buffer_.size() - 1] == (sum >> 8);
    buffer_.clear();
    wanted_ = 0;
    return frame;
}

}  // namespace kilnward::sim
