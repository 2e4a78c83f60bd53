#include "drivers/BufferCodec.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "drivers/DataType.h"
#include "drivers/DriverError.h"
#include "drivers/OverflowError.h"
#include "drivers/SubscriptError.h"
#include "drivers/TypeMismatchError.h"

namespace kilnward::drivers {

namespace {

// What an integer field accepts: its own unsigned range, and negative values down to the
// field's signed range, stored as two's complement. A negative value further down would wrap
// to an unrelated positive number, so it is an overflow rather than silently changed data.
struct IntegerField {
    int bytes;
    std::int64_t min;
    std::int64_t max;
};

bool IntegerFieldOf(std::int32_t type, IntegerField& field) {
    switch (type) {
        case DataType::UInt8:
            field = {1, 0, 255};
            return true;
        case DataType::Int8:
            field = {1, -128, 255};
            return true;
        case DataType::UInt16:
            field = {2, -32768, 65535};
            return true;
        case DataType::Int16:
            field = {2, -32768, 32767};
            return true;
        case DataType::UInt32:
            field = {4, std::numeric_limits<std::int32_t>::min(), 4294967295LL};
            return true;
        case DataType::Int32:
            field = {4, std::numeric_limits<std::int32_t>::min(),
                     std::numeric_limits<std::int32_t>::max()};
            return true;
        default:
            return false;
    }
}

// Numbers convert to whole numbers the way the analyser's host always did: floats to the
// nearest integer, ties to even.
std::int64_t WholeNumberOf(const BufferValue& value) {
    struct Visitor {
        std::int64_t operator()(std::uint8_t v) const { return v; }
        std::int64_t operator()(std::int16_t v) const { return v; }
        std::int64_t operator()(std::int32_t v) const { return v; }
        std::int64_t operator()(std::int64_t v) const { return v; }
        std::int64_t operator()(float v) const {
            const double rounded = std::nearbyint(static_cast<double>(v));
            if (!(rounded >= -9.2e18 && rounded <= 9.2e18)) {
                throw OverflowError("float " + std::to_string(v) + " is not a whole number");
            }
            return static_cast<std::int64_t>(rounded);
        }
        std::int64_t operator()(const std::monostate&) const {
            throw TypeMismatchError("empty value given for a number");
        }
        std::int64_t operator()(const std::string&) const {
            throw TypeMismatchError("text given for a number");
        }
        std::int64_t operator()(const wirelink::ByteBuffer&) const {
            throw TypeMismatchError("byte array given for a number");
        }
    };
    return std::visit(Visitor{}, value);
}

float FloatOf(const BufferValue& value) {
    if (const float* f = std::get_if<float>(&value)) {
        return *f;
    }
    return static_cast<float>(WholeNumberOf(value));
}

wirelink::ByteBuffer BytesOf(const BufferValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        return wirelink::ByteBuffer(text->begin(), text->end());
    }
    if (const auto* bytes = std::get_if<wirelink::ByteBuffer>(&value)) {
        return *bytes;
    }
    throw TypeMismatchError("a number given for text or bytes");
}

wirelink::ByteBuffer LittleEndian(std::uint64_t bits, int bytes) {
    wirelink::ByteBuffer out;
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    }
    return out;
}

std::uint64_t ReadLittleEndian(const wirelink::ByteBuffer& buffer, std::size_t at, int bytes) {
    std::uint64_t bits = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        bits = (bits << 8) | buffer[at + static_cast<std::size_t>(i)];
    }
    return bits;
}

BufferValue DecodeInteger(std::int32_t type, std::uint64_t bits) {
    switch (type) {
        case DataType::UInt8:
            return static_cast<std::uint8_t>(bits);
        case DataType::Int8:
            return static_cast<std::int16_t>(static_cast<std::int8_t>(bits));
        case DataType::UInt16:
            return static_cast<std::int32_t>(bits);
        case DataType::Int16:
            return static_cast<std::int16_t>(static_cast<std::uint16_t>(bits));
        case DataType::UInt32:
            return static_cast<std::int64_t>(bits);
        default:
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
    }
}

}  // namespace

bool IsDataType(std::int32_t type) {
    return type >= DataType::UInt8 && type <= DataType::Bytes;
}

