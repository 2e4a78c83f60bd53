#include "LinkFixture.h"
#include "wirelink/PortErrors.h"

namespace wirelink::test {
namespace {

using E = WLink_errors;
using Log = std::vector<std::string>;

class OpenComTest : public ::testing::Test {
  protected:
    OpenComTest() : port(clock), link(port, &host, &clock) { link.setRaiseErrors(false); }

    // The log entries from the first "open" on.
    Log logFromOpen() const {
        const Log& log = port.log();
        auto it = std::find(log.begin(), log.end(), "open");
        return Log(it, log.end());
    }
    double Seconds() const { return std::chrono::duration<double>(clock.elapsed()).count(); }

    FakeClock clock;
    FakeCommPort port;
    ScriptedHost host;
    Wirelink link;
};

TEST_F(OpenComTest, CableOpeningSequence) {
    link.setComPort(3);
    link.setBaudRate("19200");
    EXPECT_EQ(link.OpenCom(), 0);
    EXPECT_TRUE(link.PortOpen());
    EXPECT_EQ(port.log(), (Log{"settings 19200,n,8,1", "dtr 0", "rts 0", "port 3", "open",
                               "settings 19200,n,8,1"}));
}

TEST_F(OpenComTest, PortNameTakesPrecedenceOverNumber) {
    link.setPortName("/dev/ttyUSB0");
    EXPECT_EQ(link.OpenCom(), 0);
    EXPECT_EQ(port.portName(), "/dev/ttyUSB0");
}

TEST_F(OpenComTest, OpenComOnAnOpenPortChangesNothing) {
    ASSERT_EQ(link.OpenCom(), 0);
    const std::size_t entries = port.log().size();
    EXPECT_EQ(link.OpenCom(), 0);
    EXPECT_EQ(port.log().size(), entries);
    EXPECT_EQ(port.openCount(), 1);
}

TEST_F(OpenComTest, BaudRateAppliesAtOnceWhileClosed) {
    link.setBaudRate("19200");
    EXPECT_EQ(port.settings(), "19200,n,8,1");
    EXPECT_FALSE(link.PortOpen());
}

TEST_F(OpenComTest, RefusedBaudRateRaisesThePortErrorWhateverRaiseErrorsSays) {
    try {
        link.setBaudRate("fast");
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), static_cast<int>(PortError::InvalidSettings));
    }
    EXPECT_EQ(link.BaudRate(), "fast");
    // The next opening runs into the same refusal, reported as the result.
    EXPECT_EQ(link.OpenCom(), static_cast<int>(PortError::InvalidSettings));
}

TEST_F(OpenComTest, RefreshReopensAnOpenPortAndLeavesAClosedOneAlone) {
    EXPECT_EQ(link.RefreshCom(), 0);
    EXPECT_EQ(port.openCount(), 0);
    EXPECT_FALSE(link.PortOpen());

    ASSERT_EQ(link.OpenCom(), 0);
    link.setComPort(4);
    EXPECT_EQ(link.RefreshCom(), 0);
    EXPECT_EQ(port.openCount(), 2);
    EXPECT_TRUE(link.PortOpen());
    EXPECT_EQ(port.portName(), "4");
}

TEST_F(OpenComTest, CloseComKeepsFlowsAndProperties) {
    ASSERT_EQ(link.OpenCom(), 0);
    ASSERT_EQ(link.Defineflow(2, 9), 0);
    link.CloseCom();
    EXPECT_FALSE(link.PortOpen());
    EXPECT_TRUE(link.Checkflow(2));
    EXPECT_TRUE(link.FlowIsConnected(2));
    link.CloseCom();  // closing a closed port does nothing
    EXPECT_EQ(std::count(port.log().begin(), port.log().end(), "close"), 1);
}

TEST_F(OpenComTest, PortFailurePassesThroughWithItsCodeAndText) {
    port.failNextOpen(PortError::HardwareNotAvailable, "Device or resource busy");
    EXPECT_EQ(link.OpenCom(), static_cast<int>(PortError::HardwareNotAvailable));
    EXPECT_FALSE(link.PortOpen());

    link.setRaiseErrors(true);
    port.failNextOpen(PortError::InvalidPortNumber, "No such file or directory");
    try {
        link.OpenCom();
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), 8002);
        EXPECT_STREQ(e.what(), "No such file or directory");
        EXPECT_EQ(e.source(), Wirelink::kSourceName);
    }
}

TEST_F(OpenComTest, CableModeOnAPortWithoutModemLinesIsFine) {
    port.setModemLines(false);
    EXPECT_EQ(link.OpenCom(), 0);
    EXPECT_EQ(link.RefreshCom(), 0);
    EXPECT_TRUE(link.PortOpen());
}

class InfraredTest : public OpenComTest {
  protected:
    void SetUp() override { link.setInfrared(true); }
};

TEST_F(InfraredTest, AdapterIsProgrammedAtPowerUpSpeed) {
    link.setBaudRate("115200");
    EXPECT_EQ(link.OpenCom(), 0);
    EXPECT_EQ(logFromOpen(), (Log{"open", "dtr 1", "rts 0", "rts 1", "dtr 0", "write 10", "dtr 1",
                                  "settings 115200,n,8,1"}));
    ASSERT_EQ(port.writes().size(), 1u);
    EXPECT_EQ(port.writes()[0].bytes, ByteBuffer{0x10});
    EXPECT_EQ(port.writes()[0].settings, "9600,n,8,1");
    EXPECT_FALSE(port.writes()[0].dtr);
    // Reset 3.0 + 0.2 + 0.2 s, then the speed code's guard times.
    EXPECT_GE(Seconds(), 3.44);
    EXPECT_LT(Seconds(), 3.5);
}

