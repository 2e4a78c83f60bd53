#include "wirelink/Wirelink.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

#include "WirelinkImpl.h"

namespace wirelink {

namespace {

constexpr const char* kRaiseErrors = "RaiseErrors";
constexpr const char* kBaudRate = "BaudRate";
constexpr const char* kInfrared = "Infrared";
constexpr const char* kComPort = "ComPort";
constexpr const char* kBusyTimeout = "BusyTimeout";
constexpr const char* kPermitsEvents = "PermitsEvents";

constexpr bool kDefaultRaiseErrors = true;
constexpr const char* kDefaultBaudRate = "9600";
constexpr bool kDefaultInfrared = false;
constexpr std::int16_t kDefaultComPort = 1;
constexpr std::uint8_t kDefaultBusyTimeout = 10;
constexpr bool kDefaultPermitsEvents = false;

std::string BoolText(bool value) {
    return value ? "True" : "False";
}

bool ParseBool(std::string text, bool fallback) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (text == "true" || text == "-1" || text == "1") {
        return true;
    }
    if (text == "false" || text == "0") {
        return false;
    }
    return fallback;
}

template <typename T>
T ParseNumber(const std::string& text, T fallback) {
    long long value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end ||
        value < static_cast<long long>(std::numeric_limits<T>::min()) ||
        value > static_cast<long long>(std::numeric_limits<T>::max())) {
        return fallback;
    }
    return static_cast<T>(value);
}

}  // namespace

Wirelink::Wirelink(CommPort& port, Host* host, Clock* clock)
    : d_(std::make_unique<Impl>(port, host, clock)) {}

Wirelink::~Wirelink() = default;

void Wirelink::Impl::changed(const char* property) {
    if (host != nullptr) {
        host->propertyChanged(property);
    }
}

std::int32_t Wirelink::Impl::report(const std::function<void()>& step) {
    try {
        step();
        return 0;
    } catch (const Error& e) {
        if (raiseErrors) {
            throw Error(e, kSourceName);
        }
        return e.code();
    }
}

bool Wirelink::RaiseErrors() const {
    return d_->raiseErrors;
}

void Wirelink::setRaiseErrors(bool value) {
    d_->raiseErrors = value;
    d_->changed(kRaiseErrors);
}

std::string Wirelink::BaudRate() const {
    return d_->baudRate;
}

void Wirelink::setBaudRate(const std::string& value) {
    d_->baudRate = value;
    d_->changed(kBaudRate);
    if (d_->runMode() && d_->port.isOpen() && d_->infrared) {
        d_->setIrSpeed(value);
    }
    d_->port.setSettings(value + kLineFormat);
}

bool Wirelink::Infrared() const {
    return d_->infrared;
}

void Wirelink::setInfrared(bool value) {
    if (value != d_->infrared && value && d_->port.isOpen() && d_->runMode()) {
        throw Error(WLink_errors::WLerr_cannotchange, ErrorContext{}, kSourceName);
    }
    d_->infrared = value;
    d_->changed(kInfrared);
}

std::int16_t Wirelink::ComPort() const {
    return d_->comPort;
}

void Wirelink::setComPort(std::int16_t value) {
    d_->comPort = value;
    d_->changed(kComPort);
}

std::string Wirelink::PortName() const {
    return d_->portName;
}

void Wirelink::setPortName(const std::string& value) {
    d_->portName = value;
}

std::uint8_t Wirelink::BusyTimeout() const {
    return d_->busyTimeout;
}

void Wirelink::setBusyTimeout(std::uint8_t value) {
    d_->busyTimeout = value;
    d_->changed(kBusyTimeout);
}

bool Wirelink::PermitsEvents() const {
    return d_->permitsEvents;
}

void Wirelink::setPermitsEvents(bool value) {
    d_->permitsEvents = value;
    d_->changed(kPermitsEvents);
}

const ByteBuffer& Wirelink::LastRcvFrame() const {
    return d_->lastRcvFrame;
}

void Wirelink::setLastRcvFrame(const ByteBuffer& /*value*/) {
    throw Error(WLink_errors::WLerr_readonlyproperty, ErrorContext{}, kSourceName);
}

void Wirelink::Appendtobuff(std::uint8_t dato, ByteBuffer& buffer) {
    buffer.push_back(dato);
}

void Wirelink::setFrameCompletedOK(std::function<void(std::uint8_t)> handler) {
    d_->frameCompletedOK = std::move(handler);
}

void Wirelink::CancelSendFrame() {
    d_->cancelRequested = true;
}

void Wirelink::HostUnloading() {
    CancelSendFrame();
    d_->parentUnloading = true;
}

void Wirelink::InitProperties() {
    d_->raiseErrors = kDefaultRaiseErrors;
    d_->baudRate = kDefaultBaudRate;
    d_->infrared = kDefaultInfrared;
    d_->comPort = kDefaultComPort;
    d_->busyTimeout = kDefaultBusyTimeout;
    d_->permitsEvents = kDefaultPermitsEvents;
    d_->lastRcvFrame.clear();
}

void Wirelink::ReadProperties(PropertyBag& bag) {
    const auto readBool = [&bag](const char* key, bool fallback) {
        return ParseBool(bag.readProperty(key, BoolText(fallback)), fallback);
    };
    d_->raiseErrors = readBool(kRaiseErrors, kDefaultRaiseErrors);
    d_->baudRate = bag.readProperty(kBaudRate, kDefaultBaudRate);
    d_->infrared = readBool(kInfrared, kDefaultInfrared);
    d_->comPort =
        ParseNumber(bag.readProperty(kComPort, std::to_string(kDefaultComPort)), kDefaultComPort);
    d_->busyTimeout = ParseNumber(
        bag.readProperty(kBusyTimeout, std::to_string(kDefaultBusyTimeout)), kDefaultBusyTimeout);
    d_->permitsEvents = readBool(kPermitsEvents, kDefaultPermitsEvents);
    d_->lastRcvFrame.clear();
}

void Wirelink::WriteProperties(PropertyBag& bag) const {
    bag.writeProperty(kRaiseErrors, BoolText(d_->raiseErrors), BoolText(kDefaultRaiseErrors));
    bag.writeProperty(kBaudRate, d_->baudRate, kDefaultBaudRate);
    bag.writeProperty(kInfrared, BoolText(d_->infrared), BoolText(kDefaultInfrared));
    bag.writeProperty(kComPort, std::to_string(d_->comPort), std::to_string(kDefaultComPort));
    bag.writeProperty(kBusyTimeout, std::to_string(d_->busyTimeout),
                      std::to_string(kDefaultBusyTimeout));
    bag.writeProperty(kPermitsEvents, BoolText(d_->permitsEvents), BoolText(kDefaultPermitsEvents));
}

}  // namespace wirelink
