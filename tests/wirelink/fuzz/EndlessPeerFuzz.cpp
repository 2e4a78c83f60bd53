// One request against a peer that never goes quiet: arbitrary bytes, over and over, at an
// arbitrary pace. Whatever they are, the request ends within four bounded attempts (after
// the busy time-out when BUSY answers keep restarting the count). The memory bound is
// libFuzzer's: the smoke test runs with a small RSS and allocation limit.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "wirelink/FakeClock.h"
#include "wirelink/FakeCommPort.h"
#include "wirelink/Frame.h"
#include "wirelink/Wirelink.h"

using namespace wirelink;

namespace {

constexpr std::uint8_t kBusyTimeoutSeconds = 2;
constexpr double kRate = 115200.0;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    FakeClock clock;
    FakeCommPort port(clock);
    Wirelink link(port, nullptr, &clock);
    link.setRaiseErrors(false);
    link.setBusyTimeout(kBusyTimeoutSeconds);
    link.setBaudRate("115200");
    if (link.OpenCom() != 0 || link.Defineflow(1, 9) != 0) {
        std::abort();
    }
    // 2 ms to about 28 ms between bytes.
    port.streamInput(ByteBuffer(data + 1, data + size),
                     std::chrono::microseconds(2000 + 100 * data[0]));
    const auto start = clock.now();
    const std::int32_t result = link.SendFrame(1, 0x10, 0x00, {});
    const double took = std::chrono::duration<double>(clock.now() - start).count();
    const double attempt = static_cast<double>(kMaxResponseFrame) * 10.0 / kRate + 1.0;
    if (took > kBusyTimeoutSeconds + 4 * attempt + 0.1) {
        std::abort();
    }
    if (result != 0 && !link.LastRcvFrame().empty()) {
        std::abort();
    }
    if (link.LastRcvFrame().size() > kMaxResponseData) {
        std::abort();
    }
    return 0;
}
