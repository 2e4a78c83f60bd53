#pragma once

#include <cstdint>
#include <string>

#include "drivers/BufferValue.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::drivers {

// The little-endian encodings of the memory images, shared by every driver.

// Whether `type` is one of the data types 0..8; other codes are requests that do nothing.
bool IsDataType(std::int32_t type);

// The bytes of `value` in data type `type`; empty for a code outside 0..8. Throws
// OverflowError when the value does not fit the type, TypeMismatchError when it is of the
// wrong kind (text for a number, a number for text).
wirelink::ByteBuffer EncodeValue(const BufferValue& value, std::int32_t type);

// The value of data type `type` whose bytes start at `address`; `length` counts the bytes of
// text and raw bytes. `consumed` receives the byte count (0 for a code outside 0..8, which
// yields the empty value). Throws SubscriptError when the bytes reach outside `buffer`.
BufferValue DecodeValue(const wirelink::ByteBuffer& buffer, std::int32_t type, std::int64_t address,
                        std::int16_t length, std::int64_t& consumed);

// Throws SubscriptError unless `count` bytes from `address` lie inside `buffer`.
void CheckBufferRange(const wirelink::ByteBuffer& buffer, std::int64_t address, std::int64_t count);

// Bit `bit` (0..31) of the value laid out as 32 bits; see InstrumentDriver::Getbit.
std::int16_t ValueBit(const BufferValue& value, std::uint8_t bit);

// Text to (direction not 0) or from (direction 0) a fixed-width field of the instrument.
std::string FieldText(const std::string& text, std::int32_t direction, std::int16_t width);

}  // namespace kilnward::drivers
