// The event trace: every frame each way and every attempt's outcome with what follows.
#include "LinkFixture.h"

namespace wirelink::test {
namespace {

using Kind = LinkEvent::Kind;
using Next = LinkEvent::Next;

class EventTraceTest : public LinkTest {
  protected:
    void SetUp() override {
        LinkTest::SetUp();
        link.setEventTrace([this](const LinkEvent& event) { events.push_back(event); });
    }

    std::vector<LinkEvent> attempts() const {
        std::vector<LinkEvent> found;
        for (const LinkEvent& event : events) {
            if (event.kind == Kind::Attempt) {
                found.push_back(event);
            }
        }
        return found;
    }

    std::vector<LinkEvent> events;
};

TEST_F(EventTraceTest, RetriesAreTracedWithTheirOutcomesUntilTheAnswer) {
    ByteBuffer damaged = FakeCommPort::DataFrame(kAddr, kType, 0x10, 0x00, {7});
    damaged.back() ^= 0xFF;
    port.queueReply(Reply(kNak));
    port.queueReply(Reply(kBusy));
    port.queueReply(FakeCommPort::Answer(damaged));
    port.queueReply(Data({7}));
    ASSERT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);

    const auto tried = attempts();
    ASSERT_EQ(tried.size(), 4u);
    const AttemptOutcome outcomes[] = {AttemptOutcome::NAK, AttemptOutcome::BUSY,
                                       AttemptOutcome::CHECKSUM, AttemptOutcome::DATA};
    for (std::size_t i = 0; i < tried.size(); ++i) {
        EXPECT_EQ(tried[i].attempt, static_cast<int>(i + 1));
        EXPECT_EQ(tried[i].outcome, outcomes[i]);
        EXPECT_EQ(tried[i].next, i + 1 < tried.size() ? Next::Retry : Next::Done);
        EXPECT_EQ(tried[i].addr, kAddr);
    }
    // Each attempt: the request as sent, then what came back.
    ASSERT_EQ(events.size(), 12u);
    EXPECT_EQ(events[0].kind, Kind::Sent);
    EXPECT_EQ(events[0].bytes, Frame(0x10, 0x00));
    EXPECT_EQ(events[1].kind, Kind::Received);
    EXPECT_EQ(events[1].bytes, ByteBuffer{kNak});
    EXPECT_EQ(events[7].bytes, damaged);
}

TEST_F(EventTraceTest, GivingUpCarriesTheFailureAndTheTextTraceStaysAsItWas) {
    std::vector<std::string> lines;
    link.setTrace([&lines](const std::string& line) { lines.push_back(line); });
    port.queueReplies(4, Reply(kNak));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(WLink_errors::WLerr_nakerror));
    ASSERT_EQ(link.SetFlowConnected(kAddr), 0);
    port.queueReply(FakeCommPort::Answer({kFail, 0x21}));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), Code(WLink_errors::WLerrFAIL_CMDUNKNOW));

    const auto tried = attempts();
    ASSERT_EQ(tried.size(), 5u);
    EXPECT_EQ(tried[2].next, Next::Retry);
    EXPECT_EQ(tried[3].next, Next::GiveUp);
    EXPECT_EQ(tried[3].status, Code(WLink_errors::WLerr_nakerror));
    EXPECT_NE(tried[3].text.find("addr : 0x01"), std::string::npos) << tried[3].text;
    EXPECT_EQ(tried[4].outcome, AttemptOutcome::FAIL);
    EXPECT_EQ(tried[4].next, Next::GiveUp);
    EXPECT_EQ(tried[4].attempt, 1);
    link.CloseCom();
    ASSERT_EQ(link.OpenCom(), 0);
    EXPECT_EQ(events.back().kind, Kind::Note);
    EXPECT_EQ(events.back().text, "port " + port.portName() + " opened, 9600,n,8,1, cable");
    // Frames, outcomes and port notes go to the event trace only.
    EXPECT_TRUE(lines.empty());
}

}  // namespace
}  // namespace wirelink::test
