// kilnward-cli receive, send, set-clock, decode and encode, run as the user runs them: over a
// pseudo-terminal against kilnward-sim, on the real serial backend.

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <random>

#include "tests/support/BinFolder.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QtApplicationEnvironment.h"
#include "tests/support/SimProcess.h"

namespace kilnward::transfer {
namespace {

using test::CliRun;
using SimulatorProcess = test::SimProcess;

const auto* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new test::QtApplicationEnvironment);

class TransferCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(test::CopyProgramData(home.path()));
    }

    QString file(const QString& name) const { return QDir(home.path()).filePath(name); }
    // The link's error line of an output: advice on what to do next may follow it.
    static QString ErrorLine(const QString& text) {
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("error "))) {
                return line;
            }
        }
        return QString();
    }

    CliRun Run(QStringList arguments, bool withProgramDir = true) {
        if (withProgramDir) {
            arguments << "--program-dir" << home.path();
        }
        test::RunOptions options;
        options.timeoutMs = 90000;
        return test::RunCli(arguments, options);
    }

    QByteArray Read(const QString& path) const { return test::ReadBytes(path); }
    void Write(const QString& path, const QByteArray& bytes) const {
        ASSERT_TRUE(test::WriteBytes(path, bytes));
    }

    // A sector as the analyser of `model` could hold it: the default documents put into
    // random bytes.
    QString AnalyserSector(const QString& model) {
        std::mt19937 random(17);
        QByteArray noise(2048, 0);
        for (auto& byte : noise) {
            byte = static_cast<char>(random());
        }
        Write(file("noise.bin"), noise);
        const CliRun run = Run({"encode", "--model", model, "--base", file("noise.bin"), "--out",
                                file("analyser.bin")});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return file("analyser.bin");
    }

    QTemporaryDir home;
};

TEST_F(TransferCli, ReceiveThenSendTheSameDocumentsGivesBackTheSector) {
    const QString sector = AnalyserSector("13");
    const QString saved = file("saved.bin");
    {
        SimulatorProcess sim({"--model", "13", "--addr", "2", "--image", sector, "--save", saved});
        ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
        const QStringList link = {"--port", sim.device(), "--model", "13",
                                  "--addr", "2",          "--cable"};

        const CliRun received =
            Run(QStringList{"receive"} + link +
                QStringList{"--out-dir", file("out"), "--image", file("received.bin")});
        ASSERT_EQ(received.exitCode, 0) << received.err.toStdString();
        EXPECT_EQ(received.out, "Receiving...In progress\nReceiving...Done\n");
        // stderr is a pipe here: no progress line, nothing but errors.
        EXPECT_EQ(received.err, "");
        EXPECT_EQ(Read(file("received.bin")), Read(sector));
        for (const char* name :
             {"configuration.cfg", "fuels.fue", "header.hdr", "law.law", "service.srv"}) {
            EXPECT_TRUE(QFile::exists(file("out/") + name)) << name;
        }

        const CliRun sent =
            Run(QStringList{"send"} + link +
                QStringList{"--cfg", file("out/configuration.cfg"), "--fue", file("out/fuels.fue"),
                            "--hdr", file("out/header.hdr"), "--law", file("out/law.law"), "--srv",
                            file("out/service.srv")});
        ASSERT_EQ(sent.exitCode, 0) << sent.err.toStdString();
        EXPECT_TRUE(sent.out.startsWith(
            "Sending (Phase 1)...In progress\nSending (Phase 2)...In progress\n"))
            << sent.out.toStdString();
        // The service report is kept once the read-back found the write kept.
        EXPECT_TRUE(sent.out.contains("Reading back...In progress\nService report kept in "))
            << sent.out.toStdString();
        EXPECT_TRUE(sent.out.endsWith(".pdf\nSending...Done, verified\n"))
            << sent.out.toStdString();
    }
    EXPECT_EQ(Read(saved), Read(sector));
}

TEST_F(TransferCli, SetClockSetsTheAnalysersClockToTheComputersDate) {
    SimulatorProcess sim({"--model", "9"});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    const CliRun set = Run({"set-clock", "--port", sim.device(), "--model", "9", "--cable"});
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
    EXPECT_EQ(set.out, "Setting clock...In progress\nSetting clock...Done\n");
    const CliRun read = Run({"clock", "--port", sim.device(), "--model", "9", "--cable"}, false);
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_TRUE(read.out.startsWith(QDate::currentDate().toString(Qt::ISODate)))
        << read.out.toStdString();
}

