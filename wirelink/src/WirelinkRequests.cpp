#include "RequestGuard.h"
#include "WirelinkImpl.h"

namespace wirelink {

namespace {

constexpr std::uint8_t kWriteCommandBit = 0x80;
constexpr std::uint8_t kStatusCmdh = 0x5A;
constexpr std::uint8_t kStatusCmdl = 0x03;
// The status answer's data: the write status.
constexpr std::size_t kStatusAnswerBytes = 1;

WLink_errors WriteStatusError(std::uint8_t status) {
    switch (status) {
        case 1:
            return WLink_errors::WLerrRESP_WRITETOREADONLY;
        case 2:
            return WLink_errors::WLerrRESP_PERIPHERROR;
        case 3:
            return WLink_errors::WLerrRESP_STATUSERROR;
        case 4:
            return WLink_errors::WLerrRESP_OUTOFRANGE;
        default:
            return WLink_errors::WLerrRESP_NOTDEFINED;
    }
}

}  // namespace

std::int32_t Wirelink::OpenCom() {
    return d_->report([this] {
        if (!d_->port.isOpen()) {
            d_->openTraced();
        }
    });
}

void Wirelink::CloseCom() {
    if (d_->port.isOpen()) {
        d_->port.close();
        d_->traceNote("port " + d_->port.portName() + " closed");
    }
}

std::int32_t Wirelink::RefreshCom() {
    return d_->report([this] {
        // The port refuses a new number or a second opening while open, so the opening
        // sequence runs on a freshly closed port.
        if (d_->port.isOpen()) {
            d_->port.close();
            d_->openTraced();
        }
    });
}

bool Wirelink::PortOpen() const {
    return d_->port.isOpen();
}

std::int32_t Wirelink::Defineflow(std::uint8_t Addr, std::uint8_t IDinstr) {
    return d_->report([this, Addr, IDinstr] {
        if (!d_->flows.define(Addr, IDinstr)) {
            ErrorContext context;
            context.addr = Addr;
            throw Error(WLink_errors::WLerr_flowalreadydefined, context);
        }
    });
}

bool Wirelink::Checkflow(std::uint8_t Addr) const {
    return d_->flows.exists(Addr);
}

std::int32_t Wirelink::Releaseflow(std::uint8_t Addr) {
    d_->flows.release(Addr);
    return 0;
}

bool Wirelink::FlowIsConnected(std::uint8_t Addr) const {
    return d_->flows.connected(Addr);
}

std::int32_t Wirelink::SetFlowConnected(std::uint8_t Addr) {
    return d_->report([this, Addr] {
        if (!d_->flows.exists(Addr)) {
            ErrorContext context;
            context.addr = Addr;
            throw Error(WLink_errors::WLerr_flownotdefined, context);
        }
        d_->flows.setConnected(Addr, true);
    });
}

std::int32_t Wirelink::SendFrame(std::uint8_t Addr, std::uint8_t cmdh, std::uint8_t cmdl,
                                 const ByteBuffer& DataBuff) {
    return d_->sendFrame(Addr, cmdh, cmdl, DataBuff, std::nullopt);
}

std::int32_t Wirelink::SendFrame(std::uint8_t Addr, std::uint8_t cmdh, std::uint8_t cmdl,
                                 const ByteBuffer& DataBuff, std::uint16_t answerBytes) {
    return d_->sendFrame(Addr, cmdh, cmdl, DataBuff, answerBytes);
}

std::int32_t Wirelink::SendTXFrame_wresponse(std::uint8_t Addr, std::uint8_t cmdh,
                                             std::uint8_t cmdl, const ByteBuffer& DataBuff) {
    return d_->sendWrite(Addr, cmdh, cmdl, DataBuff, std::nullopt);
}

std::int32_t Wirelink::SendTXFrame_wresponse(std::uint8_t Addr, std::uint8_t cmdh,
                                             std::uint8_t cmdl, const ByteBuffer& DataBuff,
                                             std::uint16_t answerBytes) {
    return d_->sendWrite(Addr, cmdh, cmdl, DataBuff, answerBytes);
}

std::int32_t Wirelink::Impl::sendFrame(std::uint8_t addr, std::uint8_t cmdh, std::uint8_t cmdl,
                                       const ByteBuffer& data, AnswerSize answer) {
    return report([&] {
        RequestGuard guard(requestRunning, addr);
        cancelRequested = false;
        exchange(addr, cmdh, cmdl, data, answer);
        if (frameCompletedOK) {
            frameCompletedOK(addr);
        }
    });
}

std::int32_t Wirelink::Impl::sendWrite(std::uint8_t addr, std::uint8_t cmdh, std::uint8_t cmdl,
                                       const ByteBuffer& data, AnswerSize answer) {
    return report([&] {
        RequestGuard guard(requestRunning, addr);
        ErrorContext context;
        context.addr = addr;
        context.type = flows.type(addr);
        context.cmdh = cmdh;
        context.cmdl = cmdl;
        if ((cmdh & kWriteCommandBit) == 0) {
            lastRcvFrame.clear();
            throw Error(WLink_errors::WLerr_nottxcommand, context);
        }
        cancelRequested = false;
        exchange(addr, cmdh, cmdl, data, answer);
        // A caller that knows its write's answer knows the protocol's status answer too.
        exchange(addr, kStatusCmdh, kStatusCmdl, ByteBuffer{},
                 answer ? AnswerSize(kStatusAnswerBytes) : std::nullopt);
        if (lastRcvFrame.empty()) {
            // An answer without a status byte cannot confirm the write.
            throw Error(WLink_errors::WLerrFAIL_ERRORNUMBERDATA, context);
        }
        const std::uint8_t status = lastRcvFrame[0];
        if (status != 0) {
            lastRcvFrame.clear();
            context.code = status;
            throw Error(WriteStatusError(status), context);
        }
        if (frameCompletedOK) {
            frameCompletedOK(addr);
        }
    });
}

}  // namespace wirelink

namespace wirelink {

std::uint32_t Wirelink::TimedOutAttempts() const {
    return d_->timedOutAttempts;
}

std::int32_t Wirelink::WaitLineQuiet() {
    return d_->report([this] {
        if (!d_->port.isOpen()) {
            throw Error(WLink_errors::WLerr_devicenotopened, ErrorContext{});
        }
        d_->traceNote("waiting for the line to be quiet");
        d_->waitLineQuiet(2 * std::chrono::duration_cast<Clock::duration>(kInterByteTime),
                          d_->clock.now() + d_->attemptLimit());
    });
}

void Wirelink::setTrace(std::function<void(const std::string&)> trace) {
    d_->trace = std::move(trace);
}

void Wirelink::setEventTrace(std::function<void(const LinkEvent&)> trace) {
    d_->eventTrace = std::move(trace);
}

}  // namespace wirelink
