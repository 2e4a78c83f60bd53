#include "LinkFixture.h"
#include "wirelink/PortErrors.h"

namespace wirelink::test {
namespace {

using namespace std::chrono_literals;
using E = WLink_errors;

class SendFrameTest : public LinkTest {};

TEST_F(SendFrameTest, StatusRequestGoesOutAsDocumentedBytes) {
    ASSERT_EQ(link.Defineflow(5, 9), 0);
    port.queueReply(Reply(kAck));
    EXPECT_EQ(link.SendFrame(5, 0x5A, 0x03, {}), 0);
    ASSERT_EQ(port.frames().size(), 1u);
    EXPECT_EQ(port.frames()[0], (ByteBuffer{0x02, 0x05, 0x09, 0x03, 0x5A, 0x00, 0x00, 0x92, 0xFF}));
    // Cable mode writes the whole frame at once.
    ASSERT_EQ(port.writes().size(), 1u);
    EXPECT_EQ(port.writes()[0].bytes.size(), 9u);
}

TEST_F(SendFrameTest, DataBytesTravelInOrderWithTheirCount) {
    port.queueReply(Reply(kAck));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x02, {0xAA, 0xBB, 0xCC}), 0);
    ASSERT_EQ(port.frames().size(), 1u);
    const ByteBuffer& frame = port.frames()[0];
    ASSERT_EQ(frame.size(), 12u);
    EXPECT_EQ(frame[5], 3);
    EXPECT_EQ(frame[6], 0);
    EXPECT_EQ((ByteBuffer(frame.begin() + 7, frame.begin() + 10)), (ByteBuffer{0xAA, 0xBB, 0xCC}));
}

TEST_F(SendFrameTest, AckAndEmptyDataFrameBothLeaveLastRcvFrameEmpty) {
    port.queueReply(Data({1, 2, 3}));
    ASSERT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
    EXPECT_EQ(link.LastRcvFrame(), (ByteBuffer{1, 2, 3}));

    port.queueReply(Reply(kAck));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
    EXPECT_TRUE(link.LastRcvFrame().empty());

    port.queueReply(Data({}));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
    EXPECT_TRUE(link.LastRcvFrame().empty());
}

TEST_F(SendFrameTest, DataFrameFillsLastRcvFrameAndRaisesEvent) {
    std::vector<std::uint8_t> completed;
    link.setFrameCompletedOK([&](std::uint8_t addr) { completed.push_back(addr); });
    ByteBuffer block(32);
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(i * 7);
    }
    port.queueReply(Data(block));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {0x00, 0x00, 0x20}), 0);
    EXPECT_EQ(link.LastRcvFrame(), block);
    EXPECT_EQ(completed, (std::vector<std::uint8_t>{kAddr}));
}

TEST_F(SendFrameTest, FourNaksDisconnectTheFlow) {
    bool completed = false;
    link.setFrameCompletedOK([&](std::uint8_t) { completed = true; });
    port.queueReplies(4, Reply(kNak));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_nakerror));
    EXPECT_EQ(port.frames().size(), 4u);
    EXPECT_FALSE(link.FlowIsConnected(kAddr));
    EXPECT_FALSE(completed);

    // A disconnected flow fails at once and sends nothing.
    port.queueReply(Reply(kAck));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_flowdisconnected));
    EXPECT_EQ(port.frames().size(), 4u);

    EXPECT_EQ(link.SetFlowConnected(kAddr), 0);
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
}

TEST_F(SendFrameTest, ThreeNaksThenSuccessStaysConnected) {
    port.queueReplies(3, Reply(kNak));
    port.queueReply(Data({9}));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
    EXPECT_EQ(port.frames().size(), 4u);
    EXPECT_EQ(link.LastRcvFrame(), ByteBuffer{9});
    EXPECT_TRUE(link.FlowIsConnected(kAddr));
}

TEST_F(SendFrameTest, BusyRestartsTheAttemptCount) {
    port.queueReplies(2, Reply(kNak));
    port.queueReply(Reply(kBusy));
    port.queueReplies(4, Reply(kNak));
    port.queueReply(Reply(kAck));  // never reached
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_nakerror));
    EXPECT_EQ(port.frames().size(), 7u);
    EXPECT_EQ(port.repliesLeft(), 1u);
}

