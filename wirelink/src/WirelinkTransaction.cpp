#include <algorithm>

#include "WirelinkImpl.h"
#include "wirelink/Frame.h"
#include "wirelink/PortErrors.h"
#include "wirelink/ResponseDecoder.h"

namespace wirelink {

namespace {

using Seconds = std::chrono::duration<double>;

constexpr int kMaxAttempts = 4;
constexpr Seconds kInterByteLimit{1.0};
constexpr Seconds kTxReadyLimit{1.0};
// While host events run during a wait, the wait is cut into slices this long so the
// host stays responsive; otherwise it blocks on the port for the whole remaining time.
constexpr std::chrono::milliseconds kEventSlice{20};
// DSR has no change notification on every platform, so its waits look at the line at
// this interval.
constexpr std::chrono::milliseconds kDsrPollInterval{2};

WLink_errors ExhaustedError(AttemptOutcome outcome) {
    switch (outcome) {
        case AttemptOutcome::NAK:
            return WLink_errors::WLerr_nakerror;
        case AttemptOutcome::HARDWARE:
            return WLink_errors::WLerr_hardwareerror;
        case AttemptOutcome::TXNOTREADY:
            return WLink_errors::WLerr_DSRerror;
        case AttemptOutcome::CHECKSUM:
            return WLink_errors::WLerr_checksumerror;
        case AttemptOutcome::BUSY:
            return WLink_errors::WLerr_busytoolong;
        default:
            return WLink_errors::WLerr_timeouterror;
    }
}

WLink_errors FailCodeError(std::uint8_t code) {
    switch (code) {
        case 0x20:
            return WLink_errors::WLerrFAIL_ID;
        case 0x21:
            return WLink_errors::WLerrFAIL_CMDUNKNOW;
        case 0x22:
            return WLink_errors::WLerrFAIL_ERRORNUMBERDATA;
        case 0x23:
            return WLink_errors::WLerrFAIL_TOOMANYDATAFORFLOW;
        default:
            return WLink_errors::WLerrFAIL_NOTDEFINED;
    }
}

}  // namespace

void Wirelink::Impl::exchange(std::uint8_t addr, std::uint8_t cmdh, std::uint8_t cmdl,
                              const ByteBuffer& data) {
    // Emptied first, so a request that fails anywhere leaves no stale answer behind.
    lastRcvFrame.clear();
    ErrorContext context;
    context.addr = addr;
    context.cmdh = cmdh;
    context.cmdl = cmdl;
    if (!port.isOpen()) {
        throw Error(WLink_errors::WLerr_devicenotopened, context);
    }
    if (!flows.exists(addr)) {
        throw Error(WLink_errors::WLerr_flownotdefined, context);
    }
    context.type = flows.type(addr);
    const auto frame = BuildFrame(addr, context.type, cmdh, cmdl, data);
    if (!frame) {
        throw Error(WLink_errors::WLerr_frametoolong, context);
    }
    if (!flows.connected(addr)) {
        throw Error(WLink_errors::WLerr_flowdisconnected, context);
    }
    runTransaction(addr, *frame);
}

void Wirelink::Impl::runTransaction(std::uint8_t addr, const ByteBuffer& frame) {
    ErrorContext context;
    context.addr = addr;
    context.type = frame[2];
    context.cmdl = frame[3];
    context.cmdh = frame[4];
    const auto busyLimit =
        std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(busyTimeout));
    const auto start = clock.now();
    int attempts = 0;
    AttemptOutcome outcome = AttemptOutcome::TIMEOUT;
    for (;;) {
        port.discardInput();
        if (attempts >= kMaxAttempts) {
            flows.setConnected(addr, false);
            throw Error(ExhaustedError(outcome), context);
        }
        std::uint8_t failCode = 0;
        const auto provisional = sendFrameBytes(frame);
        outcome = provisional ? *provisional : receiveFrame(failCode);
        if (outcome == AttemptOutcome::BUSY) {
            // A busy instrument restarts the count until its time is up; with a
            // BusyTimeout of 0 the first BUSY ends the request.
            attempts = clock.now() - start >= busyLimit ? kMaxAttempts : 0;
        } else {
            ++attempts;
        }
        switch (outcome) {
            case AttemptOutcome::ACK:
            case AttemptOutcome::DATA:
                return;
            case AttemptOutcome::FAIL:
                context.code = failCode;
                throw Error(FailCodeError(failCode), context);
            case AttemptOutcome::CANCELLED:
                throw Error(WLink_errors::WLerr_cancelledsend, context);
            case AttemptOutcome::ABORTED:
                throw Error(WLink_errors::WLerr_abortsend, context);
            case AttemptOutcome::TOOLONG:
                throw Error(WLink_errors::WLerr_frametoolong, context);
            default:
                break;
        }
    }
}

