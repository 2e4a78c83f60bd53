#include <gtest/gtest.h>

#include <chrono>

#include "drivers/CreateDriver.h"
#include "drivers/NoLinkError.h"
#include "drivers/OverflowError.h"
#include "drivers/SubscriptError.h"
#include "wirelink/Errors.h"
#include "wirelink/FakeClock.h"
#include "wirelink/FakeCommPort.h"
#include "wirelink/Frame.h"
#include "wirelink/Wirelink.h"

namespace kilnward::drivers {
namespace {

using wirelink::ByteBuffer;
using wirelink::FakeCommPort;

constexpr std::uint8_t kAddr = 5;
constexpr std::uint8_t kType = 14;

// A driver talking through a real link control to a scripted port.
class DriverCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(link.OpenCom(), 0);
        ASSERT_EQ(link.Defineflow(kAddr, kType), 0);
        driver->linktowirelinkctrl(&link);
    }

    void QueueAck() { port.queueReply(FakeCommPort::Answer({wirelink::kAck})); }
    void QueueData(const ByteBuffer& data) {
        port.queueReply(FakeCommPort::Answer(FakeCommPort::DataFrame(kAddr, kType, 0, 0, data)));
    }
    // A write answered by ACK, then its status request answered with `status`.
    void QueueWrite(std::uint8_t status = 0) {
        QueueAck();
        QueueData({status});
    }

    static std::uint16_t Command(const ByteBuffer& frame) {
        return static_cast<std::uint16_t>(frame.at(4) << 8 | frame.at(3));
    }
    static ByteBuffer DataOf(const ByteBuffer& frame) {
        return ByteBuffer(frame.begin() + 7, frame.end() - 2);
    }
    void ExpectStatusRequest(std::size_t index) {
        ASSERT_GT(port.frames().size(), index);
        // Status request 5A 03 to address 5, type 14: byte sum 0x72, checksum 0xFF8D.
        EXPECT_EQ(port.frames()[index],
                  (ByteBuffer{0x02, 0x05, 0x0E, 0x03, 0x5A, 0x00, 0x00, 0x8D, 0xFF}));
    }

    wirelink::FakeClock clock;
    FakeCommPort port{clock};
    wirelink::Wirelink link{port, nullptr, &clock};
    std::unique_ptr<InstrumentDriver> driver = CreateDriver(kType);
};

TEST_F(DriverCommands, WritetoRelativeDeviceSendsDeviceAddressAndDataThenStatusRequest) {
    QueueWrite();
    EXPECT_EQ(driver->WritetoRelativeDevice(kAddr, 1, 256, {0xAA}), 0);
    ASSERT_EQ(port.frames().size(), 2U);
    const ByteBuffer& frame = port.frames()[0];
    EXPECT_EQ(frame[1], kAddr);
    EXPECT_EQ(frame[2], kType);
    EXPECT_EQ(Command(frame), 0xDC00);
    EXPECT_EQ(DataOf(frame), (ByteBuffer{0x01, 0x00, 0x01, 0x00, 0x00, 0xAA}));
    EXPECT_EQ(wirelink::FrameChecksum(frame.data(), frame.size() - 2),
              frame[frame.size() - 2] | frame[frame.size() - 1] << 8);
    ExpectStatusRequest(1);
}

TEST_F(DriverCommands, ReadfromRelativeDeviceSendsCountAndReturnsTheResponseData) {
    ByteBuffer block(64);
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(i * 3);
    }
    QueueData(block);
    ByteBuffer data{0xEE};
    EXPECT_EQ(driver->ReadfromRelativeDevice(kAddr, 1, 0, 64, data), 0);
    ASSERT_EQ(port.frames().size(), 1U);
    EXPECT_EQ(Command(port.frames()[0]), 0x5C00);
    EXPECT_EQ(DataOf(port.frames()[0]), (ByteBuffer{0x01, 0x00, 0x00, 0x00, 0x00, 0x40, 0x00}));
    EXPECT_EQ(data, block);
}

