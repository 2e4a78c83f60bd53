#include "drivers/ModelDriver.h"

#include <algorithm>
#include <limits>
#include <string>

#include "drivers/BufferCodec.h"
#include "drivers/CommandCodes.h"
#include "drivers/DataType.h"
#include "drivers/MeasurementCodec.h"
#include "drivers/NoLinkError.h"
#include "drivers/OverflowError.h"
#include "wirelink/Wirelink.h"

namespace kilnward::drivers {

namespace {

constexpr std::int64_t kSectorSize = 2048;
constexpr std::int64_t kTagsectorSize = 16384;
// Every request names the size of its answer, so that a line that never goes quiet cannot
// hold a transfer longer than its answers take: a write is acknowledged without data, a
// clock read answers with the five-byte record, a device read with the bytes it asked for.
constexpr std::uint16_t kWriteAnswerBytes = 0;
constexpr std::uint16_t kClockRecordBytes = 5;

void Append(wirelink::ByteBuffer& to, const BufferValue& value, std::int32_t type) {
    const wirelink::ByteBuffer bytes = EncodeValue(value, type);
    to.insert(to.end(), bytes.begin(), bytes.end());
}

// Device numbers, modes and addresses travel as fixed-width fields; a value too large for
// its field fails instead of being cut.
wirelink::ByteBuffer DeviceAddress(std::int32_t device, std::int64_t address) {
    wirelink::ByteBuffer data;
    Append(data, device, DataType::UInt8);
    Append(data, address, DataType::UInt32);
    return data;
}

std::int16_t ByteCount(std::size_t count) {
    if (count > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
        throw OverflowError("byte count " + std::to_string(count) + " above 32767");
    }
    return static_cast<std::int16_t>(count);
}

}  // namespace

void ModelDriver::linktowirelinkctrl(wirelink::Wirelink* link) {
    link_ = link;
}

std::uint8_t ModelDriver::Instrument_ID() const {
    return row_.id;
}
std::string ModelDriver::Instrument_Name() const {
    return row_.name;
}
bool ModelDriver::Use_Infrared() const {
    return row_.useInfrared;
}
std::int64_t ModelDriver::Calibsector_size() const {
    return kSectorSize;
}
std::int64_t ModelDriver::Configsector_size() const {
    return kSectorSize;
}
std::int64_t ModelDriver::Tagsector_size() const {
    return kTagsectorSize;
}
std::int64_t ModelDriver::Measuresector_size() const {
    return row_.measuresectorSize;
}
std::int16_t ModelDriver::getoffsFORMULATYPEFROMCOMB() const {
    return 62;
}
std::int16_t ModelDriver::MaxTagsinSector() const {
    return 40;
}
std::int16_t ModelDriver::TotalTagsinSector() const {
    return 60;
}

std::int16_t ModelDriver::Appendinbuffer(wirelink::ByteBuffer& buffer, const BufferValue& value,
                                         std::int32_t type) {
    wirelink::Wirelink& link = Link();
    const wirelink::ByteBuffer bytes = EncodeValue(value, type);
    const std::int16_t count = ByteCount(bytes.size());
    for (std::uint8_t byte : bytes) {
        link.Appendtobuff(byte, buffer);
    }
    return count;
}

std::int16_t ModelDriver::Putinbuffer(wirelink::ByteBuffer& buffer, std::int64_t& address,
                                      const BufferValue& value, std::int32_t type) {
    if (!IsDataType(type)) {
        return 0;  // stores nothing, wherever the address points
    }
    const wirelink::ByteBuffer bytes = EncodeValue(value, type);
    const std::int16_t count = ByteCount(bytes.size());
    CheckBufferRange(buffer, address, count);
    std::copy(bytes.begin(), bytes.end(), buffer.begin() + static_cast<std::ptrdiff_t>(address));
    address += count;
    return count;
}

BufferValue ModelDriver::Getfrombuffer(const wirelink::ByteBuffer& buffer, std::int32_t type,
                                       std::int64_t address, std::int16_t length) const {
    std::int64_t consumed = 0;
    return DecodeValue(buffer, type, address, length, consumed);
}

BufferValue ModelDriver::Getfrombufferinc(const wirelink::ByteBuffer& buffer, std::int32_t type,
                                          std::int64_t& address, std::int16_t length) const {
    std::int64_t consumed = 0;
    BufferValue value = DecodeValue(buffer, type, address, length, consumed);
    address += consumed;
    return value;
}

std::int16_t ModelDriver::Getbit(const BufferValue& value, std::uint8_t bit) const {
    return ValueBit(value, bit);
}

std::string ModelDriver::TranslateString(const std::string& text, std::int32_t direction,
                                         std::int16_t width) const {
    return FieldText(text, direction, width);
}

std::int32_t ModelDriver::SetRemLoc(std::uint8_t addr, std::int32_t mode) {
    wirelink::Wirelink& link = Link();
    return link.SendTXFrame_wresponse(addr, kCmdTransaction, kRemLoc,
                                      EncodeValue(mode, DataType::UInt8), kWriteAnswerBytes);
}

std::int32_t ModelDriver::StartWriteTransaction(std::uint8_t addr, std::int32_t mode) {
    wirelink::Wirelink& link = Link();
    return link.SendTXFrame_wresponse(addr, kCmdTransaction, kStartTransaction,
                                      EncodeValue(mode, DataType::UInt8), kWriteAnswerBytes);
}

std::int32_t ModelDriver::EndWriteTransaction(std::uint8_t addr) {
    return Link().SendTXFrame_wresponse(addr, kCmdTransaction, kEndTransaction, {},
                                        kWriteAnswerBytes);
}

std::int32_t ModelDriver::WritetoRelativeDevice(std::uint8_t addr, std::int32_t device,
                                                std::int64_t address,
                                                const wirelink::ByteBuffer& data) {
    wirelink::Wirelink& link = Link();
    wirelink::ByteBuffer request = DeviceAddress(device, address);
    request.insert(request.end(), data.begin(), data.end());
    return link.SendTXFrame_wresponse(addr, kCmdWriteDevice, kCmdLow, request, kWriteAnswerBytes);
}

std::int32_t ModelDriver::ReadfromRelativeDevice(std::uint8_t addr, std::int32_t device,
                                                 std::int64_t address, std::int16_t count,
                                                 wirelink::ByteBuffer& data) {
    wirelink::Wirelink& link = Link();
    wirelink::ByteBuffer request = DeviceAddress(device, address);
    // The count is an unsigned 16-bit field: a negative count is its two's complement.
    Append(request, static_cast<std::int32_t>(static_cast<std::uint16_t>(count)), DataType::UInt16);
    const std::int32_t result =
        link.SendFrame(addr, kCmdReadDevice, kCmdLow, request, static_cast<std::uint16_t>(count));
    if (result == 0) {
        data = link.LastRcvFrame();
    }
    return result;
}

std::int32_t ModelDriver::WriteRTCClock(std::uint8_t addr, DateTime when) {
    wirelink::Wirelink& link = Link();
    return link.SendTXFrame_wresponse(addr, kCmdWriteClock, kCmdLow, EncodeClockRecord(when),
                                      kWriteAnswerBytes);
}

std::int32_t ModelDriver::ReadRTCClock(std::uint8_t addr, DateTime& when) {
    wirelink::Wirelink& link = Link();
    const std::int32_t result = link.SendFrame(addr, kCmdReadClock, kCmdLow, {}, kClockRecordBytes);
    if (result == 0) {
        when = DecodeClockRecord(link.LastRcvFrame());
    }
    return result;
}

float ModelDriver::Compilemeasfloat(float value, std::int32_t errorCode) const {
    return EncodeMeasFloat(value, errorCode);
}

std::int16_t ModelDriver::Compilemeasint(float value, float scale, std::int32_t errorCode) const {
    return EncodeMeasInt(value, scale, errorCode);
}

float ModelDriver::Getmeasfloat(float value, std::int32_t& errorCode) const {
    return DecodeMeasFloat(value, errorCode);
}

float ModelDriver::Getmeasint(std::int16_t value, float scale, std::int32_t& errorCode) const {
    return DecodeMeasInt(value, scale, errorCode);
}

std::string ModelDriver::geterrorstring(std::int32_t errorCode) const {
    return MeasErrorText(errorCode);
}

wirelink::Wirelink& ModelDriver::Link() const {
    if (link_ == nullptr) {
        throw NoLinkError();
    }
    return *link_;
}

}  // namespace kilnward::drivers
