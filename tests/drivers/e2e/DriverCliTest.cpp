#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/support/CliRun.h"
#include "tests/support/MissingPort.h"
#include "tests/support/QtApplicationEnvironment.h"
#include "tests/support/SimProcess.h"

namespace kilnward::drivers {
namespace {

using test::CliRun;
using test::SimProcess;

// QProcess watches the child's pipes with notifiers.
const auto* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new test::QtApplicationEnvironment);

// The driver commands of kilnward-cli, run as the user runs them: against the in-process
// simulated analyser and against kilnward-sim on a pseudo-terminal.
class DriverCli : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(home.isValid()); }

    // Runs kilnward-cli with a program folder of its own, so the stored model is the test's.
    // A `fileSizeLimit` (in 512-byte blocks) makes larger writes fail as on a full disk.
    CliRun Run(const QStringList& arguments, int fileSizeLimit = 0) {
        test::RunOptions options;
        options.environment.insert("KILNWARD_HOME", home.path());
        options.fileSizeLimitBlocks = fileSizeLimit;
        return test::RunCli(arguments, options);
    }

    void StoreModel(int id) {
        QFile config(QDir(home.path()).filePath("Config.ini"));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(QStringLiteral("[General]\r\nInstrumentIDselected=%1\r\n").arg(id).toLatin1());
    }

    // A configuration sector whose every byte tells its address.
    QString SectorImage() {
        QByteArray bytes(2048, 0);
        for (int i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
        }
        const QString path = QDir(home.path()).filePath("sector.bin");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QString HexLine(int from, int count) {
        QStringList parts;
        for (int i = from; i < from + count; ++i) {
            parts << QStringLiteral("%1")
                         .arg((i * 7 + i / 256) & 0xFF, 2, 16, QLatin1Char('0'))
                         .toUpper();
        }
        return parts.join(' ');
    }

    QTemporaryDir home;
};

