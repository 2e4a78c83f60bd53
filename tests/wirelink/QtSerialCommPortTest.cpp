#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "tests/support/MissingPort.h"
#include "tests/support/QtApplicationEnvironment.h"
#include "wirelink/Frame.h"
#include "wirelink/PortErrors.h"
#include "wirelink/QtSerialCommPort.h"
#include "wirelink/Wirelink.h"

namespace wirelink {
namespace {

using namespace std::chrono_literals;
using SteadyTime = std::chrono::steady_clock;

// A pseudo-terminal pair: the test plays the instrument on the master side.
class PtyPair {
  public:
    PtyPair() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) {
            const char* name = ptsname(master_);
            slavePath_ = name != nullptr ? name : "";
        }
    }
    ~PtyPair() {
        if (master_ >= 0) {
            ::close(master_);
        }
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return master_ >= 0 && !slavePath_.empty(); }
    const std::string& slavePath() const { return slavePath_; }

    void send(const ByteBuffer& bytes) const {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    // Up to `count` bytes, waiting at most `limit` for them.
    ByteBuffer receive(std::size_t count, std::chrono::milliseconds limit) const {
        ByteBuffer bytes;
        const auto deadline = SteadyTime::now() + limit;
        while (bytes.size() < count && SteadyTime::now() < deadline) {
            pollfd pfd{master_, POLLIN, 0};
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyTime::now());
            if (::poll(&pfd, 1, static_cast<int>(left.count())) <= 0) {
                break;
            }
            std::uint8_t buffer[256];
            const ssize_t n =
                ::read(master_, buffer, std::min(sizeof buffer, count - bytes.size()));
            if (n <= 0) {
                break;
            }
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }

  private:
    int master_ = -1;
    std::string slavePath_;
};

// Qt's port watches its descriptor with notifiers, which want an application object.
const auto* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new kilnward::test::QtApplicationEnvironment);

class QtSerialCommPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok()) << "no pseudo-terminal available";
        port.setPortName(pty.slavePath());
        port.setSettings("9600,n,8,1");
    }

    PtyPair pty;
    QtSerialCommPort port;
};

int CodeOf(PortError e) {
    return static_cast<int>(e);
}

template <typename F>
int ThrownCode(F&& f) {
    try {
        f();
    } catch (const Error& e) {
        EXPECT_FALSE(std::string(e.what()).empty());
        return e.code();
    }
    return 0;
}

TEST(QtSerialCommPortNames, NumberMapsToThePlatformName) {
#if defined(_WIN32)
    EXPECT_EQ(QtSerialCommPort::PlatformPortName(3), "COM3");
#else
    EXPECT_EQ(QtSerialCommPort::PlatformPortName(1), "/dev/ttyS0");
    EXPECT_EQ(QtSerialCommPort::PlatformPortName(3), "/dev/ttyS2");
#endif
    EXPECT_EQ(QtSerialCommPort::PlatformPortName(0), "");

    QtSerialCommPort port;
    port.setPortName("3");
    EXPECT_EQ(port.portName(), QtSerialCommPort::PlatformPortName(3));
    port.setPortName("/dev/ttyUSB0");
    EXPECT_EQ(port.portName(), "/dev/ttyUSB0");
    port.setPortNumber(2);
    EXPECT_EQ(port.portName(), QtSerialCommPort::PlatformPortName(2));
}

TEST(QtSerialCommPortNames, MissingPortsAreInvalidNumbers) {
    QtSerialCommPort port;
    port.setPortNumber(0);
    EXPECT_EQ(ThrownCode([&] { port.open(); }), CodeOf(PortError::InvalidPortNumber));
    port.setPortName(kilnward::test::MissingPortName().toStdString());
    EXPECT_EQ(ThrownCode([&] { port.open(); }), CodeOf(PortError::InvalidPortNumber));
    EXPECT_FALSE(port.isOpen());
}

TEST_F(QtSerialCommPortTest, PseudoTerminalHasNoModemLines) {
    port.open();
    EXPECT_TRUE(port.isOpen());
    EXPECT_FALSE(port.hasModemLines());
    EXPECT_FALSE(port.dsrHolding());
    EXPECT_EQ(ThrownCode([&] { port.setDtr(true); }), CodeOf(PortError::CannotSetCommState));
    EXPECT_EQ(ThrownCode([&] { port.setRts(true); }), CodeOf(PortError::CannotSetCommState));
}

