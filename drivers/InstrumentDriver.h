#pragma once

#include <cstdint>
#include <string>

#include "drivers/BufferValue.h"
#include "drivers/ClockRecord.h"
#include "wirelink/ByteBuffer.h"

namespace wirelink {
class Wirelink;
}

namespace kilnward::drivers {

// The member set every analyser driver offers, in its fixed order. The host keeps one
// reference of this type (CurrentDriver) and never needs to know the model class behind it.
//
// Members that talk to the instrument return the link control's status code (0 = success).
// With the link's RaiseErrors True its wirelink::Error passes through them untouched. With no
// link control assigned they throw NoLinkError. Buffer members throw OverflowError,
// SubscriptError and TypeMismatchError (all DriverError).
class InstrumentDriver {
  public:
    virtual ~InstrumentDriver() = default;

    // The link control to send through, not owned; null removes it. It must outlive its use.
    virtual void linktowirelinkctrl(wirelink::Wirelink* link) = 0;

    // Model identity and geometry.
    virtual std::uint8_t Instrument_ID() const = 0;
    virtual std::string Instrument_Name() const = 0;
    virtual bool Use_Infrared() const = 0;
    virtual std::int64_t Calibsector_size() const = 0;
    virtual std::int64_t Configsector_size() const = 0;
    virtual std::int64_t Tagsector_size() const = 0;
    virtual std::int64_t Measuresector_size() const = 0;
    virtual std::int16_t getoffsFORMULATYPEFROMCOMB() const = 0;
    virtual std::int16_t MaxTagsinSector() const = 0;
    virtual std::int16_t TotalTagsinSector() const = 0;

    // Memory images (data types in DataType.h). Results are byte counts.
    virtual std::int16_t Appendinbuffer(wirelink::ByteBuffer& buffer, const BufferValue& value,
                                        std::int32_t type) = 0;
    // Writes at `address` and advances it; the buffer is never grown.
    virtual std::int16_t Putinbuffer(wirelink::ByteBuffer& buffer, std::int64_t& address,
                                     const BufferValue& value, std::int32_t type) = 0;
    // `length` counts the bytes of text (7) and raw bytes (8).
    virtual BufferValue Getfrombuffer(const wirelink::ByteBuffer& buffer, std::int32_t type,
                                      std::int64_t address, std::int16_t length = 0) const = 0;
    virtual BufferValue Getfrombufferinc(const wirelink::ByteBuffer& buffer, std::int32_t type,
                                         std::int64_t& address, std::int16_t length = 0) const = 0;
    // Bit `bit` (0..31, else SubscriptError) of the value laid out as 32 bits: a byte gives
    // bits 0..7, a 16-bit integer its 16-bit pattern, a 32-bit integer bits 0..15
    // (OverflowError outside 0..65535), a 64-bit integer all 32 bits (modulo 2^32); any other
    // kind of value gives zero bits.
    virtual std::int16_t Getbit(const BufferValue& value, std::uint8_t bit) const = 0;
    // Direction not 0: PC text to a field of `width` bytes (0 = no fixed width); direction 0:
    // field to PC text. Texts are Windows-1252 bytes, one per character.
    virtual std::string TranslateString(const std::string& text, std::int32_t direction,
                                        std::int16_t width) const = 0;

    // Instrument commands.
    virtual std::int32_t SetRemLoc(std::uint8_t addr, std::int32_t mode) = 0;
    virtual std::int32_t StartWriteTransaction(std::uint8_t addr, std::int32_t mode) = 0;
    virtual std::int32_t EndWriteTransaction(std::uint8_t addr) = 0;
    virtual std::int32_t WritetoRelativeDevice(std::uint8_t addr, std::int32_t device,
                                               std::int64_t address,
                                               const wirelink::ByteBuffer& data) = 0;
    // `data` receives the returned bytes on success and is left alone otherwise.
    virtual std::int32_t ReadfromRelativeDevice(std::uint8_t addr, std::int32_t device,
                                                std::int64_t address, std::int16_t count,
                                                wirelink::ByteBuffer& data) = 0;
    virtual std::int32_t WriteRTCClock(std::uint8_t addr, DateTime when) = 0;
    // `when` is set on success and left alone otherwise.
    virtual std::int32_t ReadRTCClock(std::uint8_t addr, DateTime& when) = 0;

    // Measurement values (offered by every driver, used by no part of the program).
    virtual float Compilemeasfloat(float value, std::int32_t errorCode) const = 0;
    virtual std::int16_t Compilemeasint(float value, float scale, std::int32_t errorCode) const = 0;
    virtual float Getmeasfloat(float value, std::int32_t& errorCode) const = 0;
    virtual float Getmeasint(std::int16_t value, float scale, std::int32_t& errorCode) const = 0;
    virtual std::string geterrorstring(std::int32_t errorCode) const = 0;
};

}  // namespace kilnward::drivers
