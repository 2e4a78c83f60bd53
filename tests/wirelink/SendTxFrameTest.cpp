#include "LinkFixture.h"

namespace wirelink::test {
namespace {

using E = WLink_errors;

class SendTxFrameTest : public LinkTest {
  protected:
    int completed = 0;
    void SetUp() override {
        LinkTest::SetUp();
        link.setFrameCompletedOK([this](std::uint8_t) { ++completed; });
    }
    static FakeCommPort::Reply Status(std::uint8_t status) { return Data({status}, 0x5A, 0x03); }
};

TEST_F(SendTxFrameTest, WriteThenStatusRequest) {
    port.queueReply(Reply(kAck));
    port.queueReply(Status(0));
    EXPECT_EQ(link.SendTXFrame_wresponse(kAddr, 0x81, 0x02, {7, 8}), 0);
    ASSERT_EQ(port.frames().size(), 2u);
    EXPECT_EQ(port.frames()[0], Frame(0x81, 0x02, {7, 8}));
    EXPECT_EQ(port.frames()[1], Frame(0x5A, 0x03));
    EXPECT_EQ(link.LastRcvFrame(), ByteBuffer{0});
    EXPECT_EQ(completed, 1);
}

TEST_F(SendTxFrameTest, NonZeroStatusNamesTheCallersCommand) {
    link.setRaiseErrors(true);
    port.queueReply(Reply(kAck));
    port.queueReply(Status(4));
    try {
        link.SendTXFrame_wresponse(kAddr, 0x81, 0x02, {});
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), Code(E::WLerrRESP_OUTOFRANGE));
        EXPECT_STREQ(e.what(),
                     "Parameter(s) out of range value command (0x8102) on instrument addr : 0x01");
    }
    EXPECT_EQ(port.frames().size(), 2u);
    EXPECT_EQ(completed, 0);
    EXPECT_TRUE(link.LastRcvFrame().empty());
    EXPECT_TRUE(link.FlowIsConnected(kAddr));
}

TEST_F(SendTxFrameTest, EveryStatusCodeHasItsError) {
    const struct {
        std::uint8_t status;
        E error;
    } cases[] = {{1, E::WLerrRESP_WRITETOREADONLY}, {2, E::WLerrRESP_PERIPHERROR},
                 {3, E::WLerrRESP_STATUSERROR},     {4, E::WLerrRESP_OUTOFRANGE},
                 {9, E::WLerrRESP_NOTDEFINED},      {0xFF, E::WLerrRESP_NOTDEFINED}};
    for (const auto& c : cases) {
        port.queueReply(Reply(kAck));
        port.queueReply(Status(c.status));
        EXPECT_EQ(link.SendTXFrame_wresponse(kAddr, 0x90, 0x00, {}), Code(c.error))
            << "status " << int(c.status);
    }
    EXPECT_EQ(completed, 0);
}

TEST_F(SendTxFrameTest, StatusAnswerWithoutDataByteFails) {
    link.setRaiseErrors(true);
    for (const auto& statusReply : {Reply(kAck), Data({}, 0x5A, 0x03)}) {
        port.queueReply(Reply(kAck));
        port.queueReply(statusReply);
        try {
            link.SendTXFrame_wresponse(kAddr, 0xC4, 0x01, {});
            ADD_FAILURE() << "no error raised";
        } catch (const Error& e) {
            EXPECT_EQ(e.code(), Code(E::WLerrFAIL_ERRORNUMBERDATA));
            EXPECT_STREQ(e.what(),
                         "Mismatch in data count at command 0xC401 on instrument addr : 0x01");
        }
    }
    EXPECT_EQ(completed, 0);
}

TEST_F(SendTxFrameTest, ReadCommandIsRefusedBeforeAnythingIsSent) {
    link.setRaiseErrors(true);
    try {
        link.SendTXFrame_wresponse(kAddr, 0x5C, 0x00, {1});
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), Code(E::WLerr_nottxcommand));
        EXPECT_STREQ(e.what(),
                     "Command 0x5C00 can't perform write operation on instrument addr : 0x01");
    }
    EXPECT_TRUE(port.writes().empty());
}

TEST_F(SendTxFrameTest, FailedWriteSkipsTheStatusRequest) {
    port.queueReply(FakeCommPort::Answer({kFail, 0x22}));
    EXPECT_EQ(link.SendTXFrame_wresponse(kAddr, 0x81, 0x00, {}),
              Code(E::WLerrFAIL_ERRORNUMBERDATA));
    EXPECT_EQ(port.frames().size(), 1u);
}

TEST_F(SendTxFrameTest, StatusRequestGetsItsOwnRetries) {
    port.queueReply(Reply(kAck));
    port.queueReplies(2, Reply(kNak));
    port.queueReply(Status(0));
    EXPECT_EQ(link.SendTXFrame_wresponse(kAddr, 0x81, 0x00, {}), 0);
    EXPECT_EQ(port.frames().size(), 4u);
    EXPECT_EQ(completed, 1);
}

}  // namespace
}  // namespace wirelink::test
