#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "FlowTable.h"
#include "wirelink/AttemptOutcome.h"
#include "wirelink/Wirelink.h"

namespace wirelink {

// Parity, data and stop bits the link always uses after the rate.
inline constexpr const char* kLineFormat = ",n,8,1";
// An attempt ends when no byte has arrived for this long.
inline constexpr std::chrono::duration<double> kInterByteTime{1.0};

// State and internal operations of the link control.
struct Wirelink::Impl {
    using Seconds = std::chrono::duration<double>;

    Impl(CommPort& p, Host* h, Clock* c) : port(p), host(h), clock(c ? *c : DefaultClock()) {}

    CommPort& port;
    Host* host;
    Clock& clock;

    // Properties.
    bool raiseErrors = true;
    std::string baudRate = "9600";
    bool infrared = false;
    std::int16_t comPort = 1;
    std::string portName;
    std::uint8_t busyTimeout = 10;
    bool permitsEvents = false;
    ByteBuffer lastRcvFrame;

    FlowTable flows;
    bool cancelRequested = false;
    bool parentUnloading = false;
    bool requestRunning = false;
    std::function<void(std::uint8_t)> frameCompletedOK;
    std::function<void(const std::string&)> trace;
    std::function<void(const LinkEvent&)> eventTrace;
    std::uint32_t timedOutAttempts = 0;

    bool runMode() const { return host == nullptr || host->runMode(); }
    void changed(const char* property);
    // Runs `step`; a failure becomes the result, and is raised as well when RaiseErrors is set.
    std::int32_t report(const std::function<void()>& step);

    // Port and infrared adapter (WirelinkPort.cpp).
    void openPort();
    // openPort, with a note in the traces of how it went.
    void openTraced();
    void resetIrAdapter();
    void setIrSpeed(const std::string& rate);
    void delay(Seconds seconds);
    void driveDtr(bool high);
    void driveRts(bool high);
    void driveLine(const std::function<void()>& drive);
    // Infrared needs the modem lines: fails with WLerr_nomodemlines on a port without them.
    void requireModemLines();
    void waitOutputDrained();

    // Requests (WirelinkTransaction.cpp).
    // The most data bytes a request's answer carries; nullopt: unknown (up to the longest
    // frame).
    using AnswerSize = std::optional<std::size_t>;
    void exchange(std::uint8_t addr, std::uint8_t cmdh, std::uint8_t cmdl, const ByteBuffer& data,
                  AnswerSize answer);
    void runTransaction(std::uint8_t addr, const ByteBuffer& frame, AnswerSize answer);
    AttemptOutcome receiveFrame(const ByteBuffer& request, AnswerSize answer,
                                std::uint8_t& failCode, ByteBuffer& received);
    // SendFrame and SendTXFrame_wresponse, with or without a known answer size.
    std::int32_t sendFrame(std::uint8_t addr, std::uint8_t cmdh, std::uint8_t cmdl,
                           const ByteBuffer& data, AnswerSize answer);
    std::int32_t sendWrite(std::uint8_t addr, std::uint8_t cmdh, std::uint8_t cmdl,
                           const ByteBuffer& data, AnswerSize answer);
    std::optional<AttemptOutcome> sendFrameBytes(const ByteBuffer& frame);
    std::optional<AttemptOutcome> waitInput(std::size_t wanted, Clock::time_point deadline);
    // Discards what arrives until the line has been silent for `quiet`, or until `deadline`.
    void waitLineQuiet(Clock::duration quiet, Clock::time_point deadline);
    // Time one byte takes on the line at BaudRate (ten bits per byte).
    Clock::duration byteTime() const;
    // The longest an attempt may wait for its answer: that answer's frame (the longest
    // frame when its size is unknown) at the line rate plus the inter-byte time-out.
    Clock::duration attemptLimit(AnswerSize answer = std::nullopt) const;
    void traceLine(const std::string& line) const;
    // A note for the event trace.
    void traceNote(const std::string& text) const;
    void traceFrame(LinkEvent::Kind kind, std::uint8_t addr, int attempt,
                    const ByteBuffer& bytes) const;
    void traceAttempt(std::uint8_t addr, int attempt, AttemptOutcome outcome, LinkEvent::Next next,
                      const Error* failure = nullptr) const;
    void traceHeader(const ByteBuffer& request, const ByteBuffer& answer) const;
    std::optional<AttemptOutcome> waitDsrLow(Seconds limit, bool interruptible);
    // Lets the host run its events when permitted, then looks at a cancel request.
    std::optional<AttemptOutcome> serviceHost();
    std::chrono::milliseconds waitSlice(Clock::duration remaining) const;
};

}  // namespace wirelink
