// A peer that never goes quiet cannot keep a request running: every attempt ends within the
// line time of the answer it can get (the longest frame when its size is unknown) plus the
// inter-byte time-out.
#include <chrono>
#include <optional>

#include "LinkFixture.h"

namespace wirelink::test {
namespace {

using std::chrono::milliseconds;

// 32774 bytes at 9600 bit/s, ten bits per byte, plus the 1.0 s inter-byte time-out.
constexpr double kAttemptLimit9600 = 32774 * 10.0 / 9600 + 1.0;

class BoundedAttemptTest : public LinkTest {};

TEST_F(BoundedAttemptTest, EndlessGarbageEndsEachAttemptOneByteTimeoutAfterItsFirstByte) {
    // An unrecognised first byte can begin no answer: the attempt ends one inter-byte time
    // after it, however much noise follows.
    port.streamInput({0x41, 0x00, 0xFF}, milliseconds(1));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(WLink_errors::WLerr_timeouterror));
    EXPECT_EQ(port.frames().size(), 4u);
    EXPECT_FALSE(link.FlowIsConnected(kAddr));
    EXPECT_EQ(link.TimedOutAttempts(), 4u);
    EXPECT_GT(Seconds(), 4 * 1.0);
    EXPECT_LT(Seconds(), 4 * 1.0 + 0.1);
}

// A request whose answer size is known waits at most that answer's line time plus the
// inter-byte time-out per attempt, whatever the peer sends; one of unknown size, the longest
// frame's time.
TEST_F(BoundedAttemptTest, AKnownAnswerSizeBoundsEveryAttempt) {
    // Start bytes every 0.5 s: each looks like the beginning of a long frame, and the
    // inter-byte time-out never fires.
    const struct {
        const char* request;
        std::optional<std::uint16_t> answerBytes;
        double attemptSeconds;
    } cases[] = {
        {"32 data bytes", 32, (9 + 32) * 10.0 / 9600 + 1.0},
        {"a status answer", 1, (9 + 1) * 10.0 / 9600 + 1.0},
        {"a block of 2048", 2048, (9 + 2048) * 10.0 / 9600 + 1.0},
        {"size unknown", std::nullopt, kAttemptLimit9600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.request);
        ASSERT_EQ(link.SetFlowConnected(kAddr), 0);
        port.streamInput({0x02}, milliseconds(500));
        const double start = Seconds();
        const std::size_t framesBefore = port.frames().size();
        const std::int32_t result = c.answerBytes
                                        ? link.SendFrame(kAddr, 0x10, 0x00, {}, *c.answerBytes)
                                        : link.SendFrame(kAddr, 0x10, 0x00, {});
        EXPECT_EQ(result, Code(WLink_errors::WLerr_timeouterror));
        EXPECT_EQ(port.frames().size() - framesBefore, 4u);
        EXPECT_GT(Seconds() - start, 4 * c.attemptSeconds - 0.01);
        EXPECT_LT(Seconds() - start, 4 * (c.attemptSeconds + 0.6));
    }
}

TEST_F(BoundedAttemptTest, AKnownAnswerSizeStillTakesAnAnswerThatKeepsItsLineTime) {
    link.setBaudRate("9600");
    // 2048 data bytes arrive in their line time after 0.9 s of thinking.
    const ByteBuffer block(2048, 0x5A);
    port.queueReply(FakeCommPort::Answer(FakeCommPort::DataFrame(kAddr, kType, 0x5C, 0x00, block),
                                         milliseconds(900)));
    EXPECT_EQ(link.SendFrame(kAddr, 0x5C, 0x00, {}, 2048), 0);
    EXPECT_EQ(link.LastRcvFrame(), block);
    EXPECT_EQ(port.frames().size(), 1u);
}

TEST_F(BoundedAttemptTest, AWriteWithAKnownAnswerBoundsTheWriteAndItsStatusRequest) {
    // The write is acknowledged; the status request meets a stalled frame.
    port.queueReply(Reply(kAck));
    port.streamInput({0x02}, milliseconds(500));
    EXPECT_EQ(link.SendTXFrame_wresponse(kAddr, 0xDF, 0x02, {1}, 0),
              Code(WLink_errors::WLerr_timeouterror));
    EXPECT_EQ(port.frames().size(), 5u);
    EXPECT_LT(Seconds(), 4 * ((9 + 1) * 10.0 / 9600 + 1.0 + 0.6));
}

TEST_F(BoundedAttemptTest, BusyAnswersToAKnownSizeStillRunToTheBusyTimeout) {
    link.setBusyTimeout(3);
    port.streamInput({kBusy}, milliseconds(2));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}, 4), Code(WLink_errors::WLerr_busytoolong));
    EXPECT_GE(Seconds(), 3.0);
    EXPECT_LT(Seconds(), 3.1);
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
    // A frame announcing 32639 data bytes whose body never ends, one byte a millisecond.
    port.streamInput({0x02, 0x01, 0x09, 0x00, 0x10, 0x7F, 0x7F, 0x7F}, milliseconds(1), true);
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
