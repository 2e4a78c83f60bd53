// The real serial backend (Qt SerialPort) against kilnward-sim on a pseudo-terminal.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <memory>

#include "tests/support/CliRun.h"
#include "tests/support/SimProcess.h"
#include "wirelink/QtSerialCommPort.h"
#include "wirelink/Wirelink.h"

namespace kilnward::e2e {
namespace {

using test::SimProcess;
using wirelink::ByteBuffer;
using wirelink::StatusOf;
using wirelink::WLink_errors;

constexpr std::uint8_t kType = 12;
constexpr std::uint8_t kAddr = 3;

class SerialBackendE2ETest : public ::testing::Test {
  protected:
    // Starts the simulator with `extra` arguments and opens the link to it.
    void start(QStringList extra = {}) {
        sim = std::make_unique<SimProcess>(QStringList{"--model", "12", "--addr", "3"} + extra);
        ASSERT_TRUE(sim->error().isEmpty()) << sim->error().toStdString();
        link.setRaiseErrors(false);
        link.setPortName(sim->device().toStdString());
        ASSERT_EQ(link.OpenCom(), 0);
        ASSERT_EQ(link.Defineflow(kAddr, kType), 0);
    }
    void TearDown() override {
        link.Releaseflow(kAddr);
        link.CloseCom();
    }
    std::int32_t readClock() { return link.SendFrame(kAddr, 0x5E, 0x00, {}); }