TEST_F(QtSerialCommPortTest, OpenTwiceAndRefusedSettingsFail) {
    port.open();
    EXPECT_EQ(ThrownCode([&] { port.open(); }), CodeOf(PortError::PortAlreadyOpen));
    EXPECT_EQ(ThrownCode([&] { port.setSettings("9600,q,8,1"); }),
              CodeOf(PortError::InvalidSettings));
    EXPECT_EQ(port.settings(), "9600,n,8,1");
    port.setSettings("115200,n,8,1");
    EXPECT_EQ(port.settings(), "115200,n,8,1");
    port.close();
    EXPECT_EQ(ThrownCode([&] { port.read(0); }), CodeOf(PortError::PortNotOpen));
}

TEST_F(QtSerialCommPortTest, WriteReachesTheOtherSide) {
    port.open();
    port.write({0x02, 0x01, 0xFF, 0x00});
    EXPECT_EQ(pty.receive(4, 2000ms), (ByteBuffer{0x02, 0x01, 0xFF, 0x00}));
}

TEST_F(QtSerialCommPortTest, WaitReturnsWhenBytesArriveAndReadTakesThem) {
    port.open();
    pty.send({0xAA, 0xBB, 0xCC});
    ASSERT_TRUE(port.waitForInput(0, 2000ms));
    // All three may not be in yet; wait for the rest the way the link does.
    while (port.bytesAvailable() < 3 && port.waitForInput(port.bytesAvailable(), 2000ms)) {
    }
    EXPECT_EQ(port.bytesAvailable(), 3u);
    EXPECT_EQ(port.read(1), ByteBuffer{0xAA});
    EXPECT_EQ(port.read(0), (ByteBuffer{0xBB, 0xCC}));
    EXPECT_EQ(port.read(0), ByteBuffer{});
}

TEST_F(QtSerialCommPortTest, WaitTimesOutWithoutSpinning) {
    port.open();
    const auto wallStart = SteadyTime::now();
    const std::clock_t cpuStart = std::clock();
    EXPECT_FALSE(port.waitForInput(0, 200ms));
    const auto wall = SteadyTime::now() - wallStart;
    const double cpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    EXPECT_GE(wall, 190ms);
    EXPECT_LT(wall, 2000ms);
    EXPECT_LT(cpuSeconds, 0.1);
}

TEST_F(QtSerialCommPortTest, DiscardDropsWaitingInput) {
    port.open();
    pty.send({1, 2, 3});
    ASSERT_TRUE(port.waitForInput(0, 2000ms));
    port.discardInput();
    EXPECT_EQ(port.bytesAvailable(), 0u);
}

TEST_F(QtSerialCommPortTest, LinkRunsARequestInCableMode) {
    Wirelink link(port);
    link.setRaiseErrors(false);
    link.setPortName(pty.slavePath());
    ASSERT_EQ(link.OpenCom(), 0);  // the missing modem lines do not matter by cable
    ASSERT_EQ(link.RefreshCom(), 0);
    ASSERT_EQ(link.Defineflow(1, 9), 0);

    const ByteBuffer block{0x10, 0x20, 0x30};
    std::thread instrument([&] {
        const ByteBuffer request = pty.receive(9, 3000ms);
        if (request == BuildFrame(1, 9, 0x10, 0x00, {}).value()) {
            pty.send(BuildFrame(1, 9, 0x10, 0x00, block).value());
        }
    });
    const std::int32_t result = link.SendFrame(1, 0x10, 0x00, {});
    instrument.join();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(link.LastRcvFrame(), block);
}

TEST_F(QtSerialCommPortTest, InfraredNeedsModemLines) {
    Wirelink link(port);
    link.setRaiseErrors(false);
    link.setPortName(pty.slavePath());
    link.setInfrared(true);
    EXPECT_EQ(link.OpenCom(), StatusOf(WLink_errors::WLerr_nomodemlines));
}

}  // namespace
}  // namespace wirelink
