#include <gtest/gtest.h>

#include <memory>

#include "drivers/CreateDriver.h"
#include "drivers/SubscriptError.h"
#include "tests/support/QtApplicationEnvironment.h"
#include "tests/support/SimProcess.h"
#include "wirelink/Errors.h"
#include "wirelink/QtSerialCommPort.h"
#include "wirelink/Wirelink.h"

namespace kilnward::drivers {
namespace {

using wirelink::ByteBuffer;

constexpr std::uint8_t kAddr = 3;
constexpr std::uint8_t kModel = 15;

// The serial port watches its descriptor with notifiers.
const auto* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new test::QtApplicationEnvironment);

// A driver on the real Qt SerialPort backend, talking to kilnward-sim on a pseudo-terminal.
class DriverOnSimulator : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
        link.setPortName(sim.device().toStdString());
        ASSERT_EQ(link.OpenCom(), 0);
        ASSERT_EQ(link.Defineflow(kAddr, driver->Instrument_ID()), 0);
        driver->linktowirelinkctrl(&link);
    }

    void TearDown() override {
        if (link.PortOpen()) {
            link.Releaseflow(kAddr);
            link.CloseCom();
        }
    }

    test::SimProcess sim{{"--model", QString::number(kModel), "--addr", QString::number(kAddr)}};
    wirelink::QtSerialCommPort port;
    wirelink::Wirelink link{port};
    std::unique_ptr<InstrumentDriver> driver = CreateDriver(kModel);
};

TEST_F(DriverOnSimulator, BlockWrittenInATransactionReadsBack) {
    ByteBuffer block(27);
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    EXPECT_EQ(driver->SetRemLoc(kAddr, 1), 0);
    EXPECT_EQ(driver->StartWriteTransaction(kAddr, 1), 0);
    EXPECT_EQ(driver->WritetoRelativeDevice(kAddr, 1, 100, block), 0);
    EXPECT_EQ(driver->EndWriteTransaction(kAddr), 0);

    ByteBuffer readBack;
    EXPECT_EQ(driver->ReadfromRelativeDevice(kAddr, 1, 100, 27, readBack), 0);
    EXPECT_EQ(readBack, block);
    ByteBuffer around;
    EXPECT_EQ(driver->ReadfromRelativeDevice(kAddr, 1, 96, 32, around), 0);
    ASSERT_EQ(around.size(), 32U);
    EXPECT_EQ(ByteBuffer(around.begin() + 4, around.begin() + 31), block);
    EXPECT_EQ(driver->SetRemLoc(kAddr, 0), 0);
}

TEST_F(DriverOnSimulator, ClockSetIsReadBack) {
    const DateTime when = MakeDateTime(2024, 2, 29, 23, 41, 0);
    EXPECT_EQ(driver->WriteRTCClock(kAddr, when), 0);
    DateTime read{};
    EXPECT_EQ(driver->ReadRTCClock(kAddr, read), 0);
    // The analyser's clock runs on; a test never takes a minute.
    EXPECT_EQ(read, when);
}

TEST_F(DriverOnSimulator, RefusedRequestsRaiseTheLinkError) {
    ByteBuffer data;
    try {
        driver->ReadfromRelativeDevice(kAddr, 7, 0, 32, data);
        FAIL() << "no error raised";
    } catch (const wirelink::Error& e) {
        EXPECT_EQ(e.code(), wirelink::StatusOf(wirelink::WLink_errors::WLerrFAIL_ERRORNUMBERDATA));
    }
    // A write outside a transaction is refused by the write status.
    EXPECT_THROW(driver->WritetoRelativeDevice(kAddr, 1, 0, {1}), wirelink::Error);
}

}  // namespace
}  // namespace kilnward::drivers