std::optional<AttemptOutcome> Wirelink::Impl::sendFrameBytes(const ByteBuffer& frame) {
    if (!infrared) {
        port.write(frame);
        return std::nullopt;
    }
    // The adapter takes one byte at a time, each when it shows it is ready. A byte that
    // cannot go ends the attempt: sending the rest would put a damaged frame on the line.
    for (const std::uint8_t byte : frame) {
        if (auto failed = waitDsrLow(kTxReadyLimit, true)) {
            return failed;
        }
        port.write(ByteBuffer{byte});
    }
    return std::nullopt;
}

AttemptOutcome Wirelink::Impl::receiveFrame(std::uint8_t& failCode) {
    ResponseDecoder decoder;
    for (;;) {
        if (auto stopped = waitInput(decoder.wanted(), kInterByteLimit)) {
            return *stopped;
        }
        // In the body phase the header read may already have brought the whole frame;
        // the read then finds nothing waiting and yields no bytes.
        const ByteBuffer bytes = port.read(decoder.readSize());
        if (port.takeLineError() >= kFirstLineError) {
            return AttemptOutcome::HARDWARE;
        }
        if (const auto outcome = decoder.feed(bytes)) {
            if (*outcome == AttemptOutcome::DATA) {
                lastRcvFrame = decoder.data();
            }
            failCode = decoder.failCode();
            return *outcome;
        }
    }
}

std::optional<AttemptOutcome> Wirelink::Impl::waitInput(std::size_t wanted, Seconds limit) {
    if (wanted == 0) {
        return std::nullopt;
    }
    const auto limitDuration = std::chrono::duration_cast<Clock::duration>(limit);
    std::size_t last = 0;
    for (;;) {
        // The limit is an inter-byte time-out: it restarts whenever the count changes.
        const auto mark = clock.now();
        std::size_t waiting = port.bytesAvailable();
        while (waiting == last) {
            if (auto stopped = serviceHost()) {
                return stopped;
            }
            const auto elapsed = clock.now() - mark;
            if (elapsed > limitDuration) {
                return AttemptOutcome::TIMEOUT;
            }
            port.waitForInput(last, waitSlice(limitDuration - elapsed));
            waiting = port.bytesAvailable();
        }
        last = waiting;
        if (last >= wanted) {
            return std::nullopt;
        }
    }
}

std::optional<AttemptOutcome> Wirelink::Impl::waitDsrLow(Seconds limit, bool interruptible) {
    const auto limitDuration = std::chrono::duration_cast<Clock::duration>(limit);
    const auto mark = clock.now();
    for (;;) {
        if (!port.dsrHolding()) {
            return std::nullopt;
        }
        if (interruptible) {
            if (auto stopped = serviceHost()) {
                return stopped;
            }
        }
        if (clock.now() - mark > limitDuration) {
            return AttemptOutcome::TXNOTREADY;
        }
        clock.sleepFor(kDsrPollInterval);
    }
}

std::optional<AttemptOutcome> Wirelink::Impl::serviceHost() {
    if (permitsEvents && host != nullptr) {
        host->processEvents();
    }
    if (cancelRequested) {
        return parentUnloading ? AttemptOutcome::ABORTED : AttemptOutcome::CANCELLED;
    }
    return std::nullopt;
}

std::chrono::milliseconds Wirelink::Impl::waitSlice(Clock::duration remaining) const {
    // One millisecond past the limit, so the next look at the clock finds it exceeded.
    auto slice =
        std::chrono::ceil<std::chrono::milliseconds>(remaining) + std::chrono::milliseconds(1);
    if (permitsEvents) {
        slice = std::min(slice, kEventSlice);
    }
    return slice;
}

}  // namespace wirelink
