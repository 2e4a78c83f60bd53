#include <algorithm>

#include "InfraredSpeed.h"
#include "WirelinkImpl.h"
#include "wirelink/Frame.h"
#include "wirelink/PortErrors.h"
#include "wirelink/ResponseDecoder.h"

namespace wirelink {

namespace {

using Seconds = std::chrono::duration<double>;

constexpr int kMaxAttempts = 4;
constexpr Seconds kInterByteLimit = kInterByteTime;
constexpr Seconds kTxReadyLimit{1.0};
// Start bit, eight data bits, stop bit.
constexpr double kBitsPerByte = 10.0;
// The rate assumed for a BaudRate text without a number (the port refuses it anyway).
constexpr long kFallbackRate = 1200;
// While host events run during a wait, the wait is cut into slices this long so the
// host stays responsive; otherwise it blocks on the port for the whole remaining time.
constexpr std::chrono::milliseconds kEventSlice{20};
// DSR has no change notification on every platform, so its waits look at the line at
// this interval.
constexpr std::chrono::milliseconds kDsrPollInterval{2};
// Start byte, address, type, command, count and checksum around a frame's data.
constexpr std::size_t kFrameOverheadBytes = kMaxResponseFrame - kMaxResponseData;

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

// The failure an attempt's outcome ends its request with at once; none when another
// attempt may mend it.
std::optional<WLink_errors> FinalError(AttemptOutcome outcome, std::uint8_t failCode) {
    switch (outcome) {
        case AttemptOutcome::FAIL:
            return FailCodeError(failCode);
        case AttemptOutcome::CANCELLED:
            return WLink_errors::WLerr_cancelledsend;
        case AttemptOutcome::ABORTED:
            return WLink_errors::WLerr_abortsend;
        case AttemptOutcome::TOOLONG:
            return WLink_errors::WLerr_frametoolong;
        default:
            return std::nullopt;
    }
}

}  // namespace

void Wirelink::Impl::exchange(std::uint8_t addr, std::uint8_t cmdh, std::uint8_t cmdl,
                              const ByteBuffer& data, AnswerSize answer) {
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
    runTransaction(addr, *frame, answer);
}

void Wirelink::Impl::runTransaction(std::uint8_t addr, const ByteBuffer& frame, AnswerSize answer) {
    ErrorContext context;
    context.addr = addr;
    context.type = frame[2];
    context.cmdl = frame[3];
    context.cmdh = frame[4];
    const auto busyLimit =
        std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(busyTimeout));
    const auto start = clock.now();
    int attempts = 0;
    for (int attempt = 1;; ++attempt) {
        port.discardInput();
        std::uint8_t failCode = 0;
        ByteBuffer received;
        traceFrame(LinkEvent::Kind::Sent, addr, attempt, frame);
        const auto provisional = sendFrameBytes(frame);
        const AttemptOutcome outcome =
            provisional ? *provisional : receiveFrame(frame, answer, failCode, received);
        if (!received.empty()) {
            traceFrame(LinkEvent::Kind::Received, addr, attempt, received);
        }
        if (outcome == AttemptOutcome::TIMEOUT) {
            // Its answer may still come, late, while a later request waits for its own.
            ++timedOutAttempts;
            traceLine("request " + HexBytes(frame) + ": attempt " + std::to_string(attempt) +
                      " timed out");
        }
        if (outcome == AttemptOutcome::ACK || outcome == AttemptOutcome::DATA) {
            traceAttempt(addr, attempt, outcome, LinkEvent::Next::Done);
            return;
        }
        if (const auto final = FinalError(outcome, failCode)) {
            context.code = outcome == AttemptOutcome::FAIL ? failCode : 0;
            const Error failure(*final, context);
            traceAttempt(addr, attempt, outcome, LinkEvent::Next::GiveUp, &failure);
            throw failure;
        }
        if (outcome == AttemptOutcome::BUSY) {
            // A busy instrument restarts the count until its time is up; with a
            // BusyTimeout of 0 the first BUSY ends the request.
            attempts = clock.now() - start >= busyLimit ? kMaxAttempts : 0;
        } else {
            ++attempts;
        }
        if (attempts >= kMaxAttempts) {
            port.discardInput();
            flows.setConnected(addr, false);
            const Error failure(ExhaustedError(outcome), context);
            traceAttempt(addr, attempt, outcome, LinkEvent::Next::GiveUp, &failure);
            throw failure;
        }
        traceAttempt(addr, attempt, outcome, LinkEvent::Next::Retry);
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

AttemptOutcome Wirelink::Impl::receiveFrame(const ByteBuffer& request, AnswerSize answer,
                                            std::uint8_t& failCode, ByteBuffer& received) {
    ResponseDecoder decoder;
    // Whatever ends the attempt, what it received is known to the caller.
    struct Keep {
        const ResponseDecoder& decoder;
        ByteBuffer& received;
        ~Keep() { received = decoder.received(); }
    } keep{decoder, received};
    // Whatever the peer sends, and however slowly, the attempt ends: no answer takes longer
    // than its frame (the longest, when its size is unknown) at the line rate plus the
    // inter-byte time-out.
    auto deadline = clock.now() + attemptLimit(answer);
    for (;;) {
        if (auto stopped = waitInput(decoder.wanted(), deadline)) {
            return *stopped;
        }
        // In the body phase the header read may already have brought the whole frame;
        // the read then finds nothing waiting and yields no bytes.
        const std::size_t size = decoder.readSize();
        const ByteBuffer bytes = size == 0 ? ByteBuffer{} : port.read(size);
        if (port.takeLineError() >= kFirstLineError) {
            return AttemptOutcome::HARDWARE;
        }
        if (const auto outcome = decoder.feed(bytes)) {
            if (*outcome == AttemptOutcome::DATA) {
                lastRcvFrame = decoder.data();
                traceHeader(request, decoder.received());
            }
            failCode = decoder.failCode();
            return *outcome;
        }
        if (decoder.phase() == ResponseDecoder::Phase::First && !decoder.received().empty()) {
            // An unrecognised first byte begins no answer: the attempt can only time out, so
            // noise behind it does not hold it longer than one inter-byte time.
            deadline = std::min(deadline, clock.now() + std::chrono::duration_cast<Clock::duration>(
                                                            kInterByteLimit));
        }
    }
}

std::optional<AttemptOutcome> Wirelink::Impl::waitInput(std::size_t wanted,
                                                        Clock::time_point deadline) {
    if (wanted == 0) {
        return std::nullopt;
    }
    const auto limit = std::chrono::duration_cast<Clock::duration>(kInterByteLimit);
    std::size_t last = 0;
    auto mark = clock.now();
    for (;;) {
        const std::size_t waiting = port.bytesAvailable();
        if (waiting >= wanted) {
            return std::nullopt;
        }
        const auto now = clock.now();
        // The limit is an inter-byte time-out: it restarts whenever the count changes.
        const bool arrived = waiting != last;
        if (arrived) {
            last = waiting;
            mark = now;
        }
        if (auto stopped = serviceHost()) {
            return stopped;
        }
        if (now - mark > limit || now >= deadline) {
            return AttemptOutcome::TIMEOUT;
        }
        const auto remaining = std::min(mark + limit - now, deadline - now);
        if (arrived) {
            // The bytes still missing cannot all be here before they have crossed the line:
            // sleep that long instead of waking for every byte.
            auto nap = std::min<Clock::duration>(byteTime() * (wanted - waiting), remaining);
            if (permitsEvents) {
                nap = std::min<Clock::duration>(nap, kEventSlice);
            }
            clock.sleepFor(nap);
        } else {
            // Nothing new since the last look: block in the port until the next byte.
            port.waitForInput(waiting, waitSlice(remaining));
        }
    }
}

void Wirelink::Impl::waitLineQuiet(Clock::duration quiet, Clock::time_point deadline) {
    auto mark = clock.now();
    for (;;) {
        if (port.bytesAvailable() > 0) {
            port.discardInput();
            mark = clock.now();
        }
        const auto now = clock.now();
        if (now - mark >= quiet || now >= deadline) {
            return;
        }
        port.waitForInput(0, waitSlice(std::min(mark + quiet - now, deadline - now)));
    }
}

Clock::duration Wirelink::Impl::byteTime() const {
    long rate = LeadingNumber(baudRate);
    if (rate < 1) {
        rate = kFallbackRate;
    }
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(kBitsPerByte / static_cast<double>(rate)));
}

Clock::duration Wirelink::Impl::attemptLimit(AnswerSize answer) const {
    // A data frame is the longest answer of its size (ACK, NAK, BUSY and FAIL are shorter).
    const std::size_t frameBytes =
        answer ? std::min(*answer, kMaxResponseData) + kFrameOverheadBytes : kMaxResponseFrame;
    return byteTime() * static_cast<long>(frameBytes) +
           std::chrono::duration_cast<Clock::duration>(kInterByteLimit);
}

void Wirelink::Impl::traceLine(const std::string& line) const {
    if (trace) {
        trace(line);
    }
}

void Wirelink::Impl::traceNote(const std::string& text) const {
    if (eventTrace) {
        LinkEvent event;
        event.text = text;
        eventTrace(event);
    }
}

void Wirelink::Impl::traceFrame(LinkEvent::Kind kind, std::uint8_t addr, int attempt,
                                const ByteBuffer& bytes) const {
    if (eventTrace) {
        LinkEvent event;
        event.kind = kind;
        event.addr = addr;
        event.attempt = attempt;
        event.bytes = bytes;
        eventTrace(event);
    }
}

void Wirelink::Impl::traceAttempt(std::uint8_t addr, int attempt, AttemptOutcome outcome,
                                  LinkEvent::Next next, const Error* failure) const {
    if (eventTrace) {
        LinkEvent event;
        event.kind = LinkEvent::Kind::Attempt;
        event.addr = addr;
        event.attempt = attempt;
        event.outcome = outcome;
        event.next = next;
        if (failure) {
            event.status = failure->code();
            event.text = failure->what();
        }
        eventTrace(event);
    }
}

void Wirelink::Impl::traceHeader(const ByteBuffer& request, const ByteBuffer& answer) const {
    // Address, type and command of an answer are not checked (analysers may not echo them
    // exactly); a difference is worth seeing when answers look misplaced.
    constexpr std::size_t kFirst = 1;
    constexpr std::size_t kEnd = 5;
    if ((!trace && !eventTrace) || request.size() < kEnd || answer.size() < kEnd ||
        std::equal(request.begin() + kFirst, request.begin() + kEnd, answer.begin() + kFirst)) {
        return;
    }
    const std::string line = "answer header " +
                             HexBytes(ByteBuffer(answer.begin() + kFirst, answer.begin() + kEnd)) +
                             " differs from request " +
                             HexBytes(ByteBuffer(request.begin() + kFirst, request.begin() + kEnd));
    traceLine(line);
    traceNote(line);
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
