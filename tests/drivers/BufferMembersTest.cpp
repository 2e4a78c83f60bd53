#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

#include "drivers/CreateDriver.h"
#include "drivers/DataType.h"
#include "drivers/OverflowError.h"
#include "drivers/SubscriptError.h"
#include "drivers/TypeMismatchError.h"

namespace kilnward::drivers {
namespace {

using wirelink::ByteBuffer;

class BufferMembers : public ::testing::Test {
  protected:
    // Puts `value` at address 0 of a fresh 8-byte image and returns the bytes written.
    ByteBuffer Put(const BufferValue& value, std::int32_t type) {
        ByteBuffer image(8, 0xEE);
        std::int64_t address = 0;
        const std::int16_t count = driver->Putinbuffer(image, address, value, type);
        EXPECT_EQ(address, count);
        return ByteBuffer(image.begin(), image.begin() + count);
    }

    std::unique_ptr<InstrumentDriver> driver = CreateDriver(10);
};

TEST_F(BufferMembers, PutWritesLittleEndianAndAdvancesTheAddress) {
    ByteBuffer image(16, 0);
    std::int64_t address = 10;
    EXPECT_EQ(driver->Putinbuffer(image, address, std::int32_t{0x1234}, DataType::UInt16), 2);
    EXPECT_EQ(image[10], 0x34);
    EXPECT_EQ(image[11], 0x12);
    EXPECT_EQ(address, 12);
    EXPECT_EQ(image.size(), 16U);
}

TEST_F(BufferMembers, IntegerEncodingsOfEveryType) {
    EXPECT_EQ(Put(std::uint8_t{255}, DataType::UInt8), (ByteBuffer{0xFF}));
    EXPECT_EQ(Put(std::int16_t{-1}, DataType::Int8), (ByteBuffer{0xFF}));
    EXPECT_EQ(Put(std::int16_t{-128}, DataType::Int8), (ByteBuffer{0x80}));
    EXPECT_EQ(Put(std::int32_t{-1}, DataType::UInt16), (ByteBuffer{0xFF, 0xFF}));
    EXPECT_EQ(Put(std::int16_t{-2}, DataType::Int16), (ByteBuffer{0xFE, 0xFF}));
    EXPECT_EQ(Put(std::int64_t{4294967295LL}, DataType::UInt32),
              (ByteBuffer{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Put(std::int64_t{-2}, DataType::UInt32), (ByteBuffer{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Put(std::int32_t{-2147483647 - 1}, DataType::Int32),
              (ByteBuffer{0x00, 0x00, 0x00, 0x80}));
    EXPECT_EQ(Put(std::int32_t{10000}, DataType::UInt32), (ByteBuffer{0x10, 0x27, 0x00, 0x00}));
}

TEST_F(BufferMembers, ValuesOutsideTheirTypeOverflow) {
    ByteBuffer image(8, 0);
    std::int64_t address = 0;
    EXPECT_THROW(driver->Putinbuffer(image, address, std::int32_t{256}, DataType::UInt8),
                 OverflowError);
    EXPECT_THROW(driver->Putinbuffer(image, address, std::int32_t{-1}, DataType::UInt8),
                 OverflowError);
    EXPECT_THROW(driver->Putinbuffer(image, address, std::int32_t{70000}, DataType::UInt16),
                 OverflowError);
    EXPECT_THROW(driver->Putinbuffer(image, address, std::int32_t{40000}, DataType::Int16),
                 OverflowError);
    EXPECT_THROW(driver->Putinbuffer(image, address, std::int64_t{1LL << 32}, DataType::UInt32),
                 OverflowError);
    EXPECT_THROW(driver->Putinbuffer(image, address, std::int64_t{2147483648LL}, DataType::Int32),
                 OverflowError);
    // A negative value beyond the field's signed range would wrap to an unrelated number.
    EXPECT_THROW(driver->Putinbuffer(image, address, std::int16_t{-200}, DataType::Int8),
                 OverflowError);
    EXPECT_THROW(driver->Putinbuffer(image, address, std::int32_t{-40000}, DataType::UInt16),
                 OverflowError);
    EXPECT_EQ(address, 0);
    EXPECT_EQ(image, ByteBuffer(8, 0));
}

TEST_F(BufferMembers, FloatsAreStoredBitForBitAndNumbersConvert) {
    EXPECT_EQ(Put(1.5F, DataType::Float32), (ByteBuffer{0x00, 0x00, 0xC0, 0x3F}));
    EXPECT_EQ(Put(std::int16_t{2}, DataType::Float32), (ByteBuffer{0x00, 0x00, 0x00, 0x40}));
    // Floats given for integer types go to the nearest integer, ties to even.
    EXPECT_EQ(Put(2.5F, DataType::UInt8), (ByteBuffer{0x02}));
    EXPECT_EQ(Put(3.5F, DataType::UInt8), (ByteBuffer{0x04}));
    ByteBuffer image(4, 0);
    std::int64_t address = 0;
    const float nan = std::bit_cast<float>(0x7FC00000U);
    EXPECT_THROW(driver->Putinbuffer(image, address, nan, DataType::Int16), OverflowError);
}

TEST_F(BufferMembers, TextAndBytesWriteTheirLengthWithoutTerminator) {
    ByteBuffer image(8, 0xEE);
    std::int64_t address = 1;
    EXPECT_EQ(driver->Putinbuffer(image, address, std::string("ABC"), DataType::Text), 3);
    EXPECT_EQ(image, (ByteBuffer{0xEE, 'A', 'B', 'C', 0xEE, 0xEE, 0xEE, 0xEE}));
    EXPECT_EQ(address, 4);
    EXPECT_EQ(driver->Putinbuffer(image, address, ByteBuffer{1, 2}, DataType::Bytes), 2);
    EXPECT_EQ(image[4], 1);
    EXPECT_EQ(image[5], 2);
    EXPECT_EQ(address, 6);
}

TEST_F(BufferMembers, WrongKindOfValueIsATypeMismatch) {
    ByteBuffer image(8, 0);
    std::int64_t address = 0;
    EXPECT_THROW(driver->Putinbuffer(image, address, std::string("1"), DataType::UInt8),
                 TypeMismatchError);
    EXPECT_THROW(driver->Putinbuffer(image, address, std::int32_t{1}, DataType::Text),
                 TypeMismatchError);
    EXPECT_THROW(driver->Putinbuffer(image, address, BufferValue{}, DataType::Int16),
                 TypeMismatchError);
}

TEST_F(BufferMembers, PutNeverGrowsTheBuffer) {
    ByteBuffer image(4, 0);
    std::int64_t address = 3;
    EXPECT_THROW(driver->Putinbuffer(image, address, std::int32_t{1}, DataType::UInt16),
                 SubscriptError);
    address = -1;
    EXPECT_THROW(driver->Putinbuffer(image, address, std::uint8_t{1}, DataType::UInt8),
                 SubscriptError);
    EXPECT_EQ(image, ByteBuffer(4, 0));
    EXPECT_EQ(address, -1);
}

TEST_F(BufferMembers, GetDecodesSignedAndUnsignedTypes) {
    const ByteBuffer ff{0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(std::get<std::uint8_t>(driver->Getfrombuffer(ff, DataType::UInt8, 0)), 255);
    EXPECT_EQ(std::get<std::int16_t>(driver->Getfrombuffer(ff, DataType::Int8, 0)), -1);
    EXPECT_EQ(std::get<std::int32_t>(driver->Getfrombuffer(ff, DataType::UInt16, 0)), 65535);
    EXPECT_EQ(std::get<std::int16_t>(driver->Getfrombuffer(ff, DataType::Int16, 0)), -1);
    EXPECT_EQ(std::get<std::int64_t>(driver->Getfrombuffer(ff, DataType::UInt32, 0)), 4294967295LL);
    EXPECT_EQ(std::get<std::int32_t>(driver->Getfrombuffer(ff, DataType::Int32, 0)), -1);
    const ByteBuffer mixed{0x7F, 0x80, 0x00, 0x80};
    EXPECT_EQ(std::get<std::int16_t>(driver->Getfrombuffer(mixed, DataType::Int8, 0)), 127);
    EXPECT_EQ(std::get<std::int16_t>(driver->Getfrombuffer(mixed, DataType::Int8, 1)), -128);
    EXPECT_EQ(std::get<std::int16_t>(driver->Getfrombuffer(mixed, DataType::Int16, 2)), -32768);
    EXPECT_EQ(std::get<std::int32_t>(driver->Getfrombuffer(mixed, DataType::Int32, 0)),
              static_cast<std::int32_t>(0x8000807FU));
}

TEST_F(BufferMembers, GetincAdvancesByTheTypesCount) {
    const ByteBuffer image{0x10, 0x27, 0x00, 0x00, 0x41, 0x42, 0x00, 0x43, 0x00, 0x00, 0xC0, 0x3F};
    std::int64_t address = 0;
    EXPECT_EQ(std::get<std::int64_t>(driver->Getfrombufferinc(image, DataType::UInt32, address)),
              10000);
    EXPECT_EQ(address, 4);
    const auto text =
        std::get<std::string>(driver->Getfrombufferinc(image, DataType::Text, address, 4));
    EXPECT_EQ(text, std::string("AB\0C", 4));
    EXPECT_EQ(address, 8);
    EXPECT_EQ(std::get<float>(driver->Getfrombufferinc(image, DataType::Float32, address)), 1.5F);
    EXPECT_EQ(address, 12);
    address = 4;
    EXPECT_EQ(std::get<ByteBuffer>(driver->Getfrombufferinc(image, DataType::Bytes, address, 2)),
              (ByteBuffer{0x41, 0x42}));
    EXPECT_EQ(address, 6);
}

TEST_F(BufferMembers, GetOutsideTheBufferIsASubscriptError) {
    const ByteBuffer image{1, 2, 3};
    std::int64_t address = 2;
    EXPECT_THROW(driver->Getfrombufferinc(image, DataType::UInt16, address), SubscriptError);
    EXPECT_EQ(address, 2);
    EXPECT_THROW(driver->Getfrombuffer(image, DataType::UInt8, 3), SubscriptError);
    EXPECT_THROW(driver->Getfrombuffer(image, DataType::UInt8, -1), SubscriptError);
    EXPECT_THROW(driver->Getfrombuffer(image, DataType::Text, 1, 3), SubscriptError);
    EXPECT_THROW(driver->Getfrombuffer(image, DataType::Bytes, 0, -1), SubscriptError);
    EXPECT_THROW(driver->Getfrombuffer(ByteBuffer{}, DataType::UInt8, 0), SubscriptError);
}

TEST_F(BufferMembers, UnknownTypeCodesDoNothing) {
    ByteBuffer image(4, 0);
    for (std::int32_t type : {-1, 9, 100}) {
        std::int64_t address = 1;
        EXPECT_EQ(driver->Putinbuffer(image, address, std::int32_t{5}, type), 0);
        EXPECT_EQ(address, 1);
        EXPECT_TRUE(std::holds_alternative<std::monostate>(
            driver->Getfrombufferinc(image, type, address, 2)));
        EXPECT_EQ(address, 1);
        // Nothing is stored, so no address is out of range either.
        for (std::int64_t outside : {-1, 5, 1000}) {
            address = outside;
            EXPECT_EQ(driver->Putinbuffer(image, address, std::int32_t{5}, type), 0);
            EXPECT_EQ(address, outside);
        }
    }
    EXPECT_EQ(image, ByteBuffer(4, 0));
}

TEST_F(BufferMembers, GetbitLaysValuesOutAs32Bits) {
    EXPECT_EQ(driver->Getbit(std::uint8_t{0x80}, 7), 1);
    EXPECT_EQ(driver->Getbit(std::uint8_t{0x80}, 8), 0);
    EXPECT_EQ(driver->Getbit(std::uint8_t{0x01}, 0), 1);
    EXPECT_EQ(driver->Getbit(std::int32_t{0x8000}, 15), 1);
    EXPECT_EQ(driver->Getbit(std::int32_t{0x8000}, 16), 0);
    EXPECT_EQ(driver->Getbit(std::int64_t{0x80000000LL}, 31), 1);
    EXPECT_EQ(driver->Getbit(std::int64_t{-1}, 31), 1);
    EXPECT_EQ(driver->Getbit(std::int16_t{-1}, 15), 1);
    EXPECT_EQ(driver->Getbit(std::int16_t{-1}, 16), 0);
    EXPECT_EQ(driver->Getbit(std::int16_t{0x0080}, 7), 1);
}

TEST_F(BufferMembers, GetbitGivesZeroBitsForValuesThatAreNotIntegers) {
    EXPECT_EQ(driver->Getbit(1.0F, 23), 0);
    EXPECT_EQ(driver->Getbit(std::string("\xFF"), 0), 0);
    EXPECT_EQ(driver->Getbit(ByteBuffer{0xFF}, 0), 0);
    EXPECT_EQ(driver->Getbit(BufferValue{}, 0), 0);
}

TEST_F(BufferMembers, GetbitRejectsBitNumbersAbove31AndLongsOutside16Bits) {
    EXPECT_THROW(driver->Getbit(std::uint8_t{1}, 32), SubscriptError);
    EXPECT_EQ(driver->Getbit(std::int64_t{0}, 31), 0);
    EXPECT_THROW(driver->Getbit(std::int32_t{65536}, 0), OverflowError);
    EXPECT_THROW(driver->Getbit(std::int32_t{-1}, 0), OverflowError);
}

TEST_F(BufferMembers, TranslateStringToTheInstrumentPadsAndCuts) {
    EXPECT_EQ(driver->TranslateString("ABC", 1, 6), std::string("ABC\0  ", 6));
    const std::string twenty = "ABCDEFGHIJKLMNOPQRST";
    EXPECT_EQ(driver->TranslateString(twenty, 1, 18), twenty.substr(0, 18));
    EXPECT_EQ(driver->TranslateString("ABC", 1, 0), std::string("ABC\0", 4));
    EXPECT_EQ(driver->TranslateString("ABC", -1, 3), "ABC");
    EXPECT_EQ(driver->TranslateString("", 1, 2), std::string("\0 ", 2));
}

TEST_F(BufferMembers, TranslateStringFromTheInstrumentStopsAtNul) {
    EXPECT_EQ(driver->TranslateString(std::string("AB\0CD", 5), 0, 0), "AB");
    EXPECT_EQ(driver->TranslateString("ABCDEF", 0, 4), "ABCD");
    EXPECT_EQ(driver->TranslateString("ABC", 0, 10), "ABC");
    EXPECT_EQ(driver->TranslateString(std::string("\0AB", 3), 0, 0), "");
    // Windows-1252 bytes pass unchanged.
    EXPECT_EQ(driver->TranslateString("\xB0"
                                      "C",
                                      0, 0),
              "\xB0"
              "C");
}

}  // namespace
}  // namespace kilnward::drivers
