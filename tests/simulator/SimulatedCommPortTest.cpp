#include <gtest/gtest.h>

#include <chrono>

#include "SimulatorHarness.h"
#include "simulator/FaultSpec.h"
#include "simulator/SimulatedCommPort.h"
#include "wirelink/PortErrors.h"
#include "wirelink/Wirelink.h"

namespace kilnward::sim::test {
namespace {

using wirelink::StatusOf;
using wirelink::WLink_errors;

ByteBuffer ReadSector(std::uint16_t address, std::uint16_t count) {
    return {1, static_cast<std::uint8_t>(address), static_cast<std::uint8_t>(address >> 8), 0,
            0, static_cast<std::uint8_t>(count),   static_cast<std::uint8_t>(count >> 8)};
}

// The link control on the simulated port, all on one fake clock.
class SimulatedLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        link.setRaiseErrors(false);
        ASSERT_EQ(link.OpenCom(), 0);
        ASSERT_EQ(link.Defineflow(kAddr, kType), 0);
    }
    void fault(const char* spec) { sim.addFault(ParseFaultSpec(QString::fromLatin1(spec))); }
    std::int32_t readClock() { return link.SendFrame(kAddr, 0x5E, 0x00, {}); }
    std::chrono::milliseconds elapsed() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(clock.now() - start);
    }

    wirelink::FakeClock clock;
    const wirelink::Clock::time_point start = clock.now();
    AnalyserSimulator sim{kType, kAddr, clock.now(), ClockStart()};
    SimulatedCommPort port{sim, clock};
    wirelink::Wirelink link{port, nullptr, &clock};
};

TEST_F(SimulatedLinkTest, WritesAndReadsTheSector) {
    ASSERT_EQ(link.SendTXFrame_wresponse(kAddr, 0xDF, 0x01, {1}), 0);
    ASSERT_EQ(link.SendTXFrame_wresponse(kAddr, 0xDC, 0x00, {1, 0, 1, 0, 0, 0xAA, 0xBB}), 0);
    EXPECT_EQ(link.LastRcvFrame(), ByteBuffer{0});
    ASSERT_EQ(link.SendTXFrame_wresponse(kAddr, 0xDF, 0x00, {}), 0);
    ASSERT_EQ(link.SendFrame(kAddr, 0x5C, 0x00, ReadSector(255, 4)), 0);
    EXPECT_EQ(link.LastRcvFrame(), (ByteBuffer{0, 0xAA, 0xBB, 0}));
    ASSERT_EQ(readClock(), 0);
    EXPECT_EQ(link.LastRcvFrame(), (ByteBuffer{5, 3, 26, 14, 7}));
}

TEST_F(SimulatedLinkTest, WriteOutsideTransactionReportsStatusError) {
    EXPECT_EQ(link.SendTXFrame_wresponse(kAddr, 0xDC, 0x00, {1, 0, 0, 0, 0, 0xAA}),
              StatusOf(WLink_errors::WLerrRESP_STATUSERROR));
    EXPECT_TRUE(link.FlowIsConnected(kAddr));
}

TEST_F(SimulatedLinkTest, RetriesRecoverFromNakAndBadChecksum) {
    fault("nak,count=3");
    EXPECT_EQ(readClock(), 0);
    fault("badsum,count=3");
    EXPECT_EQ(readClock(), 0);
    EXPECT_EQ(link.LastRcvFrame().size(), 5u);
    fault("nak,count=4");
    EXPECT_EQ(readClock(), StatusOf(WLink_errors::WLerr_nakerror));
    EXPECT_FALSE(link.FlowIsConnected(kAddr));
}

TEST_F(SimulatedLinkTest, BusyIsWaitedOut) {
    fault("busy=2500");
    EXPECT_EQ(readClock(), 0);
    EXPECT_GE(elapsed(), std::chrono::milliseconds(2500));
    link.setBusyTimeout(1);
    fault("busy=2500");
    EXPECT_EQ(readClock(), StatusOf(WLink_errors::WLerr_busytoolong));
}

TEST_F(SimulatedLinkTest, StrayByteCostsOneTimedOutAttempt) {
    fault("stray");
    EXPECT_EQ(readClock(), 0);
    EXPECT_EQ(link.LastRcvFrame(), (ByteBuffer{5, 3, 26, 14, 7}));
    EXPECT_GE(elapsed(), std::chrono::seconds(1));
    EXPECT_EQ(sim.requestCount(), 2u);
}

TEST_F(SimulatedLinkTest, TrickleUnderTheByteTimeoutSucceeds) {
    fault("trickle=900");
    EXPECT_EQ(readClock(), 0);
    EXPECT_EQ(sim.requestCount(), 1u);
    EXPECT_GE(elapsed(), std::chrono::milliseconds(900 * 9));
}

