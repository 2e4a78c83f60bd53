#include "simulator/AnalyserCommandSet.h"

namespace kilnward::sim {

namespace {

enum Command : std::uint16_t {
    kStatusRequest = 0x5A03,
    kRemoteMode = 0xDF02,
    kStartTransaction = 0xDF01,
    kEndTransaction = 0xDF00,
    kWriteDevice = 0xDC00,
    kReadDevice = 0x5C00,
    kWriteClock = 0xDE00,
    kReadClock = 0x5E00,
};

// Device and address open every device access: one byte, then four little-endian bytes.
constexpr std::size_t kDeviceHeader = 5;

std::uint32_t Le32(const wirelink::ByteBuffer& data, std::size_t at) {
    return static_cast<std::uint32_t>(data[at]) | static_cast<std::uint32_t>(data[at + 1]) << 8 |
           static_cast<std::uint32_t>(data[at + 2]) << 16 |
           static_cast<std::uint32_t>(data[at + 3]) << 24;
}

// The data count a command takes; -1 for the variable-length device write.
int DataCountOf(std::uint16_t command) {
    switch (command) {
        case kStatusRequest:
        case kEndTransaction:
        case kReadClock:
            return 0;
        case kRemoteMode:
        case kStartTransaction:
            return 1;
        case kWriteClock:
            return static_cast<int>(InstrumentClock::kRecordSize);
        case kReadDevice:
            return static_cast<int>(kDeviceHeader + 2);
        case kWriteDevice:
            return -1;
        default:
            return -2;
    }
}

}  // namespace

AnalyserCommandSet::AnalyserCommandSet(const QDateTime& clockStart, TimePoint now)
    : clock_(clockStart, now) {}

Answer AnalyserCommandSet::serve(const RequestFrame& request, TimePoint now) {
    const std::uint16_t command = request.command();
    const int count = DataCountOf(command);
    if (count == -2) {
        return Answer::fail(kFailUnknownCommand);
    }
    const std::size_t size = request.data.size();
    if (count == -1 ? size < kDeviceHeader : size != static_cast<std::size_t>(count)) {
        return Answer::fail(kFailDataCount);
    }
    if (count == -1 && size - kDeviceHeader > kMaxWriteData) {
        return Answer::fail(kFailTooManyData);
    }
    switch (command) {
        case kStatusRequest:
            return Answer::withData({writeStatus_});
        case kReadDevice:
            return readDevice(request.data);
        case kReadClock:
            return Answer::withData(clock_.record(now));
        case kRemoteMode:
            writeStatus_ = setRemoteMode(request.data);
            break;
        case kStartTransaction:
            writeStatus_ = startTransaction(request.data);
            break;
        case kEndTransaction:
            writeStatus_ = endTransaction();
            break;
        case kWriteDevice:
            writeStatus_ = writeDevice(request.data);
            break;
        case kWriteClock:
            writeStatus_ = clock_.set(request.data, now) ? kStatusOk : kStatusOutOfRange;
            break;
    }
    return Answer::ack();
}

std::uint8_t AnalyserCommandSet::setRemoteMode(const wirelink::ByteBuffer& data) {
    if (data[0] > 1) {
        return kStatusOutOfRange;
    }
    remoteMode_ = data[0] == 1;
    return kStatusOk;
}

std::uint8_t AnalyserCommandSet::startTransaction(const wirelink::ByteBuffer& data) {
    if (data[0] != 1) {
        return kStatusOutOfRange;
    }
    inTransaction_ = true;
    return kStatusOk;
}

std::uint8_t AnalyserCommandSet::endTransaction() {
    if (!inTransaction_) {
        return kStatusUnexpected;
    }
    inTransaction_ = false;
    return kStatusOk;
}

std::uint8_t AnalyserCommandSet::writeDevice(const wirelink::ByteBuffer& data) {
    const std::size_t count = data.size() - kDeviceHeader;
    const std::uint32_t address = Le32(data, 1);
    if (data[0] != kConfigDevice || !ConfigSector::contains(address, count)) {
        return kStatusOutOfRange;
    }
    if (!inTransaction_) {
        return kStatusUnexpected;
    }
    sector_.write(address, data.data() + kDeviceHeader, count);
    return kStatusOk;
}

Answer AnalyserCommandSet::readDevice(const wirelink::ByteBuffer& data) const {
    const std::uint32_t address = Le32(data, 1);
    const std::size_t count = data[5] | data[6] << 8;
    if (data[0] != kConfigDevice || !ConfigSector::contains(address, count)) {
        return Answer::fail(kFailDataCount);
    }
    return Answer::withData(sector_.read(address, count));
}

}  // namespace kilnward::sim