TEST_F(DriverCommands, NegativeAddressAndCountTravelAsTheirUnsignedPatterns) {
    QueueData({});
    ByteBuffer data;
    EXPECT_EQ(driver->ReadfromRelativeDevice(kAddr, 2, -1, -1, data), 0);
    EXPECT_EQ(DataOf(port.frames()[0]), (ByteBuffer{0x02, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(data.empty());
}

TEST_F(DriverCommands, FieldsTooLargeFailBeforeAnythingIsSent) {
    ByteBuffer data;
    EXPECT_THROW(driver->ReadfromRelativeDevice(kAddr, 256, 0, 1, data), OverflowError);
    EXPECT_THROW(driver->WritetoRelativeDevice(kAddr, 1, 1LL << 32, {1}), OverflowError);
    EXPECT_THROW(driver->SetRemLoc(kAddr, 300), OverflowError);
    EXPECT_TRUE(port.frames().empty());
}

TEST_F(DriverCommands, RemoteModeAndTransactionCommands) {
    for (int i = 0; i < 4; ++i) {
        QueueWrite();
    }
    EXPECT_EQ(driver->SetRemLoc(kAddr, 1), 0);
    EXPECT_EQ(driver->StartWriteTransaction(kAddr, 1), 0);
    EXPECT_EQ(driver->EndWriteTransaction(kAddr), 0);
    EXPECT_EQ(driver->SetRemLoc(kAddr, 0), 0);
    const auto& frames = port.frames();
    ASSERT_EQ(frames.size(), 8U);
    EXPECT_EQ(Command(frames[0]), 0xDF02);
    EXPECT_EQ(DataOf(frames[0]), ByteBuffer{1});
    EXPECT_EQ(Command(frames[2]), 0xDF01);
    EXPECT_EQ(DataOf(frames[2]), ByteBuffer{1});
    EXPECT_EQ(Command(frames[4]), 0xDF00);
    EXPECT_TRUE(DataOf(frames[4]).empty());
    EXPECT_EQ(DataOf(frames[6]), ByteBuffer{0});
    for (std::size_t i = 1; i < frames.size(); i += 2) {
        ExpectStatusRequest(i);
    }
}

TEST_F(DriverCommands, WriteRTCClockSendsTheClockRecord) {
    QueueWrite();
    EXPECT_EQ(driver->WriteRTCClock(kAddr, MakeDateTime(2003, 3, 5, 14, 7, 59)), 0);
    EXPECT_EQ(Command(port.frames()[0]), 0xDE00);
    EXPECT_EQ(DataOf(port.frames()[0]), (ByteBuffer{0x05, 0x03, 0x03, 0x0E, 0x07}));
    ExpectStatusRequest(1);
}

TEST_F(DriverCommands, ReadRTCClockDecodesTheRecord) {
    QueueData({0x05, 0x03, 0x63, 0x0E, 0x07});
    DateTime when{};
    EXPECT_EQ(driver->ReadRTCClock(kAddr, when), 0);
    EXPECT_EQ(Command(port.frames()[0]), 0x5E00);
    EXPECT_TRUE(DataOf(port.frames()[0]).empty());
    EXPECT_EQ(when, MakeDateTime(1999, 3, 5, 14, 7, 0));
}

TEST_F(DriverCommands, ReadRTCClockWithAShortRecordIsASubscriptError) {
    QueueData({0x05, 0x03, 0x03, 0x0E});
    const DateTime before = MakeDateTime(2020, 1, 1, 0, 0, 0);
    DateTime when = before;
    EXPECT_THROW(driver->ReadRTCClock(kAddr, when), SubscriptError);
    EXPECT_EQ(when, before);
}

TEST_F(DriverCommands, LinkErrorsAreRaisedThroughTheDriverByDefault) {
    port.queueReply(FakeCommPort::Answer({wirelink::kFail, 0x21}));
    ByteBuffer data{1, 2};
    try {
        driver->ReadfromRelativeDevice(kAddr, 1, 0, 32, data);
        FAIL() << "no error raised";
    } catch (const wirelink::Error& e) {
        EXPECT_EQ(e.code(), wirelink::StatusOf(wirelink::WLink_errors::WLerrFAIL_CMDUNKNOW));
    }
    EXPECT_EQ(data, (ByteBuffer{1, 2}));
}

TEST_F(DriverCommands, WithoutRaiseErrorsTheCodeIsTheResultAndOutputsStayUnchanged) {
    link.setRaiseErrors(false);
    port.queueReply(FakeCommPort::Answer({wirelink::kFail, 0x21}));
    ByteBuffer data{1, 2};
    EXPECT_EQ(driver->ReadfromRelativeDevice(kAddr, 1, 0, 32, data),
              wirelink::StatusOf(wirelink::WLink_errors::WLerrFAIL_CMDUNKNOW));
    EXPECT_EQ(data, (ByteBuffer{1, 2}));

    port.queueReply(FakeCommPort::Answer({wirelink::kFail, 0x21}));
    const DateTime before = MakeDateTime(2020, 1, 1, 0, 0, 0);
    DateTime when = before;
    EXPECT_EQ(driver->ReadRTCClock(kAddr, when),
              wirelink::StatusOf(wirelink::WLink_errors::WLerrFAIL_CMDUNKNOW));
    EXPECT_EQ(when, before);

    QueueWrite(4);
    EXPECT_EQ(driver->WritetoRelativeDevice(kAddr, 1, 0, {1}),
              wirelink::StatusOf(wirelink::WLink_errors::WLerrRESP_OUTOFRANGE));
}

TEST_F(DriverCommands, RequestsToAnAddressWithoutFlowFailInTheLink) {
    link.setRaiseErrors(false);
    ByteBuffer data;
    EXPECT_EQ(driver->ReadfromRelativeDevice(kAddr + 1, 1, 0, 32, data),
              wirelink::StatusOf(wirelink::WLink_errors::WLerr_flownotdefined));
    EXPECT_TRUE(port.frames().empty());
}

TEST_F(DriverCommands, AppendinbufferAppendsThroughTheLinkControl) {
    ByteBuffer buffer;
    EXPECT_EQ(driver->Appendinbuffer(buffer, std::int32_t{0x1234}, 2), 2);
    EXPECT_EQ(driver->Appendinbuffer(buffer, std::string("AB"), 7), 2);
    EXPECT_EQ(driver->Appendinbuffer(buffer, std::int16_t{-1}, 1), 1);
    EXPECT_EQ(driver->Appendinbuffer(buffer, std::int16_t{-1}, 9), 0);
    EXPECT_EQ(buffer, (ByteBuffer{0x34, 0x12, 'A', 'B', 0xFF}));
    EXPECT_THROW(driver->Appendinbuffer(buffer, std::int32_t{65536}, 2), OverflowError);
    EXPECT_EQ(buffer.size(), 5U);
}

TEST_F(DriverCommands, RemovingTheLinkControlMakesMembersFail) {
    driver->linktowirelinkctrl(nullptr);
    EXPECT_THROW(driver->EndWriteTransaction(kAddr), NoLinkError);
    EXPECT_TRUE(port.frames().empty());
}

}  // namespace
}  // namespace kilnward::drivers