TEST_F(InfraredTest, WithPermitsEventsTheHostRunsThroughThePowerUpAndCannotSendMeanwhile) {
    link.setPermitsEvents(true);
    ASSERT_EQ(link.Defineflow(kAddr, kType), 0);
    std::int32_t nested = 0;
    host.onEvents = [&] { nested = link.SendFrame(kAddr, 0x10, 0x00, {}); };
    EXPECT_EQ(link.OpenCom(), 0);
    // 3.4 s of delays in slices of 20 ms.
    EXPECT_GE(host.eventCalls, 150);
    EXPECT_EQ(nested, StatusOf(E::WLerr_requestinprogress));
    EXPECT_TRUE(port.frames().empty());
    EXPECT_LT(Seconds(), 3.5);
}

TEST_F(InfraredTest, EverySpeedOfTheTableHasItsCode) {
    const std::pair<const char*, std::uint8_t> table[] = {
        {"1200", 0x1C},  {"2400", 0x1A},  {"4800", 0x18},  {"9600", 0x16},
        {"19200", 0x13}, {"38400", 0x12}, {"57600", 0x11}, {"115200", 0x10}};
    for (const auto& [rate, code] : table) {
        link.setBaudRate(rate);
        ASSERT_EQ(link.OpenCom(), 0) << rate;
        EXPECT_EQ(port.writes().back().bytes, ByteBuffer{code}) << rate;
        link.CloseCom();
    }
}

TEST_F(InfraredTest, RateBelow1200LeavesThePortOpen) {
    link.setBaudRate("600");
    link.setRaiseErrors(true);
    try {
        link.OpenCom();
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), StatusOf(E::WLerr_invalidbaud));
        EXPECT_STREQ(e.what(),
                     "Invalid Baud Rate when Infrared mode is used -- Use 1200 Baud or higher");
    }
    EXPECT_TRUE(link.PortOpen());
    EXPECT_TRUE(port.writes().empty());
    EXPECT_EQ(port.settings(), "9600,n,8,1");
}

TEST_F(InfraredTest, RateMissingFromTheTableIsRefused) {
    link.setBaudRate("14400");
    EXPECT_EQ(link.OpenCom(), StatusOf(E::WLerr_invalidbaud));
    EXPECT_TRUE(port.writes().empty());
}

TEST_F(InfraredTest, AdapterNotAnsweringIsADsrError) {
    port.setDsrHolding(true);
    EXPECT_EQ(link.OpenCom(), StatusOf(E::WLerr_DSRerror));
    EXPECT_TRUE(port.writes().empty());
    EXPECT_GE(Seconds(), 3.4 + 0.04 + 1.0);
}

TEST_F(InfraredTest, PortWithoutModemLinesSaysTheCableIsTheWay) {
    port.setModemLines(false);
    link.setRaiseErrors(true);
    try {
        link.OpenCom();
        FAIL() << "opened";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), StatusOf(E::WLerr_nomodemlines));
        // The way out in general words: the window and the command line each name their own.
        EXPECT_NE(std::string(error.what()).find("choose the cable connection"), std::string::npos);
        EXPECT_EQ(std::string(error.what()).find("--"), std::string::npos);
    }
}

TEST_F(InfraredTest, BaudRateChangeWhileOpenReprogramsTheAdapter) {
    ASSERT_EQ(link.OpenCom(), 0);
    link.setBaudRate("57600");
    EXPECT_EQ(port.writes().back().bytes, ByteBuffer{0x11});
    EXPECT_EQ(port.writes().back().settings, "9600,n,8,1");
    EXPECT_EQ(port.settings(), "57600,n,8,1");
    EXPECT_THROW(link.setBaudRate("300"), Error);
    EXPECT_EQ(port.settings(), "57600,n,8,1");
}

TEST_F(InfraredTest, FramesGoOutByteByByte) {
    ASSERT_EQ(link.OpenCom(), 0);
    ASSERT_EQ(link.Defineflow(kAddr, kType), 0);
    const std::size_t before = port.writes().size();
    port.queueReply(FakeCommPort::Answer({kAck}));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {1, 2}), 0);
    EXPECT_EQ(port.writes().size() - before, 11u);
    EXPECT_EQ(port.frames().back(), BuildFrame(kAddr, kType, 0x10, 0x00, {1, 2}).value());
}

TEST_F(InfraredTest, AdapterNeverReadyEndsWithDsrErrorAndNothingSent) {
    ASSERT_EQ(link.OpenCom(), 0);
    ASSERT_EQ(link.Defineflow(kAddr, kType), 0);
    const std::size_t before = port.writes().size();
    port.setDsrHolding(true);
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), StatusOf(E::WLerr_DSRerror));
    EXPECT_EQ(port.writes().size(), before);
    EXPECT_FALSE(link.FlowIsConnected(kAddr));
}

TEST_F(InfraredTest, BusyAdapterDelaysBytesWithinItsLimit) {
    ASSERT_EQ(link.OpenCom(), 0);
    ASSERT_EQ(link.Defineflow(kAddr, kType), 0);
    port.holdDsrHighFor(std::chrono::milliseconds(700));
    port.queueReply(FakeCommPort::Answer({kAck}));
    EXPECT_EQ(link.SendFrame(kAddr, 0x10, 0x00, {}), 0);
}

}  // namespace
}  // namespace wirelink::test
