// Runs one request against an instrument answering with arbitrary bytes, arriving in
// arbitrary pieces and gaps, and checks the link's promises about the result.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "wirelink/FakeClock.h"
#include "wirelink/FakeCommPort.h"
#include "wirelink/Wirelink.h"

using namespace wirelink;

namespace {

// Splits the input into replies: each piece is a length byte, a gap byte (tens of ms),
// then that many bytes; a zero length ends the reply.
std::vector<FakeCommPort::Reply> Replies(const std::uint8_t* data, std::size_t size) {
    std::vector<FakeCommPort::Reply> replies(1);
    std::size_t at = 0;
    while (at + 2 <= size && replies.size() <= 8) {
        const std::size_t length = data[at] % 48;
        const auto gap = std::chrono::milliseconds(10 * data[at + 1]);
        at += 2;
        if (length == 0) {
            replies.emplace_back();
            continue;
        }
        const std::size_t end = std::min(size, at + length);
        replies.back().push_back({ByteBuffer(data + at, data + end), gap, 0});
        at = end;
    }
    return replies;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakeClock clock;
    FakeCommPort port(clock);
    Wirelink link(port, nullptr, &clock);
    link.setRaiseErrors(false);
    link.setBusyTimeout(2);
    if (link.OpenCom() != 0 || link.Defineflow(1, 9) != 0) {
        std::abort();
    }
    for (auto& reply : Replies(data, size)) {
        port.queueReply(std::move(reply));
    }
    bool completed = false;
    link.setFrameCompletedOK([&](std::uint8_t) { completed = true; });
    const bool write = size > 0 && (data[0] & 1) != 0;
    const std::int32_t result = write ? link.SendTXFrame_wresponse(1, 0x81, 0x00, {1, 2})
                                      : link.SendFrame(1, 0x10, 0x00, {});
    if ((result == 0) != completed) {
        std::abort();
    }
    if (result != 0 && !link.LastRcvFrame().empty()) {
        std::abort();
    }
    if (port.frames().size() > 64) {
        std::abort();
    }
    return 0;
}
