#include <gtest/gtest.h>

#include <stdexcept>

#include "SimulatorHarness.h"
#include "simulator/FaultSpec.h"

namespace kilnward::sim::test {
namespace {

class FaultInjectionTest : public ::testing::Test, public SimulatorHarness {
  protected:
    void fault(const char* spec) { sim.addFault(ParseFaultSpec(QString::fromLatin1(spec))); }
    ByteBuffer readClock() { return request(0x5E, 0x00); }
    ByteBuffer clockAnswer() { return dataAnswer(0x5E, 0x00, {5, 3, 26, 14, 7}); }
};

TEST_F(FaultInjectionTest, NakForTheNextRequests) {
    fault("nak,count=2");
    EXPECT_EQ(readClock(), kNakAnswer);
    EXPECT_EQ(readClock(), kNakAnswer);
    EXPECT_EQ(readClock(), clockAnswer());
}

TEST_F(FaultInjectionTest, NakedWriteIsNotCarriedOut) {
    fault("nak");
    EXPECT_EQ(request(0xDF, 0x02, {1}), kNakAnswer);
    EXPECT_FALSE(sim.state().remoteMode());
}

TEST_F(FaultInjectionTest, BusyPeriodCoversEveryRequestInIt) {
    fault("busy=300");
    EXPECT_EQ(readClock(), kBusyAnswer);
    clock.advance(std::chrono::milliseconds(299));
    EXPECT_EQ(readClock(), kBusyAnswer);
    clock.advance(std::chrono::milliseconds(2));
    EXPECT_EQ(readClock(), clockAnswer());
}

TEST_F(FaultInjectionTest, SilentFailAndStatus) {
    fault("silent,at=1");
    fault("fail=21,at=2");
    fault("status=2,cmd=DF02");
    EXPECT_TRUE(readClock().empty());
    EXPECT_EQ(readClock(), (ByteBuffer{wirelink::kFail, 0x21}));
    EXPECT_EQ(request(0xDF, 0x02, {1}), kAckAnswer);
    EXPECT_EQ(writeStatus(), status(2));
    EXPECT_FALSE(sim.state().remoteMode()) << "a write reporting failure changed nothing";
}

TEST_F(FaultInjectionTest, StrayByteGoesInFrontOfTheAnswer) {
    fault("stray=AB");
    ByteBuffer expected{0xAB};
    const ByteBuffer answer = clockAnswer();
    expected.insert(expected.end(), answer.begin(), answer.end());
    EXPECT_EQ(readClock(), expected);
    EXPECT_EQ(readClock(), clockAnswer());
}

TEST_F(FaultInjectionTest, DropWriteAcknowledgesTheNthDeviceWriteButStoresNothing) {
    fault("dropwrite=2");
    EXPECT_EQ(request(0xDF, 0x01, {1}), kAckAnswer);  // write transaction
    for (std::uint8_t block = 1; block <= 3; ++block) {
        // Device 1, address `block` (four bytes, little-endian), one byte of data.
        EXPECT_EQ(request(0xDC, 0x00, {1, block, 0, 0, 0, block}), kAckAnswer);
        EXPECT_EQ(writeStatus(), status(0));
    }
    const ByteBuffer& sector = sim.state().sector().bytes();
    EXPECT_EQ(ByteBuffer(sector.begin() + 1, sector.begin() + 4), (ByteBuffer{1, 0, 3}));
}

TEST_F(FaultInjectionTest, BadChecksumOnlyOnDataAnswers) {
    fault("badsum");
    EXPECT_EQ(request(0xDF, 0x02, {1}), kAckAnswer);
    ByteBuffer corrupted = writeStatus();
    ASSERT_EQ(corrupted.size(), status(0).size());
    EXPECT_NE(corrupted, status(0));
    corrupted.back() ^= 0xFF;
    EXPECT_EQ(corrupted, status(0));
    EXPECT_EQ(writeStatus(), status(0));
}

TEST_F(FaultInjectionTest, TrickleSpacesTheAnswersBytes) {
    fault("trickle=40");
    sim.receive(wirelink::BuildFrame(kAddr, kType, 0x5A, 0x03, {}).value(), clock.now());
    const auto start = clock.now();
    ByteBuffer got;
    std::vector<std::chrono::milliseconds> arrivals;
    while (const auto due = sim.nextOutputTime()) {
        clock.advanceTo(*due);
        const ByteBuffer part = sim.takeOutput(clock.now());
        got.insert(got.end(), part.begin(), part.end());
        arrivals.push_back(
            std::chrono::duration_cast<std::chrono::milliseconds>(clock.now() - start));
    }
    EXPECT_EQ(got, status(0));
    ASSERT_EQ(arrivals.size(), got.size());
    EXPECT_EQ(arrivals.front().count(), 0);
    EXPECT_EQ(arrivals.back().count(), 40 * static_cast<long>(got.size() - 1));
}

TEST_F(FaultInjectionTest, RulesSelectByNumberAndCommand) {
    fault("nak,from=3,count=0,cmd=5E00");
    EXPECT_EQ(readClock(), clockAnswer());  // 1
    EXPECT_EQ(writeStatus(), status(0));    // 2
    EXPECT_EQ(writeStatus(), status(0));    // 3: another command
    EXPECT_EQ(readClock(), kNakAnswer);     // 4
    EXPECT_EQ(readClock(), kNakAnswer);     // 5: no limit
    fault("fail=33,at=2");
    EXPECT_EQ(writeStatus(), status(0)) << "request 2 has passed";
}

TEST_F(FaultInjectionTest, ExactRuleCoversConsecutiveRequestsOnly) {
    fault("nak,at=2,count=2");
    fault("fail=22,at=5,cmd=5A03");
    EXPECT_EQ(readClock(), clockAnswer());  // 1
    EXPECT_EQ(readClock(), kNakAnswer);     // 2
    EXPECT_EQ(readClock(), kNakAnswer);     // 3
    EXPECT_EQ(readClock(), clockAnswer());  // 4
    EXPECT_EQ(readClock(), clockAnswer());  // 5: another command
    EXPECT_EQ(writeStatus(), status(0)) << "request 6 is past the rule's request";
}

TEST_F(FaultInjectionTest, RuleAddedLaterStartsWithTheNextRequest) {
    readClock();
    readClock();
    fault("nak");
    EXPECT_EQ(readClock(), kNakAnswer);
    EXPECT_EQ(readClock(), clockAnswer());
}

TEST_F(FaultInjectionTest, RequestsForOthersAreNotCounted) {
    fault("nak,at=2");
    readClock();
    request(0x5E, 0x00, {}, 7);
    EXPECT_EQ(readClock(), kNakAnswer);
}

TEST(FaultSpecTest, ParsesKindValueAndKeys) {
    const FaultRule rule = ParseFaultSpec("fail=0x23,from=4,count=2,cmd=5c00");
    EXPECT_EQ(rule.kind, FaultKind::Fail);
    EXPECT_EQ(rule.value, 0x23u);
    EXPECT_EQ(rule.from, 4u);
    EXPECT_EQ(rule.count, 2u);
    EXPECT_EQ(rule.command, 0x5C00);
    EXPECT_FALSE(rule.exact);

    const FaultRule at = ParseFaultSpec("busy=1500,at=7");
    EXPECT_EQ(at.kind, FaultKind::Busy);
    EXPECT_EQ(at.value, 1500u);
    EXPECT_EQ(at.from, 7u);
    EXPECT_TRUE(at.exact);
    EXPECT_EQ(ParseFaultSpec("stray").value, 0x7Fu);
    EXPECT_EQ(ParseFaultSpec("trickle=20").kind, FaultKind::Trickle);
    EXPECT_EQ(ParseFaultSpec("status=4").value, 4u);
    EXPECT_EQ(ParseFaultSpec("late=1200").kind, FaultKind::Late);
    EXPECT_EQ(ParseFaultSpec("late=1200").value, 1200u);
    EXPECT_EQ(ParseFaultSpec("stream").value, 0x7Fu);
    EXPECT_EQ(ParseFaultSpec("stream=55").value, 0x55u);
    EXPECT_EQ(ParseFaultSpec("trickle-forever=500").kind, FaultKind::Drip);
    EXPECT_EQ(ParseFaultSpec("garbage").kind, FaultKind::Garbage);
    EXPECT_EQ(ParseFaultSpec("garbage").value, 0u);
    EXPECT_EQ(ParseFaultSpec("garbage=400,at=2").value, 400u);
}

TEST(FaultSpecTest, RejectsMalformedSpecs) {
    for (const char* spec :
         {"", "boom", "fail", "fail=1FF", "status=x", "trickle", "nak=3", "nak,count", "nak,when=3",
          "nak,at=0", "nak,cmd=12345", "busy=-1", "late", "trickle-forever", "stream=100",
          "dropwrite", "dropwrite=0", "dropwrite=2,at=3", "garbage=7F"}) {
        EXPECT_THROW(ParseFaultSpec(QString::fromLatin1(spec)), std::invalid_argument) << spec;
    }
}

}  // namespace
}  // namespace kilnward::sim::test