wirelink::ByteBuffer EncodeValue(const BufferValue& value, std::int32_t type) {
    IntegerField field{};
    if (IntegerFieldOf(type, field)) {
        const std::int64_t number = WholeNumberOf(value);
        if (number < field.min || number > field.max) {
            throw OverflowError(std::to_string(number) + " does not fit data type " +
                                std::to_string(type));
        }
        return LittleEndian(static_cast<std::uint64_t>(number), field.bytes);
    }
    if (type == DataType::Float32) {
        std::uint32_t bits = 0;
        const float number = FloatOf(value);
        std::memcpy(&bits, &number, sizeof bits);
        return LittleEndian(bits, 4);
    }
    if (type == DataType::Text || type == DataType::Bytes) {
        return BytesOf(value);
    }
    return {};
}

BufferValue DecodeValue(const wirelink::ByteBuffer& buffer, std::int32_t type, std::int64_t address,
                        std::int16_t length, std::int64_t& consumed) {
    consumed = 0;
    IntegerField field{};
    const bool integer = IntegerFieldOf(type, field);
    std::int64_t count = 0;
    if (integer) {
        count = field.bytes;
    } else if (type == DataType::Float32) {
        count = 4;
    } else if (type == DataType::Text || type == DataType::Bytes) {
        count = length;
    } else {
        return {};
    }
    CheckBufferRange(buffer, address, count);
    consumed = count;
    const auto at = static_cast<std::size_t>(address);
    if (integer) {
        return DecodeInteger(type, ReadLittleEndian(buffer, at, field.bytes));
    }
    if (type == DataType::Float32) {
        const auto bits = static_cast<std::uint32_t>(ReadLittleEndian(buffer, at, 4));
        float number = 0;
        std::memcpy(&number, &bits, sizeof number);
        return number;
    }
    const auto first = buffer.begin() + static_cast<std::ptrdiff_t>(at);
    const auto last = first + static_cast<std::ptrdiff_t>(count);
    if (type == DataType::Text) {
        return std::string(first, last);
    }
    return wirelink::ByteBuffer(first, last);
}

void CheckBufferRange(const wirelink::ByteBuffer& buffer, std::int64_t address,
                      std::int64_t count) {
    if (count < 0 || address < 0 || address > static_cast<std::int64_t>(buffer.size()) ||
        count > static_cast<std::int64_t>(buffer.size()) - address) {
        throw SubscriptError(std::to_string(count) + " bytes at address " +
                             std::to_string(address) + " of a " + std::to_string(buffer.size()) +
                             "-byte buffer");
    }
}

std::int16_t ValueBit(const BufferValue& value, std::uint8_t bit) {
    if (bit > 31) {
        throw SubscriptError("bit number " + std::to_string(bit) + " above 31");
    }
    // Integers are bit fields; floats, texts and byte arrays read as all zero bits.
    std::uint32_t bits = 0;
    if (const auto* b = std::get_if<std::uint8_t>(&value)) {
        bits = *b;
    } else if (const auto* s = std::get_if<std::int16_t>(&value)) {
        // A signed 16-bit value (data types 1 and 3) is its 16-bit pattern, as stored in the
        // image; reading it as zero bits would make every flag of such a field look clear.
        bits = static_cast<std::uint16_t>(*s);
    } else if (const auto* l = std::get_if<std::int32_t>(&value)) {
        if (*l < 0 || *l > 65535) {
            throw OverflowError(std::to_string(*l) + " is not a 16-bit value");
        }
        bits = static_cast<std::uint32_t>(*l);
    } else if (const auto* q = std::get_if<std::int64_t>(&value)) {
        bits = static_cast<std::uint32_t>(static_cast<std::uint64_t>(*q));
    }
    return static_cast<std::int16_t>((bits >> bit) & 1U);
}

std::string FieldText(const std::string& text, std::int32_t direction, std::int16_t width) {
    if (width < 0) {
        throw DriverError("Invalid text field width " + std::to_string(width));
    }
    std::string result;
    if (direction != 0) {
        result = text;
        result.push_back('\0');
        if (width != 0) {
            result.resize(static_cast<std::size_t>(width), ' ');
        }
    } else {
        result = text.substr(0, text.find('\0'));
        if (width != 0 && result.size() > static_cast<std::size_t>(width)) {
            result.resize(static_cast<std::size_t>(width));
        }
    }
    return result;
}

}  // namespace kilnward::drivers