TEST_F(SendFrameTest, EndlessBusyEndsAfterBusyTimeout) {
    link.setBusyTimeout(2);
    port.setResponder([](const ByteBuffer&) { return FakeCommPort::Answer({kBusy}, 100ms); });
    EXPECT_EQ(link.SendFrame(kAddr, 0xDC, 0x00, {}), Code(E::WLerr_busytoolong));
    EXPECT_GE(Seconds(), 2.0);
    EXPECT_LT(Seconds(), 2.2);
    EXPECT_FALSE(link.FlowIsConnected(kAddr));
}

TEST_F(SendFrameTest, BusyTimeoutZeroEndsAtTheFirstBusy) {
    link.setBusyTimeout(0);
    port.setResponder([](const ByteBuffer&) { return FakeCommPort::Answer({kBusy}); });
    link.setRaiseErrors(true);
    try {
        link.SendFrame(kAddr, 0xDC, 0x00, {});
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), Code(E::WLerr_busytoolong));
        EXPECT_STREQ(e.what(),
                     "Command 0xDC00 failed due to a BUSY timeout on instrument addr : 0x01");
    }
    EXPECT_EQ(port.frames().size(), 1u);
}

TEST_F(SendFrameTest, FailCodeEndsAfterOneAttemptAndKeepsFlow) {
    port.queueReply(FakeCommPort::Answer({kFail, 0x21}));
    EXPECT_EQ(link.SendFrame(kAddr, 0x12, 0x34, {}), Code(E::WLerrFAIL_CMDUNKNOW));
    EXPECT_EQ(port.frames().size(), 1u);
    EXPECT_TRUE(link.FlowIsConnected(kAddr));
}

TEST_F(SendFrameTest, FailCodesMapToTheirErrorsAndMessages) {
    link.setRaiseErrors(true);
    const struct {
        std::uint8_t code;
        E error;
        const char* message;
    } cases[] = {
        {0x20, E::WLerrFAIL_ID, "Incorrect ID code (0x09) on instrument addr : 0x01"},
        {0x21, E::WLerrFAIL_CMDUNKNOW, "Command 0x1234 not implemented on instrument addr : 0x01"},
        {0x22, E::WLerrFAIL_ERRORNUMBERDATA,
         "Mismatch in data count at command 0x1234 on instrument addr : 0x01"},
        {0x23, E::WLerrFAIL_TOOMANYDATAFORFLOW, "Buffer overflow error on instrument addr : 0x01"},
        {0x7F, E::WLerrFAIL_NOTDEFINED, "Unknow Fail error code : 0x7F on instrument addr : 0x01"},
    };
    for (const auto& c : cases) {
        port.queueReply(FakeCommPort::Answer({kFail, c.code}));
        try {
            link.SendFrame(kAddr, 0x12, 0x34, {});
            ADD_FAILURE() << "no error for fail code " << int(c.code);
        } catch (const Error& e) {
            EXPECT_EQ(e.code(), Code(c.error));
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST_F(SendFrameTest, StrayByteTimesOutThenRetrySucceeds) {
    port.queueReply(FakeCommPort::Answer({0x41}));
    port.queueReply(Data({5, 6}));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
    EXPECT_EQ(link.LastRcvFrame(), (ByteBuffer{5, 6}));
    EXPECT_EQ(port.frames().size(), 2u);
    EXPECT_GE(Seconds(), 1.0);
    EXPECT_LT(Seconds(), 1.1);
}

TEST_F(SendFrameTest, BytesWaitingBeforeTheRequestAreDiscarded) {
    port.injectInput({0x41, 0x42});
    port.queueReply(Reply(kAck));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
    EXPECT_EQ(port.frames().size(), 1u);
    EXPECT_LT(Seconds(), 0.1);
}

TEST_F(SendFrameTest, TricklingAnswerWithShortGapsNeverTimesOut) {
    const ByteBuffer block(30, 0x5A);
    port.queueReply(
        FakeCommPort::Trickle(FakeCommPort::DataFrame(kAddr, kType, 0x10, 0x00, block), 900ms));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
    EXPECT_EQ(link.LastRcvFrame(), block);
    EXPECT_EQ(port.frames().size(), 1u);
    EXPECT_GT(Seconds(), 30.0);
}

TEST_F(SendFrameTest, GapLongerThanOneSecondIsATimeout) {
    port.setResponder([](const ByteBuffer&) {
        return FakeCommPort::Trickle(FakeCommPort::DataFrame(kAddr, kType, 0x10, 0x00, {1}),
                                     1100ms);
    });
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_timeouterror));
    EXPECT_EQ(port.frames().size(), 4u);
    EXPECT_FALSE(link.FlowIsConnected(kAddr));
}

TEST_F(SendFrameTest, SilentInstrumentTimesOutFourTimes) {
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_timeouterror));
    EXPECT_EQ(port.frames().size(), 4u);
    EXPECT_GE(Seconds(), 4.0);
    EXPECT_LT(Seconds(), 4.2);
}

