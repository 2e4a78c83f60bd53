// Every link is opened the same way: the settings the serial settings yield, and the port,
// link control and trace built for them.

#include "transfer/AnalyserLink.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/SerialSettings.h"
#include "simulator/SimulatedCommPort.h"
#include "transfer/LinkSettings.h"
#include "transfer/LinkSetup.h"
#include "transfer/LinkTrace.h"
#include "transfer/SimulatedAnalysers.h"
#include "wirelink/Host.h"
#include "wirelink/QtSerialCommPort.h"
#include "wirelink/Wirelink.h"

namespace kilnward::transfer {
namespace {

constexpr std::uint8_t kModel = 10;

TEST(LinkSettingsOf, DefaultsAgreeWithTheSerialSettings) {
    EXPECT_EQ(LinkSettingsOf(app::SerialSettings{}), LinkSettings{});
}

TEST(LinkSettingsOf, PortsAreNumbersOrNames) {
    struct Case {
        app::PortChoice port;
        std::int16_t number;
        const char* name;
    };
    const Case cases[] = {
        {app::PortChoice::fromStored("3"), 3, ""},
        {app::PortChoice::fromStored(""), 1, ""},
        {app::PortChoice::fromStored("/dev/ttyUSB0"), 0, "/dev/ttyUSB0"},
        {app::PortChoice::fromStored("simulator"), 0, "simulator"},
        // The command line names devices: a number there is a file name.
        {app::PortChoice::device("3"), 0, "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port.stored().toStdString());
        app::SerialSettings serial;
        serial.port = c.port;
        serial.baudRate = QStringLiteral("19200");
        serial.address = 7;
        serial.useInfrared = true;
        serial.verifyAfterSend = false;
        const LinkSettings link = LinkSettingsOf(serial);
        EXPECT_EQ(link.serialPort, c.number);
        EXPECT_EQ(link.portName, QString::fromLatin1(c.name));
        EXPECT_EQ(link.baudRate, "19200");
        EXPECT_EQ(link.addr, 7);
        EXPECT_TRUE(link.useInfrared);
        EXPECT_FALSE(link.verifyAfterSend);
    }
}

LinkSettings Simulated(std::uint8_t addr, bool infrared) {
    LinkSettings settings;
    settings.serialPort = 0;
    settings.portName = QStringLiteral("simulator");
    settings.addr = addr;
    settings.useInfrared = infrared;
    return settings;
}

TEST(AnalyserLink, TheSimulatorPortIsTheAnalyserOfTheModelAndAddress) {
    SimulatedAnalysers simulated(nullptr);
    LinkContext context;
    context.simulated = &simulated;
    AnalyserLink first(Simulated(3, true), kModel, context);
    EXPECT_EQ(&first.port(), &simulated.port(kModel, 3));
    // Its memory lives on: the next link at the same address talks to the same analyser.
    AnalyserLink again(Simulated(3, false), kModel, context);
    EXPECT_EQ(&again.port(), &first.port());
    AnalyserLink other(Simulated(4, false), kModel, context);
    EXPECT_NE(&other.port(), &first.port());
}

TEST(AnalyserLink, TheSimulatorNeedsItsAnalysers) {
    EXPECT_THROW(AnalyserLink(Simulated(0, false), kModel, LinkContext{}), std::logic_error);
}

TEST(AnalyserLink, AnyOtherPortIsASerialDevice) {
    for (const char* name : {"", "/dev/ttyUSB0", "simulator2"}) {
        LinkSettings settings;
        settings.portName = QString::fromLatin1(name);
        AnalyserLink link(settings, kModel, LinkContext{});
        EXPECT_NE(dynamic_cast<wirelink::QtSerialCommPort*>(&link.port()), nullptr) << name;
        EXPECT_FALSE(link.link().PermitsEvents());
    }
}

class NoEvents : public wirelink::Host {
  public:
    void processEvents() override {}
};

TEST(AnalyserLink, HostBusyTimeoutAndTraceGoIntoTheLink) {
    SimulatedAnalysers simulated(nullptr);
    NoEvents host;
    LinkTrace trace;
    LinkContext context;
    context.simulated = &simulated;
    context.host = &host;
    context.busyTimeout = 3;
    context.trace = &trace;
    context.traceNote = QStringLiteral("connection test");
    AnalyserLink link(Simulated(0, false), kModel, context);
    EXPECT_TRUE(link.link().PermitsEvents());
    EXPECT_EQ(link.link().BusyTimeout(), 3);
    ASSERT_FALSE(trace.lines().isEmpty());
    EXPECT_TRUE(trace.lines().last().endsWith(QStringLiteral("connection test")))
        << trace.lines().last().toStdString();

    // The trace hears the link: opening the port is noted.
    ApplyLinkSettings(link.link(), Simulated(0, false));
    link.link().OpenCom();
    link.link().CloseCom();
    EXPECT_TRUE(trace.lines().join('\n').contains(QStringLiteral("opened")))
        << trace.lines().join('\n').toStdString();
}

}  // namespace
}  // namespace kilnward::transfer
