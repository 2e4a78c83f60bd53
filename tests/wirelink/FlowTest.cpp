#include "LinkFixture.h"

namespace wirelink::test {
namespace {

using E = WLink_errors;

class FlowTest : public LinkTest {};

TEST_F(FlowTest, DefineflowTwiceKeepsTheFirstType) {
    link.setRaiseErrors(true);
    try {
        link.Defineflow(kAddr, 12);
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), Code(E::WLerr_flowalreadydefined));
        EXPECT_STREQ(e.what(), "Flow 0x01 already defined");
    }
    link.setRaiseErrors(false);
    EXPECT_EQ(link.Defineflow(kAddr, 12), Code(E::WLerr_flowalreadydefined));
    port.queueReply(Reply(kAck));
    ASSERT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
    EXPECT_EQ(port.frames()[0][2], kType);
}

TEST_F(FlowTest, FlowsAreKeptPerAddress) {
    ASSERT_EQ(link.Defineflow(200, 20), 0);
    EXPECT_TRUE(link.Checkflow(200));
    EXPECT_FALSE(link.Checkflow(201));
    port.queueReply(Reply(kAck));
    ASSERT_EQ(link.SendFrame(200, 0x10, 0x00, {}), 0);
    EXPECT_EQ(port.frames()[0][1], 200);
    EXPECT_EQ(port.frames()[0][2], 20);
}

TEST_F(FlowTest, ReleaseflowNeverFails) {
    link.setRaiseErrors(true);
    EXPECT_EQ(link.Releaseflow(42), 0);
    EXPECT_EQ(link.Releaseflow(kAddr), 0);
    EXPECT_FALSE(link.Checkflow(kAddr));
    EXPECT_FALSE(link.FlowIsConnected(kAddr));
    EXPECT_EQ(link.Defineflow(kAddr, 11), 0);
    EXPECT_TRUE(link.FlowIsConnected(kAddr));
}

TEST_F(FlowTest, SetFlowConnectedNeedsAFlow) {
    EXPECT_EQ(link.SetFlowConnected(9), Code(E::WLerr_flownotdefined));
    link.setRaiseErrors(true);
    try {
        link.SetFlowConnected(10);
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Flow 0x0A not defined");
    }
}

TEST_F(FlowTest, ReleasedAndRedefinedFlowIsConnectedAgain) {
    port.queueReplies(4, Reply(kNak));
    ASSERT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(E::WLerr_nakerror));
    ASSERT_FALSE(link.FlowIsConnected(kAddr));
    link.Releaseflow(kAddr);
    ASSERT_EQ(link.Defineflow(kAddr, kType), 0);
    port.queueReply(Reply(kAck));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
}

}  // namespace
}  // namespace wirelink::test