TEST_F(SendFrameTest, WrongChecksumIsRetriedThenReported) {
    ByteBuffer bad = FakeCommPort::DataFrame(kAddr, kType, 0x10, 0x00, {1, 2});
    bad.back() ^= 0x01;
    port.queueReplies(3, FakeCommPort::Answer(bad));
    port.queueReply(Data({1, 2}));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
    EXPECT_EQ(port.frames().size(), 4u);

    port.queueReplies(4, FakeCommPort::Answer(bad));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_checksumerror));
    EXPECT_TRUE(link.LastRcvFrame().empty());
}

TEST_F(SendFrameTest, BytesBeyondTheDeclaredLengthInOneReadSpoilTheChecksum) {
    ByteBuffer longer = FakeCommPort::DataFrame(kAddr, kType, 0x10, 0x00, {1, 2});
    longer.push_back(0x00);
    port.queueReplies(4, FakeCommPort::Answer(longer));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_checksumerror));
}

TEST_F(SendFrameTest, LineErrorIsAHardwareFailure) {
    const FakeCommPort::Reply noisy{{{kAck}, 1ms, kLineErrorFraming}};
    port.queueReplies(4, noisy);
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_hardwareerror));
    EXPECT_FALSE(link.FlowIsConnected(kAddr));
}

TEST_F(SendFrameTest, ResponseAnnouncingTooMuchDataFailsAtOnce) {
    port.queueReply(FakeCommPort::Answer({kStartByte, kAddr, kType, 0, 0x10, 0xFE, 0x7F}));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_frametoolong));
    EXPECT_EQ(port.frames().size(), 1u);
    EXPECT_LT(Seconds(), 0.5);
}

TEST_F(SendFrameTest, RequestDataLimit) {
    port.queueReply(Reply(kAck));
    EXPECT_EQ(link.SendFrame(kAddr, 0x90, 0x00, ByteBuffer(kMaxRequestData, 1)), 0);
    ASSERT_EQ(port.frames().size(), 1u);
    EXPECT_EQ(port.frames()[0].size(), kMaxRequestData + 9);

    EXPECT_EQ(link.SendFrame(kAddr, 0x90, 0x00, ByteBuffer(kMaxRequestData + 1, 1)),
              Code(E::WLerr_frametoolong));
    EXPECT_EQ(port.frames().size(), 1u);
}

TEST_F(SendFrameTest, ClosedPortAndMissingFlowSendNothing) {
    EXPECT_EQ(link.SendFrame(7, 0x10, 0x00, {}), Code(E::WLerr_flownotdefined));
    link.CloseCom();
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_devicenotopened));
    EXPECT_EQ(link.SendFrame(7, 0x10, 0x00, {}), Code(E::WLerr_devicenotopened));
    EXPECT_TRUE(port.writes().empty());
}

TEST_F(SendFrameTest, FailedRequestLeavesLastRcvFrameEmpty) {
    port.queueReply(Data({1, 2, 3}));
    ASSERT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
    link.CloseCom();
    EXPECT_NE(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
    EXPECT_TRUE(link.LastRcvFrame().empty());
}

TEST_F(SendFrameTest, RaiseErrorsDecidesBetweenResultAndRaisedError) {
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_timeouterror));
    EXPECT_EQ(Code(E::WLerr_timeouterror), -2147220992);

    ASSERT_EQ(link.SetFlowConnected(kAddr), 0);
    link.setRaiseErrors(true);
    try {
        link.SendFrame(kAddr, 0x10, 0x00, {});
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), Code(E::WLerr_timeouterror));
        EXPECT_STREQ(e.what(), "Timeout error on instrument addr : 0x01");
        EXPECT_EQ(e.source(), Wirelink::kSourceName);
    }
}

TEST_F(SendFrameTest, PortFailureDuringARequestPassesThroughWithItsCode) {
    // A port that goes away under a request: its own failure, not a link error.
    link.setPermitsEvents(true);
    host.onEvents = [&] { port.close(); };
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), static_cast<int>(PortError::PortNotOpen));
}

}  // namespace
}  // namespace wirelink::test
