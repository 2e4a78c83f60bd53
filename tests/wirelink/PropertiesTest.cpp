#include "LinkFixture.h"
#include "wirelink/MemberHelp.h"

namespace wirelink::test {
namespace {

using E = WLink_errors;

class PropertiesTest : public ::testing::Test {
  protected:
    PropertiesTest() : port(clock), link(port, &host, &clock) {}

    FakeClock clock;
    FakeCommPort port;
    ScriptedHost host;
    Wirelink link;
};

void ExpectDefaults(const Wirelink& link) {
    EXPECT_TRUE(link.RaiseErrors());
    EXPECT_EQ(link.ComPort(), 1);
    EXPECT_EQ(link.BaudRate(), "9600");
    EXPECT_FALSE(link.Infrared());
    EXPECT_EQ(link.BusyTimeout(), 10);
    EXPECT_FALSE(link.PermitsEvents());
    EXPECT_TRUE(link.LastRcvFrame().empty());
}

TEST_F(PropertiesTest, NewAndEmptyStoredControlsHaveTheDefaults) {
    ExpectDefaults(link);
    MapPropertyBag empty;
    link.setComPort(4);
    link.ReadProperties(empty);
    ExpectDefaults(link);
    link.setBusyTimeout(3);
    link.InitProperties();
    ExpectDefaults(link);
}

TEST_F(PropertiesTest, OnlyNonDefaultValuesAreStoredAndReadBack) {
    MapPropertyBag bag;
    link.WriteProperties(bag);
    EXPECT_TRUE(bag.stored.empty());

    link.setRaiseErrors(false);
    link.setBaudRate("38400");
    link.setInfrared(true);
    link.setComPort(7);
    link.setBusyTimeout(25);
    link.setPermitsEvents(true);
    link.WriteProperties(bag);
    EXPECT_EQ(bag.stored.size(), 6u);
    EXPECT_EQ(bag.stored["ComPort"], "7");

    FakeCommPort otherPort(clock);
    Wirelink other(otherPort, &host, &clock);
    other.ReadProperties(bag);
    EXPECT_FALSE(other.RaiseErrors());
    EXPECT_EQ(other.BaudRate(), "38400");
    EXPECT_TRUE(other.Infrared());
    EXPECT_EQ(other.ComPort(), 7);
    EXPECT_EQ(other.BusyTimeout(), 25);
    EXPECT_TRUE(other.PermitsEvents());

    link.setComPort(1);
    link.WriteProperties(bag);
    EXPECT_EQ(bag.stored.count("ComPort"), 0u);
}

TEST_F(PropertiesTest, UnreadableStoredValuesFallBackToDefaults) {
    MapPropertyBag bag;
    bag.stored = {{"ComPort", "99999"}, {"BusyTimeout", "-1"}, {"Infrared", "maybe"}};
    link.ReadProperties(bag);
    EXPECT_EQ(link.ComPort(), 1);
    EXPECT_EQ(link.BusyTimeout(), 10);
    EXPECT_FALSE(link.Infrared());
}

TEST_F(PropertiesTest, SettersTellTheHost) {
    link.setRaiseErrors(false);
    link.setComPort(2);
    link.setBusyTimeout(1);
    link.setPermitsEvents(true);
    link.setInfrared(true);
    link.setBaudRate("4800");
    EXPECT_EQ(host.changedProperties,
              (std::vector<std::string>{"RaiseErrors", "ComPort", "BusyTimeout", "PermitsEvents",
                                        "Infrared", "BaudRate"}));
}

TEST_F(PropertiesTest, InfraredCannotBeSwitchedOnWhileOpen) {
    link.setRaiseErrors(false);
    ASSERT_EQ(link.OpenCom(), 0);
    try {
        link.setInfrared(true);
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), StatusOf(E::WLerr_cannotchange));
        EXPECT_STREQ(e.what(),
                     "This property can't be changed to Infrared when the port is opened");
    }
    EXPECT_FALSE(link.Infrared());
    link.setInfrared(false);  // unchanged value: allowed

    link.CloseCom();
    link.setInfrared(true);
    ASSERT_EQ(link.OpenCom(), 0);
    link.setInfrared(false);  // switching off while open is allowed
    EXPECT_FALSE(link.Infrared());
}

TEST_F(PropertiesTest, DesignerMayChangeInfraredWhileOpen) {
    host.runModeValue = false;
    ASSERT_EQ(link.OpenCom(), 0);
    link.setInfrared(true);
    EXPECT_TRUE(link.Infrared());
    // Outside run mode a rate change does not program the adapter.
    link.setBaudRate("19200");
    EXPECT_TRUE(port.writes().empty());
    EXPECT_EQ(port.settings(), "19200,n,8,1");
}

TEST_F(PropertiesTest, LastRcvFrameIsReadOnly) {
    link.setRaiseErrors(false);
    try {
        link.setLastRcvFrame({1});
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), StatusOf(E::WLerr_readonlyproperty));
        EXPECT_STREQ(e.what(), "Write denied to a Read-Only Property");
    }
    EXPECT_TRUE(link.LastRcvFrame().empty());
}

TEST_F(PropertiesTest, AppendtobuffGrowsTheBuffer) {
    ByteBuffer buffer;
    Wirelink::Appendtobuff(7, buffer);
    EXPECT_EQ(buffer, ByteBuffer{7});
    buffer = {1, 2};
    Wirelink::Appendtobuff(3, buffer);
    EXPECT_EQ(buffer, (ByteBuffer{1, 2, 3}));
}

TEST(MemberHelpTest, EveryMemberOfTheInterfaceHasItsText) {
    for (const char* member : {"RaiseErrors",
                               "BaudRate",
                               "Infrared",
                               "ComPort",
                               "BusyTimeout",
                               "PermitsEvents",
                               "LastRcvFrame",
                               "Defineflow",
                               "Checkflow",
                               "Releaseflow",
                               "CancelSendFrame",
                               "SendFrame",
                               "SendTXFrame_wresponse",
                               "FlowIsConnected",
                               "SetFlowConnected",
                               "OpenCom",
                               "CloseCom",
                               "RefreshCom",
                               "Appendtobuff",
                               "FrameCompletedOK"}) {
        EXPECT_FALSE(MemberHelp(member).empty()) << member;
    }
    EXPECT_EQ(MemberHelp("SendFrame"), "Used to requires data to the instrument.");
    EXPECT_TRUE(MemberHelp("sendframe").empty());
    EXPECT_TRUE(MemberHelp("OpenPort").empty());
}

}  // namespace
}  // namespace wirelink::test
