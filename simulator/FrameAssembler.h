#pragma once

#include <optional>

#include "simulator/RequestFrame.h"
#include "simulator/SimTime.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::sim {

// Collects received bytes into request frames. Noise before a start byte is ignored, and a
// frame left incomplete by a pause on the line is dropped, so a client that gave up on a
// frame half way can start the next one cleanly.
class FrameAssembler {
  public:
    // A pause longer than this between two bytes of one frame abandons the frame.
    static constexpr Duration kFrameGap = std::chrono::milliseconds(500);

    std::optional<RequestFrame> push(std::uint8_t byte, TimePoint now);

  private:
    static constexpr std::size_t kHeaderSize = 7;

    wirelink::ByteBuffer buffer_;
    std::size_t wanted_ = 0;
    TimePoint lastByte_{};
};

}  // namespace kilnward::sim
