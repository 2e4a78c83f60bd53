#include "LinkFixture.h"

namespace wirelink::test {
namespace {

using namespace std::chrono_literals;
using E = WLink_errors;

class CancelTest : public LinkTest {
  protected:
    void SetUp() override {
        LinkTest::SetUp();
        link.setPermitsEvents(true);
    }
};

TEST_F(CancelTest, CancelFromHostEventsEndsTheRequestAtOnce) {
    host.onEvents = [&] { link.CancelSendFrame(); };
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_cancelledsend));
    EXPECT_EQ(port.frames().size(), 1u);
    EXPECT_TRUE(link.FlowIsConnected(kAddr));
    EXPECT_LT(Seconds(), 0.1);
}

TEST_F(CancelTest, HostUnloadingAbortsTheRequest) {
    link.setRaiseErrors(true);
    host.onEvents = [&] { link.HostUnloading(); };
    try {
        link.SendFrame(kAddr, 0x10, 0x00, {});
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), Code(E::WLerr_abortsend));
        EXPECT_STREQ(e.what(), "Operation aborted by exiting application");
    }
    EXPECT_TRUE(link.FlowIsConnected(kAddr));
}

TEST_F(CancelTest, CancelDuringTheBodyWaitAlsoEnds) {
    // Header at once, body late: the cancel arrives while the body is awaited.
    FakeCommPort::Reply reply = FakeCommPort::Answer({kStartByte, kAddr, kType, 0, 0x10, 2, 0});
    reply.push_back({{1, 2, 0, 0}, 800ms, 0});
    port.queueReply(reply);
    host.onEvents = [&] {
        if (clock.elapsed() > 300ms) {
            link.CancelSendFrame();
        }
    };
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_cancelledsend));
    EXPECT_TRUE(link.LastRcvFrame().empty());
}

TEST_F(CancelTest, CancelBetweenRequestsHasNoEffectOnTheNext) {
    link.CancelSendFrame();
    port.queueReply(Reply(kAck));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
}

TEST_F(CancelTest, WithoutPermitsEventsTheHostIsNeverCalled) {
    link.setPermitsEvents(false);
    host.onEvents = [&] { link.CancelSendFrame(); };
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_timeouterror));
    EXPECT_EQ(host.eventCalls, 0);
}

TEST_F(CancelTest, WaitsAreSlicedSoHostEventsKeepRunning) {
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_timeouterror));
    // Four one-second waits cut into slices of a few tens of milliseconds.
    EXPECT_GE(host.eventCalls, 4 * 25);
}

TEST_F(CancelTest, RequestStartedFromHostEventsIsRefused) {
    std::int32_t nested = 0;
    host.onEvents = [&] {
        if (nested == 0) {
            nested = link.SendFrame(kAddr, 0x20, 0x00, {});
        }
    };
    port.queueReply(
        FakeCommPort::Answer(FakeCommPort::DataFrame(kAddr, kType, 0x10, 0, {4}), 100ms));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
    EXPECT_EQ(nested, Code(E::WLerr_requestinprogress));
    EXPECT_EQ(port.frames().size(), 1u);
    EXPECT_EQ(link.LastRcvFrame(), ByteBuffer{4});
}

TEST_F(CancelTest, RefusedNestedWriteRaisesAndLeavesTheRunningRequestAlone) {
    link.setRaiseErrors(true);
    std::string nestedMessage;
    host.onEvents = [&] {
        if (nestedMessage.empty()) {
            try {
                link.SendTXFrame_wresponse(kAddr, 0x81, 0x00, {});
            } catch (const Error& e) {
                nestedMessage = e.what();
            }
        }
    };
    port.queueReply(FakeCommPort::Answer({kAck}, 100ms));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
    EXPECT_EQ(nestedMessage, "Another request is in progress on instrument addr : 0x01");
    EXPECT_EQ(port.frames().size(), 1u);
    // Once the first request is over, requests run again.
    port.queueReply(Reply(kAck));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
}

}  // namespace
}  // namespace wirelink::test