TEST_F(TransferCli, AReceiveThatTimesOutHalfWayReportsTheFailure) {
    SimulatorProcess sim({"--model", "10", "--fault", "silent,from=20,count=0"});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    const CliRun run = Run(
        {"receive", "--port", sim.device(), "--model", "10", "--cable", "--out-dir", file("out")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "Receiving...In progress\nReceiving...Failed\n");
    EXPECT_TRUE(ErrorLine(run.err).startsWith("error 0x80040200: ")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(file("out/configuration.cfg")));
}

TEST_F(TransferCli, ASendRefusedHalfWayReportsTheAnalysersAnswer) {
    SimulatorProcess sim({"--model", "10", "--fault", "fail=22,from=100,count=0"});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    const CliRun run = Run({"send", "--port", sim.device(), "--model", "10", "--cable"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.endsWith("Sending...Failed\n")) << run.out.toStdString();
    EXPECT_TRUE(ErrorLine(run.err).startsWith("error 0x8004040")) << run.err.toStdString();
}

TEST_F(TransferCli, SetClockOnAMissingPortFailsAtOnce) {
    const CliRun run = Run({"set-clock", "--port", "/dev/kilnward-missing", "--model", "10"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "Setting clock...In progress\nSetting clock...Failed\n");
    EXPECT_TRUE(ErrorLine(run.err).startsWith("error 0x")) << run.err.toStdString();
}

TEST_F(TransferCli, InfraredOnAPortWithoutModemLinesSaysToUseTheCable) {
    SimulatorProcess sim({"--model", "10"});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    QElapsedTimer took;
    took.start();
    const CliRun run = Run({"receive", "--port", sim.device(), "--model", "10", "--infrared",
                            "--out-dir", file("out")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("modem lines")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("--cable")) << run.err.toStdString();
    // The command line names its own options, not the window's settings; the attempt and
    // its reason show while it tries.
    EXPECT_FALSE(run.err.contains("serial settings")) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("attempt 1 of 10")) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains("serial settings")) << run.out.toStdString();
    // Told after the first attempt, not after ten.
    EXPECT_LT(took.elapsed(), 5000);
}

TEST_F(TransferCli, APortThatIsAFolderOrAFileSaysWhichPathAndWhatToDo) {
    Write(file("notaport"), "x");
    for (const QString& path : {home.path(), file("notaport")}) {
        const CliRun run = Run({"set-clock", "--port", path, "--model", "10", "--cable"});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(path)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("not a serial port")) << run.err.toStdString();
    }
    // A relative path is taken from the current folder, not looked up under /dev.
    const CliRun relative =
        Run({"set-clock", "--port", "kilnward-relative-port", "--model", "10", "--cable"});
    EXPECT_EQ(relative.exitCode, 1);
    EXPECT_TRUE(relative.err.contains("/kilnward-relative-port: no such port"))
        << relative.err.toStdString();
    EXPECT_FALSE(relative.err.contains("/dev/kilnward-relative-port"))
        << relative.err.toStdString();
}

TEST_F(TransferCli, LateAnswersOverAPseudoTerminalNeverShiftTheSector) {
    const QString sector = AnalyserSector("10");
    SimulatorProcess sim({"--model", "10", "--image", sector, "--save", file("after.bin"),
                          "--fault", "late=1200,at=12,count=3"});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    const CliRun run = Run({"receive", "--port", sim.device(), "--model", "10", "--cable",
                            "--out-dir", file("out"), "--image", file("received.bin")});
    if (run.exitCode == 0) {
        EXPECT_EQ(Read(file("received.bin")), Read(sector));
    } else {
        EXPECT_TRUE(run.err.contains("did not agree")) << run.err.toStdString();
    }
}

TEST_F(TransferCli, DecodeAndEncodeWorkOnSectorFilesOffline) {
    const QString sector = AnalyserSector("19");
    const CliRun decoded =
        Run({"decode", "--model", "19", "--image", sector, "--out-dir", file("decoded")});
    ASSERT_EQ(decoded.exitCode, 0) << decoded.err.toStdString();
    const CliRun encoded =
        Run({"encode", "--model", "19", "--base", file("noise.bin"), "--out", file("again.bin"),
             "--cfg", file("decoded/configuration.cfg"), "--fue", file("decoded/fuels.fue"),
             "--hdr", file("decoded/header.hdr"), "--law", file("decoded/law.law"), "--srv",
             file("decoded/service.srv")});
    ASSERT_EQ(encoded.exitCode, 0) << encoded.err.toStdString();
    EXPECT_EQ(Read(file("again.bin")), Read(sector));
}

TEST_F(TransferCli, UsageErrorsExitWith2) {
    EXPECT_EQ(Run({"receive", "--port", "simulator"}).exitCode, 2);  // no --out-dir
    EXPECT_EQ(Run({"decode", "--image", "x.bin", "--out-dir", file("o")}).exitCode, 2);
    EXPECT_EQ(Run({"encode", "--model", "10", "--base", "x.bin"}).exitCode, 2);
    EXPECT_EQ(Run({"set-clock", "--port", "simulator", "--cfg", "a.cfg"}).exitCode, 2);
    EXPECT_EQ(Run({"send", "--port", "simulator", "--out-dir", file("o")}).exitCode, 2);
    const CliRun shortFile =
        Run({"decode", "--model", "10", "--image", file("Param.ini"), "--out-dir", file("o")});
    EXPECT_EQ(shortFile.exitCode, 1);
    EXPECT_TRUE(shortFile.err.contains("2048")) << shortFile.err.toStdString();
}

// The link option shared with the other link commands calls the cable the default, but a
// transfer without --infrared or --cable takes the model's own connection: the help says so.
TEST_F(TransferCli, HelpTellsThatTheModelChoosesTheConnection) {
    for (const char* command : {"receive", "send", "set-clock"}) {
        const CliRun help = Run({command, "--help"});
        EXPECT_EQ(help.exitCode, 0) << command;
        EXPECT_TRUE(help.out.contains("the connection the model uses")) << help.out.toStdString();
    }
}

}  // namespace
}  // namespace kilnward::transfer
