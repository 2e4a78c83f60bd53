#include <algorithm>

#include "InfraredSpeed.h"
#include "RequestGuard.h"
#include "WirelinkImpl.h"

namespace wirelink {

namespace {

using Seconds = std::chrono::duration<double>;

constexpr const char* kAdapterSettings = "9600,n,8,1";
constexpr Seconds kAdapterPowerUp{3.0};
constexpr Seconds kAdapterResetPulse{0.2};
constexpr Seconds kSpeedCodeGuard{0.02};
constexpr Seconds kAdapterReadyLimit{1.0};
constexpr std::chrono::milliseconds kDrainSlice{1000};
// While host events run during a delay, it is cut into slices this long.
constexpr std::chrono::milliseconds kDelaySlice{20};

}  // namespace

void Wirelink::Impl::openPort() {
    driveDtr(false);
    driveRts(false);
    if (!portName.empty()) {
        port.setPortName(portName);
    } else {
        port.setPortNumber(comPort);
    }
    if (infrared) {
        // The adapter is reset and programmed at its power-up speed.
        port.setSettings(kAdapterSettings);
        port.open();
        requireModemLines();
        resetIrAdapter();
        setIrSpeed(baudRate);
    } else {
        port.open();
    }
    port.setSettings(baudRate + kLineFormat);
}

void Wirelink::Impl::openTraced() {
    // Host events run during the opening delays: a request they start must wait its turn.
    const RequestGuard guard(requestRunning, 0);
    try {
        openPort();
    } catch (const Error& e) {
        traceNote("port " + port.portName() + " did not open: " + e.what());
        throw;
    }
    traceNote("port " + port.portName() + " opened, " + baudRate + kLineFormat +
              (infrared ? ", infrared" : ", cable"));
}

void Wirelink::Impl::resetIrAdapter() {
    driveDtr(true);
    delay(kAdapterPowerUp);
    driveRts(false);
    delay(kAdapterResetPulse);
    driveRts(true);
    delay(kAdapterResetPulse);
}

void Wirelink::Impl::setIrSpeed(const std::string& rate) {
    const auto code = InfraredSpeedCode(rate);
    if (LeadingNumber(rate) < kMinInfraredBaud || !code) {
        throw Error(WLink_errors::WLerr_invalidbaud, ErrorContext{});
    }
    waitOutputDrained();
    delay(kSpeedCodeGuard);
    driveDtr(false);
    delay(kSpeedCodeGuard);
    if (waitDsrLow(kAdapterReadyLimit, false)) {
        throw Error(WLink_errors::WLerr_DSRerror, ErrorContext{});
    }
    port.write(ByteBuffer{*code});
    waitOutputDrained();
    delay(kSpeedCodeGuard);
    driveDtr(true);
    delay(kSpeedCodeGuard);
}

void Wirelink::Impl::delay(Seconds seconds) {
    const auto length = std::chrono::duration_cast<Clock::duration>(seconds);
    if (!permitsEvents || host == nullptr) {
        clock.sleepFor(length);
        return;
    }
    // The adapter's power-up takes seconds: the host's window keeps running meanwhile. A
    // delay is a least time, so events that take longer only lengthen it.
    const auto end = clock.now() + length;
    for (auto now = clock.now(); now < end; now = clock.now()) {
        host->processEvents();
        clock.sleepFor(std::min<Clock::duration>(end - now, kDelaySlice));
    }
}

void Wirelink::Impl::driveDtr(bool high) {
    driveLine([this, high] { port.setDtr(high); });
}

void Wirelink::Impl::driveRts(bool high) {
    driveLine([this, high] { port.setRts(high); });
}

void Wirelink::Impl::driveLine(const std::function<void()>& drive) {
    try {
        drive();
    } catch (const Error&) {
        // A cable link never needs the modem lines, so a port without them (a
        // pseudo-terminal) is fine there; the infrared adapter cannot work without them.
        if (infrared) {
            requireModemLines();
        }
        if (infrared || port.hasModemLines()) {
            throw;
        }
    }
}

void Wirelink::Impl::requireModemLines() {
    if (!port.hasModemLines()) {
        throw Error(WLink_errors::WLerr_nomodemlines, ErrorContext{});
    }
}

void Wirelink::Impl::waitOutputDrained() {
    // No time limit: the bytes always leave at the line speed once the port is open.
    while (port.isOpen() && port.bytesToWrite() > 0) {
        port.waitForBytesWritten(kDrainSlice);
    }
}

}  // namespace wirelink