TEST_F(DriverCli, ReadMemoryFromTheSimulatedAnalyserPrints16BytesALine) {
    const CliRun run = Run({"read-memory", "--port", "simulator", "--model", "13", "--cable",
                            "--addr", "7", "--device", "1", "--address", "0x10", "--count", "40"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString zeros16 = QStringLiteral("00 ").repeated(15) + "00";
    EXPECT_EQ(run.out,
              zeros16 + "\n" + zeros16 + "\n" + QStringLiteral("00 ").repeated(7) + "00\n");
}

TEST_F(DriverCli, ReadMemoryFromKilnwardSimSpansSeveralRequests) {
    SimProcess sim({"--model", "9", "--addr", "4", "--verbose", "--image", SectorImage()});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    StoreModel(9);  // a cable model: the default link suits a pseudo-terminal
    const CliRun run = Run({"read-memory", "--port", sim.device(), "--addr", "4", "--device", "1",
                            "--address", "250", "--count", "70"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, HexLine(250, 16) + "\n" + HexLine(266, 16) + "\n" + HexLine(282, 16) + "\n" +
                           HexLine(298, 16) + "\n" + HexLine(314, 6) + "\n");
    // Blocks of 32 bytes at most, each asked for by device, address and count.
    const QString log = sim.waitForLog("#3 ");
    EXPECT_TRUE(log.contains("#1 5C00 [01 FA 00 00 00 20 00]")) << log.toStdString();
    EXPECT_TRUE(log.contains("#2 5C00 [01 1A 01 00 00 20 00]")) << log.toStdString();
    EXPECT_TRUE(log.contains("#3 5C00 [01 3A 01 00 00 06 00]")) << log.toStdString();
    EXPECT_FALSE(log.contains("#4 ")) << log.toStdString();
}

TEST_F(DriverCli, ReadMemoryWritesRawBytesToAFile) {
    SimProcess sim({"--model", "16", "--image", SectorImage()});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    const QString out = QDir(home.path()).filePath("out.bin");
    const CliRun run = Run({"read-memory", "--port", sim.device(), "--model", "16", "--cable",
                            "--device", "1", "--address", "2000", "--count", "48", "--out", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QFile image(QDir(home.path()).filePath("sector.bin"));
    ASSERT_TRUE(image.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), image.readAll().mid(2000, 48));
}

TEST_F(DriverCli, ReadMemoryThatCannotBeWrittenWholeKeepsTheOldFile) {
    const QString out = QDir(home.path()).filePath("out.bin");
    QFile old(out);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous contents");
    old.close();
    const CliRun run =
        Run({"read-memory", "--port", "simulator", "--model", "9", "--baud", "115200", "--device",
             "1", "--address", "0", "--count", "600", "--out", out},
            1);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("cannot write")) << run.err.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("previous contents"));
}

TEST_F(DriverCli, RemoteModeIsLeftEvenWhenAReadFails) {
    // Requests: 1 remote on, 2 its status, 3 first read, 4 second read (refused).
    SimProcess sim({"--model", "9", "--verbose", "--fault", "fail=21,at=4"});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    const CliRun run = Run({"read-memory", "--port", sim.device(), "--model", "9", "--device", "1",
                            "--address", "0", "--count", "64", "--remote"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith("error 0x80040401: ")) << run.err.toStdString();
    const QString log = sim.waitForLog("#5 ");
    EXPECT_TRUE(log.contains(QRegularExpression("#1 DF ?02 \\[01\\]"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QRegularExpression("#5 DF ?02 \\[00\\]"))) << log.toStdString();
}

TEST_F(DriverCli, TheStoredModelSetsTheTypeCodeAndTheLinkKind) {
    SimProcess sim({"--model", "9"});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    StoreModel(9);
    EXPECT_EQ(Run({"clock", "--port", sim.device()}).exitCode, 0);
    // Another model's type code is refused by the analyser.
    const CliRun wrongType = Run({"clock", "--port", sim.device(), "--model", "11", "--cable"});
    EXPECT_EQ(wrongType.exitCode, 1);
    EXPECT_TRUE(wrongType.err.startsWith("error 0x80040400: ")) << wrongType.err.toStdString();
    // Model 11 goes through the infrared adapter, which a pseudo-terminal cannot drive.
    StoreModel(11);
    const CliRun infrared = Run({"clock", "--port", sim.device()});
    EXPECT_EQ(infrared.exitCode, 1);
    EXPECT_TRUE(infrared.err.startsWith("error 0x")) << infrared.err.toStdString();
}

TEST_F(DriverCli, ClockSetToAGivenTimeReadsBack) {
    SimProcess sim({"--model", "20", "--addr", "2"});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    const QStringList link = {"--port", sim.device(), "--addr", "2", "--model", "20", "--cable"};
    const CliRun set = Run(QStringList{"clock"} + link + QStringList{"--set", "2024-02-29T23:41"});
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
    EXPECT_EQ(set.out, "2024-02-29 23:41\n");
    const CliRun read = Run(QStringList{"clock"} + link);
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(read.out, "2024-02-29 23:41\n");
}

TEST_F(DriverCli, ClockSetWithoutValueUsesTheLocalTime) {
    const QDateTime before = QDateTime::currentDateTime();
    const CliRun run = Run({"clock", "--port", "simulator", "--model", "10", "--cable", "--set"});
    const QDateTime after = QDateTime::currentDateTime();
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm");
    EXPECT_TRUE(run.out == before.toString(format) + "\n" ||
                run.out == after.toString(format) + "\n")
        << run.out.toStdString();
}

TEST_F(DriverCli, ClockReadFromTheSimulatedAnalyser) {
    const CliRun run = Run({"clock", "--port", "simulator", "--model", "9", "--addr", "9"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(
        QRegularExpression("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}\\n$").match(run.out).hasMatch())
        << run.out.toStdString();
}

TEST_F(DriverCli, UsageErrorsExitWith2) {
    const QStringList port = {"--port", "simulator"};
    const QList<QStringList> cases = {
        QStringList{"read-memory"} + port + QStringList{"--address", "0", "--count", "1"},
        QStringList{"read-memory"} + port + QStringList{"--device", "1", "--address", "0"},
        QStringList{"read-memory"} + port +
            QStringList{"--device", "256", "--address", "0", "--count", "1"},
        QStringList{"read-memory"} + port +
            QStringList{"--device", "1", "--address", "4294967295", "--count", "2"},
        QStringList{"read-memory", "--device", "1", "--address", "0", "--count", "1"},
        QStringList{"clock"} + port + QStringList{"--model", "17"},
        QStringList{"clock"} + port + QStringList{"--model", "18"},
        QStringList{"clock"} + port + QStringList{"--infrared", "--cable"},
        QStringList{"clock"} + port + QStringList{"--set", "2024-02-30T10:00"},
        QStringList{"clock"} + port + QStringList{"--set", "2024-02-01 10:00"},
        QStringList{"clock"} + port + QStringList{"--set=2150-01-01T10:00"},
    };
    for (const QStringList& arguments : cases) {
        const CliRun run = Run(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("Usage:")) << arguments.join(' ').toStdString();
    }
}

TEST_F(DriverCli, StoredModelWithoutDriverIsAUsageError) {
    StoreModel(18);
    const CliRun run = Run({"clock", "--port", "simulator"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("18")) << run.err.toStdString();
}

TEST_F(DriverCli, MissingPortIsALinkFailure) {
    const CliRun run = Run({"clock", "--port", test::MissingPortName(), "--cable"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith("error 0x")) << run.err.toStdString();
}

}  // namespace
}  // namespace kilnward::drivers
