#include <gtest/gtest.h>

#include "wirelink/Frame.h"

namespace wirelink {
namespace {

TEST(FrameChecksumTest, ComplementOfTheByteSumLow16Bits) {
    const ByteBuffer status{0x02, 0x05, 0x09, 0x03, 0x5A, 0x00, 0x00};
    EXPECT_EQ(FrameChecksum(status), 0xFF92);
    EXPECT_EQ(FrameChecksum(ByteBuffer{}), 0xFFFF);
    // A sum beyond 16 bits keeps only the low bits of its complement.
    const ByteBuffer big(300, 0xFF);  // sum 76500 = 0x12AD4
    EXPECT_EQ(FrameChecksum(big), static_cast<std::uint16_t>(~0x12AD4u & 0xFFFF));
}

TEST(BuildFrameTest, StatusRequest) {
    EXPECT_EQ(BuildFrame(5, 9, 0x5A, 0x03, {}),
              (ByteBuffer{0x02, 0x05, 0x09, 0x03, 0x5A, 0x00, 0x00, 0x92, 0xFF}));
}

TEST(BuildFrameTest, CountIsLittleEndianAndChecksumCoversData) {
    const ByteBuffer data(300, 0x11);
    const auto frame = BuildFrame(1, 14, 0x81, 0x20, data);
    ASSERT_TRUE(frame);
    ASSERT_EQ(frame->size(), 309u);
    EXPECT_EQ((*frame)[3], 0x20);  // command low first
    EXPECT_EQ((*frame)[4], 0x81);
    EXPECT_EQ((*frame)[5], 300 & 0xFF);
    EXPECT_EQ((*frame)[6], 300 >> 8);
    const std::uint16_t sum = FrameChecksum(frame->data(), 307);
    EXPECT_EQ((*frame)[307], sum & 0xFF);
    EXPECT_EQ((*frame)[308], sum >> 8);
}

TEST(BuildFrameTest, RefusesMoreDataThanAFrameCarries) {
    EXPECT_TRUE(BuildFrame(1, 9, 0x90, 0, ByteBuffer(kMaxRequestData)));
    EXPECT_FALSE(BuildFrame(1, 9, 0x90, 0, ByteBuffer(kMaxRequestData + 1)));
}

}  // namespace
}  // namespace wirelink