TEST_F(SimulatedLinkTest, SilenceAndFailEndTheRequest) {
    fault("silent,count=4");
    EXPECT_EQ(readClock(), StatusOf(WLink_errors::WLerr_timeouterror));
    ASSERT_EQ(link.SetFlowConnected(kAddr), 0);
    fault("fail=21");
    EXPECT_EQ(readClock(), StatusOf(WLink_errors::WLerrFAIL_CMDUNKNOW));
    fault("status=4,cmd=DF02");
    EXPECT_EQ(link.SendTXFrame_wresponse(kAddr, 0xDF, 0x02, {1}),
              StatusOf(WLink_errors::WLerrRESP_OUTOFRANGE));
}

TEST_F(SimulatedLinkTest, PacedExchangeTakesItsLineTime) {
    ASSERT_EQ(link.SendFrame(kAddr, 0x5C, 0x00, ReadSector(0, 32)), 0);
    EXPECT_EQ(link.LastRcvFrame().size(), 32u);
    // 16 request bytes and 41 answer bytes at 10 bits each.
    const auto lineTime = std::chrono::nanoseconds((16 + 41) * (10'000'000'000LL / 9600));
    EXPECT_GE(clock.now() - start, lineTime);
    EXPECT_LT(clock.now() - start, lineTime + std::chrono::milliseconds(5));
}

TEST(SimulatedInfraredTest, OpeningProgramsTheAdapterAndDataFlows) {
    wirelink::FakeClock clock;
    AnalyserSimulator sim{kType, kAddr, clock.now(), ClockStart()};
    SimulatedCommPort port{sim, clock};
    port.setInfraredAdapter(true);
    wirelink::Wirelink link{port, nullptr, &clock};
    link.setRaiseErrors(false);
    link.setInfrared(true);
    link.setBaudRate("19200");
    ASSERT_EQ(link.OpenCom(), 0);
    EXPECT_EQ(port.adapterSpeedCodes(), ByteBuffer{0x13});
    EXPECT_EQ(port.settings(), "19200,n,8,1");
    EXPECT_TRUE(port.dtr());
    ASSERT_EQ(link.Defineflow(kAddr, kType), 0);
    ASSERT_EQ(link.SendFrame(kAddr, 0x5E, 0x00, {}), 0);
    EXPECT_EQ(link.LastRcvFrame(), (ByteBuffer{5, 3, 26, 14, 7}));
    // The code byte stayed in the adapter: the analyser saw exactly one request.
    EXPECT_EQ(sim.requestCount(), 1u);
}

TEST(SimulatedInfraredTest, DsrFollowsDtrUntilTheAdapterHasASpeed) {
    wirelink::FakeClock clock;
    AnalyserSimulator sim{kType, kAddr, clock.now(), ClockStart()};
    SimulatedCommPort port{sim, clock};
    port.setInfraredAdapter(true);
    port.open();
    port.setDtr(true);
    EXPECT_TRUE(port.dsrHolding());
    port.write({0x02});  // nothing passes an adapter without a speed
    EXPECT_EQ(port.bytesToWrite(), 0u);
    port.setDtr(false);
    EXPECT_FALSE(port.dsrHolding());
    port.write({0x16});
    EXPECT_EQ(port.adapterSpeedCodes(), ByteBuffer{0x16});
    port.setDtr(true);
    EXPECT_FALSE(port.dsrHolding()) << "programmed and idle: ready for a byte";
    port.write({0x02});
    EXPECT_TRUE(port.dsrHolding()) << "busy sending the byte";
    EXPECT_TRUE(port.waitForBytesWritten(std::chrono::milliseconds(5)));
    EXPECT_FALSE(port.dsrHolding());
}

TEST(SimulatedInfraredTest, AdapterThatNeverAnswersFailsTheOpening) {
    // A cable port has no adapter: DSR never moves, and the link says so.
    wirelink::FakeClock clock;
    AnalyserSimulator sim{kType, kAddr, clock.now(), ClockStart()};
    SimulatedCommPort port{sim, clock};
    wirelink::Wirelink link{port, nullptr, &clock};
    link.setRaiseErrors(false);
    link.setInfrared(true);
    ASSERT_EQ(link.OpenCom(), 0);
    port.setInfraredAdapter(true);
    ASSERT_EQ(link.Defineflow(kAddr, kType), 0);
    ASSERT_TRUE(port.dtr());
    EXPECT_EQ(link.SendFrame(kAddr, 0x5E, 0x00, {}), StatusOf(WLink_errors::WLerr_DSRerror));
    EXPECT_EQ(sim.requestCount(), 0u);
}

TEST(SimulatedCommPortTest, RefusesWhatASerialControlRefuses) {
    wirelink::FakeClock clock;
    AnalyserSimulator sim{kType, kAddr, clock.now(), ClockStart()};
    SimulatedCommPort port{sim, clock};
    try {
        port.read(0);
        FAIL() << "read on a closed port";
    } catch (const wirelink::Error& error) {
        EXPECT_EQ(error.code(), static_cast<std::int32_t>(wirelink::PortError::PortNotOpen));
    }
    EXPECT_THROW(port.setSettings("fast,n,8,1"), wirelink::Error);
    port.open();
    EXPECT_THROW(port.open(), wirelink::Error);
    port.close();
    EXPECT_FALSE(port.isOpen());
}

// 32774 bytes at 9600 bit/s plus the inter-byte time-out, for each of four attempts.
constexpr auto kFourBoundedAttempts = std::chrono::milliseconds(4 * (34140 + 1000) + 500);

TEST_F(SimulatedLinkTest, EndlessStreamEndsTheRequestWithinFourBoundedAttempts) {
    // A stream byte begins no answer: each attempt ends one inter-byte time after it.
    fault("stream");
    EXPECT_EQ(readClock(), StatusOf(WLink_errors::WLerr_timeouterror));
    EXPECT_GE(elapsed(), std::chrono::seconds(4));
    EXPECT_LT(elapsed(), std::chrono::milliseconds(4 * 1000 + 100));
}

class SimulatedGarbageTest : public SimulatedLinkTest,
                             public ::testing::WithParamInterface<const char*> {};

TEST_P(SimulatedGarbageTest, EndsEachAttemptOneByteTimeoutAfterItBegins) {
    fault(GetParam());
    EXPECT_EQ(readClock(), StatusOf(WLink_errors::WLerr_timeouterror));
    EXPECT_GE(elapsed(), std::chrono::seconds(4));
    // The slow noise's first byte comes up to 0.4 s after the request.
    EXPECT_LT(elapsed(), std::chrono::milliseconds(4 * 1400 + 100));
    EXPECT_EQ(link.TimedOutAttempts(), 4u);
}

INSTANTIATE_TEST_SUITE_P(FastAndSlow, SimulatedGarbageTest,
                         ::testing::Values("garbage", "garbage=400"));

TEST_F(SimulatedLinkTest, EndlessTrickleEndsTheRequestWithinFourBoundedAttempts) {
    fault("trickle-forever=500,at=2");
    ASSERT_EQ(readClock(), 0);
    EXPECT_EQ(readClock(), StatusOf(WLink_errors::WLerr_timeouterror));
    EXPECT_LT(elapsed(), kFourBoundedAttempts);
    EXPECT_EQ(link.TimedOutAttempts(), 4u);
}

TEST_F(SimulatedLinkTest, LateAnswerIsTakenByTheRetryAndCounted) {
    fault("late=1200");
    ASSERT_EQ(readClock(), 0);
    EXPECT_EQ(link.LastRcvFrame(), (ByteBuffer{5, 3, 26, 14, 7}));
    EXPECT_EQ(link.TimedOutAttempts(), 1u);
}

TEST_F(SimulatedLinkTest, NobodyReadingAnEndlessStreamCostsABoundedBuffer) {
    fault("stream");
    port.write(wirelink::BuildFrame(kAddr, kType, 0x5E, 0x00, {}).value());
    for (int i = 0; i < 200; ++i) {
        clock.advance(std::chrono::seconds(1));
        port.bytesAvailable();
    }
    EXPECT_EQ(port.bytesAvailable(), SimulatedCommPort::kReceiveBufferSize);
    EXPECT_EQ(port.takeLineError(), wirelink::kLineErrorReceiveOverflow);
}

TEST(SimulatorBoundsTest, AFloodOfRequestsQueuesABoundedAnswer) {
    SimulatorHarness harness;
    harness.sim.setPaceBaud(9600);
    const ByteBuffer request =
        wirelink::BuildFrame(kAddr, kType, 0x5C, 0x00, {1, 0, 0, 0, 0, 32, 0}).value();
    ByteBuffer flood;
    for (int i = 0; i < 5000; ++i) {
        flood.insert(flood.end(), request.begin(), request.end());
    }
    harness.sim.receive(flood, harness.clock.now());
    std::size_t sent = 0;
    while (const auto due = harness.sim.nextOutputTime()) {
        harness.clock.advanceTo(*due + std::chrono::seconds(1));
        sent += harness.sim.takeOutput(harness.clock.now()).size();
    }
    EXPECT_LE(sent, OutputSchedule::kMaxQueued);
    EXPECT_GT(sent, OutputSchedule::kMaxQueued - 41);
}

TEST(SimulatedCommPortTest, RealClockWaitBlocksUntilTheAnswerArrives) {
    AnalyserSimulator sim{kType, kAddr, std::chrono::steady_clock::now(), ClockStart()};
    SimulatedCommPort port{sim};
    port.open();
    const auto begin = std::chrono::steady_clock::now();
    port.write(wirelink::BuildFrame(kAddr, kType, 0x5A, 0x03, {}).value());
    std::size_t have = 0;
    while (have < 10 && port.waitForInput(have, std::chrono::milliseconds(500))) {
        have = port.bytesAvailable();
    }
    const auto took = std::chrono::steady_clock::now() - begin;
    EXPECT_EQ(port.read(0), SimulatorHarness::status(0));
    EXPECT_GE(took, std::chrono::microseconds(19 * 10'000'000LL / 9600));
}

}  // namespace
}  // namespace kilnward::sim::test
