// A peer that never goes quiet cannot keep a request running: every attempt ends within the
// longest frame's time at the line rate plus the inter-byte time-out.
#include <chrono>

#include "LinkFixture.h"

namespace wirelink::test {
namespace {

using std::chrono::milliseconds;

// 32774 bytes at 9600 bit/s, ten bits per byte, plus the 1.0 s inter-byte time-out.
constexpr double kAttemptLimit9600 = 32774 * 10.0 / 9600 + 1.0;

class BoundedAttemptTest : public LinkTest {};

TEST_F(BoundedAttemptTest, EndlessGarbageEndsAfterFourBoundedAttempts) {
    port.streamInput({0x41, 0x00, 0xFF}, milliseconds(1));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(WLink_errors::WLerr_timeouterror));
    EXPECT_EQ(port.frames().size(), 4u);
    EXPECT_FALSE(link.FlowIsConnected(kAddr));
    EXPECT_EQ(link.TimedOutAttempts(), 4u);
    EXPECT_GT(Seconds(), 4 * (kAttemptLimit9600 - 0.01));
    EXPECT_LT(Seconds(), 4 * (kAttemptLimit9600 + 0.01));
}

TEST_F(BoundedAttemptTest, EndlessTrickleOfAStartedFrameEndsToo) {
    // A start byte, a header announcing a long frame, then one byte every 0.5 s: the
    // inter-byte time-out never fires, the attempt's deadline does.
    port.streamInput({0x02, 0x01, 0x09, 0x00, 0x10, 0x7F, 0x7F, 0x7F}, milliseconds(500));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(WLink_errors::WLerr_timeouterror));
    EXPECT_EQ(port.frames().size(), 4u);
    EXPECT_LT(Seconds(), 4 * (kAttemptLimit9600 + 0.6));
}

TEST_F(BoundedAttemptTest, TheDeadlineFollowsTheLineRate) {
    link.setBaudRate("115200");
    port.streamInput({0x41}, milliseconds(1));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(WLink_errors::WLerr_timeouterror));
    EXPECT_NEAR(Seconds(), 4 * (32774 * 10.0 / 115200 + 1.0), 0.05);
}

TEST_F(BoundedAttemptTest, EndlessBusyEndsWithTheBusyTimeout) {
    link.setBusyTimeout(3);
    port.streamInput({kBusy}, milliseconds(2));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(WLink_errors::WLerr_busytoolong));
    EXPECT_LT(Seconds(), 3.1);
}

TEST_F(BoundedAttemptTest, LateAnswersAreCountedAndTraced) {
    std::vector<std::string> trace;
    link.setTrace([&trace](const std::string& line) { trace.push_back(line); });
    // The first answer comes 1.2 s late: the retry gets it. The header names another command.
    port.queueReply(FakeCommPort::Answer(FakeCommPort::DataFrame(kAddr, kType, 0x11, 0x00, {7}),
                                         milliseconds(1200)));
    port.queueReply({});
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
    EXPECT_EQ(link.LastRcvFrame(), ByteBuffer{7});
    EXPECT_EQ(link.TimedOutAttempts(), 1u);
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_NE(trace[0].find("timed out"), std::string::npos);
    EXPECT_EQ(trace[1], "answer header 01 09 00 11 differs from request 01 09 00 10");
}

TEST_F(BoundedAttemptTest, WaitLineQuietDropsWhatIsStillOnItsWay) {
    port.injectInput({0x06}, milliseconds(300));
    port.injectInput({0x06}, milliseconds(1500));
    EXPECT_EQ(link.WaitLineQuiet(), 0);
    // Silent for two inter-byte times after the last byte.
    EXPECT_NEAR(Seconds(), 3.5, 0.01);
    port.queueReply(Reply(kNak));
    port.queueReply(Reply(kAck));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
}

}  // namespace
}  // namespace wirelink::test
