#include "RequestGuard.h"
#include "WirelinkImpl.h"

namespace wirelink {

namespace {

constexpr std::uint8_t kWriteCommandBit = 0x80;
constexpr std::uint8_t kStatusCmdh = 0x5A;
constexpr std::uint8_t kStatusCmdl = 0x03;

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
    return d_->report([&] {
        RequestGuard guard(d_->requestRunning, Addr);
        d_->cancelRequested = false;
        d_->exchange(Addr, cmdh, cmdl, DataBuff);
        if (d_->frameCompletedOK) {
            d_->frameCompletedOK(Addr);
        }
    });
}

std::int32_t Wirelink::SendTXFrame_wresponse(std::uint8_t Addr, std::uint8_t cmdh,
                                             std::uint8_t cmdl, const ByteBuffer& DataBuff) {
    return d_->report([&] {
        RequestGuard guard(d_->requestRunning, Addr);
        ErrorContext context;
        context.addr = Addr;
        context.type = d_->flows.type(Addr);
        context.cmdh = cmdh;
        context.cmdl = cmdl;
        if ((cmdh & kWriteCommandBit) == 0) {
            d_->lastRcvFrame.clear();
            throw Error(WLink_errors::WLerr_nottxcommand, context);
        }
        d_->cancelRequested = false;
        d_->exchange(Addr, cmdh, cmdl, DataBuff);
        d_->exchange(Addr, kStatusCmdh, kStatusCmdl, ByteBuffer{});
        if (d_->lastRcvFrame.empty()) {
            // An answer without a status byte cannot confirm the write.
            throw Error(WLink_errors::WLerrFAIL_ERRORNUMBERDATA, context);
        }
        const std::uint8_t status = d_->lastRcvFrame[0];
        if (status != 0) {
            d_->lastRcvFrame.clear();
            context.code = status;
            throw Error(WriteStatusError(status), context);
        }
        if (d_->frameCompletedOK) {
            d_->frameCompletedOK(Addr);
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