    std::unique_ptr<SimProcess> sim;
    wirelink::QtSerialCommPort port;
    wirelink::Wirelink link{port};
};

TEST_F(SerialBackendE2ETest, ReadsTheSectorInBlocks) {
    start();
    ByteBuffer sector;
    for (std::uint32_t address = 0; address < 2048; address += 32) {
        ASSERT_EQ(link.SendFrame(kAddr, 0x5C, 0x00,
                                 {1, static_cast<std::uint8_t>(address),
                                  static_cast<std::uint8_t>(address >> 8), 0, 0, 32, 0}),
                  0);
        sector.insert(sector.end(), link.LastRcvFrame().begin(), link.LastRcvFrame().end());
    }
    EXPECT_EQ(sector, ByteBuffer(2048, 0));
}

TEST_F(SerialBackendE2ETest, RecoversFromNakBusyStrayAndTrickle) {
    start({"--fault", "nak,count=3", "--fault", "busy=300,from=5", "--fault", "stray,cmd=5A03",
           "--fault", "trickle=30,cmd=5C00"});
    EXPECT_EQ(readClock(), 0) << "three NAKs, then the answer";
    EXPECT_EQ(link.LastRcvFrame().size(), 5u);
    const auto busyStart = std::chrono::steady_clock::now();
    EXPECT_EQ(readClock(), 0) << "busy for 300 ms";
    EXPECT_GE(std::chrono::steady_clock::now() - busyStart, std::chrono::milliseconds(300));
    EXPECT_EQ(link.SendTXFrame_wresponse(kAddr, 0xDF, 0x02, {1}), 0)
        << "a stray byte before the status answer costs one attempt";
    EXPECT_EQ(link.LastRcvFrame(), ByteBuffer{0});
    EXPECT_EQ(link.SendFrame(kAddr, 0x5C, 0x00, {1, 0, 0, 0, 0, 4, 0}), 0);
    EXPECT_EQ(link.LastRcvFrame(), ByteBuffer(4, 0));
    EXPECT_TRUE(link.FlowIsConnected(kAddr));
}

TEST_F(SerialBackendE2ETest, FailCodeEndsTheRequestAtOnce) {
    start({"--fault", "fail=21,cmd=5E00"});
    EXPECT_EQ(readClock(), StatusOf(WLink_errors::WLerrFAIL_CMDUNKNOW));
    EXPECT_TRUE(link.FlowIsConnected(kAddr));
    EXPECT_EQ(readClock(), 0);
}

TEST_F(SerialBackendE2ETest, SaveWritesTheImageAfterSigterm) {
    QTemporaryDir dir;
    const QString saved = dir.filePath("saved.bin");
    start({"--save", saved});
    ASSERT_EQ(link.SendTXFrame_wresponse(kAddr, 0xDF, 0x01, {1}), 0);
    ASSERT_EQ(link.SendTXFrame_wresponse(kAddr, 0xDC, 0x00, {1, 0xFE, 0x07, 0, 0, 0xA5, 0x5A}), 0);
    ASSERT_EQ(link.SendTXFrame_wresponse(kAddr, 0xDF, 0x00, {}), 0);
    EXPECT_EQ(sim->stop(), 0) << sim->stderrText().toStdString();
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray image = file.readAll();
    ASSERT_EQ(image.size(), 2048);
    EXPECT_EQ(static_cast<std::uint8_t>(image[2046]), 0xA5);
    EXPECT_EQ(static_cast<std::uint8_t>(image[2047]), 0x5A);
    EXPECT_EQ(image.left(2046), QByteArray(2046, '\0'));
}

TEST_F(SerialBackendE2ETest, ImageIsServedAndThePortCanBeReopened) {
    QTemporaryDir dir;
    const QString image = dir.filePath("image.bin");
    QFile file(image);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray bytes(2048, '\0');
    bytes[100] = '\x42';
    file.write(bytes);
    file.close();
    start({"--image", image});
    link.CloseCom();
    ASSERT_EQ(link.OpenCom(), 0);
    ASSERT_EQ(link.SendFrame(kAddr, 0x5C, 0x00, {1, 100, 0, 0, 0, 1, 0}), 0);
    EXPECT_EQ(link.LastRcvFrame(), ByteBuffer{0x42});
}

TEST_F(SerialBackendE2ETest, PacedAnswersTakeTheirLineTimeAndAreLogged) {
    start({"--pace", "9600", "--verbose"});
    const auto begin = std::chrono::steady_clock::now();
    ASSERT_EQ(link.SendFrame(kAddr, 0x5C, 0x00, {1, 0, 0, 0, 0, 32, 0}), 0);
    // 41 answer bytes of ten bits at 9600 bit/s.
    EXPECT_GE(std::chrono::steady_clock::now() - begin, std::chrono::microseconds(41 * 1041));
    EXPECT_EQ(link.LastRcvFrame().size(), 32u);
    EXPECT_EQ(sim->stop(), 0);
    EXPECT_TRUE(sim->stderrText().contains("#1 5C00 [01 00 00 00 00 20 00] -> DATA ["))
        << sim->stderrText().toStdString();
}

TEST(SimProgramTest, RejectsBadOptions) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"--model", "17"}, QStringList{"--model", "9", "--addr", "256"},
          QStringList{"--model", "9", "--fault", "nak,when=2"},
          QStringList{"--model", "9", "extra"}}) {
        // A program that wrongly starts serving is killed after the short time-out.
        test::RunOptions options;
        options.timeoutMs = 5000;
        const test::CliRun run = test::RunProgram("kilnward-sim", arguments, options);
        ASSERT_NE(run.exitCode, -1) << run.err.toStdString();
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    // The help names the program and its options, not the path it was started from, and
    // the fault syntax it refers to is printed.
    const test::CliRun help = test::RunProgram("kilnward-sim", {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage:\nkilnward-sim --model ID [--addr N]"))
        << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("Fault SPEC:"));
    EXPECT_FALSE(help.out.contains("syntax below"));
    const test::CliRun helpAll = test::RunProgram("kilnward-sim", {"--help-all"});
    EXPECT_EQ(helpAll.exitCode, 0) << helpAll.err.toStdString();
    EXPECT_EQ(helpAll.out, help.out);
}

TEST_F(SerialBackendE2ETest, APeerThatNeverGoesQuietEndsTheRequestInFourBoundedAttempts) {
    // At 115200 bit/s an attempt may last 32774 bytes' time plus 1.0 s: about 3.85 s.
    link.setBaudRate("115200");
    start({"--fault", "trickle-forever=300,at=2"});
    ASSERT_EQ(readClock(), 0);
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_EQ(readClock(), StatusOf(WLink_errors::WLerr_timeouterror));
    const double took =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    // The first attempt meets the stalled frame and lasts its deadline; the later ones meet
    // its endless body first, which begins no answer, and end one inter-byte time later.
    EXPECT_GT(took, 3.8 + 3 * 1.0);
    EXPECT_LT(took, 4 * 3.85 + 2.0);
}

}  // namespace
}  // namespace kilnward::e2e
