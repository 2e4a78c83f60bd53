// Feeds arbitrary bytes to the response decoder in reads shaped the way the link makes
// them, and checks what any outcome promises.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "wirelink/Frame.h"
#include "wirelink/ResponseDecoder.h"

using namespace wirelink;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte decides how much of what is waiting each body read takes.
    const std::size_t shortRead = data[0] % 8;
    const ByteBuffer bytes(data + 1, data + size);
    ResponseDecoder decoder;
    std::size_t at = 0;
    for (;;) {
        const std::size_t left = bytes.size() - at;
        if (left < decoder.wanted()) {
            return 0;  // silence: the link would time out
        }
        std::size_t take = std::min(left, decoder.readSize());
        if (decoder.readSize() > 1 && shortRead != 0 && take > shortRead) {
            take = std::min(std::max(decoder.wanted(), shortRead), decoder.readSize());
        }
        const ByteBuffer chunk(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                               bytes.begin() + static_cast<std::ptrdiff_t>(at + take));
        at += take;
        const auto outcome = decoder.feed(chunk);
        if (!outcome) {
            if (decoder.received().size() > kMaxResponseFrame) {
                std::abort();
            }
            continue;
        }
        const ByteBuffer& got = decoder.received();
        if (*outcome == AttemptOutcome::DATA) {
            const std::size_t count = got[5] + 256u * got[6];
            if (count > kMaxResponseData || decoder.data().size() != count ||
                got.size() < count + 9) {
                std::abort();
            }
            const std::uint16_t sum = FrameChecksum(got.data(), got.size() - 2);
            if (got[got.size() - 2] != (sum & 0xFF) || got[got.size() - 1] != (sum >> 8)) {
                std::abort();
            }
        }
        if (*outcome == AttemptOutcome::FAIL && got.size() != 2) {
            std::abort();
        }
        return 0;
    }
}
