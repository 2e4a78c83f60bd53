// kilnward-cli request, run as a program, against the in-process simulated analyser and
// against kilnward-sim on a pseudo-terminal.

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "tests/support/CliRun.h"
#include "tests/support/QtApplicationEnvironment.h"
#include "tests/support/SimProcess.h"

namespace kilnward::e2e {
namespace {

// QProcess and the serial port watch their descriptors with notifiers.
const auto* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new test::QtApplicationEnvironment);

using test::CliRun;
using test::RunCli;

CliRun Request(const QString& port, const QStringList& more) {
    return RunCli(QStringList{"request", "--port", port, "--addr", "3", "--type", "12"} + more);
}

CliRun Simulated(const QStringList& more) {
    return Request("simulator", more);
}

TEST(CliRequestTest, PrintsResponseDataAsOneHexLine) {
    const CliRun status = Simulated({"--cmd", "5A03"});
    EXPECT_EQ(status.exitCode, 0) << status.err.toStdString();
    EXPECT_EQ(status.out, "00\n");
    EXPECT_EQ(status.err, "");

    const CliRun read = Simulated({"--cmd", "5c00", "--data", "01 00 00 00 00 05 00"});
    EXPECT_EQ(read.exitCode, 0);
    EXPECT_EQ(read.out, "00 00 00 00 00\n");

    const CliRun clock = Simulated({"--cmd", "5E00"});
    EXPECT_EQ(clock.exitCode, 0);
    EXPECT_TRUE(QRegularExpression("^([0-9A-F]{2} ){4}[0-9A-F]{2}\n$").match(clock.out).hasMatch())
        << clock.out.toStdString();
}

TEST(CliRequestTest, AckPrintsAnEmptyLineAndWritePrintsTheStatus) {
    const CliRun ack = Simulated({"--cmd", "DF02", "--data", "1"});
    EXPECT_EQ(ack.exitCode, 0);
    EXPECT_EQ(ack.out, "\n");
    const CliRun write = Simulated({"--cmd", "DF02", "--data", "01", "--write"});
    EXPECT_EQ(write.exitCode, 0);
    EXPECT_EQ(write.out, "00\n");
}

TEST(CliRequestTest, LinkFailuresPrintTheErrorLine) {
    const CliRun outside = Simulated({"--cmd", "DC00", "--data", "01 00 00 00 00 AA", "--write"});
    EXPECT_EQ(outside.exitCode, 1);
    EXPECT_EQ(outside.out, "");
    EXPECT_EQ(outside.err,
              "error 0x80040602: Unexpected command (0xDC00) on instrument addr : 0x03\n");

    const CliRun unknown = Simulated({"--cmd", "1234"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err,
              "error 0x80040401: Command 0x1234 not implemented on instrument addr : 0x03\n");

    const CliRun notWrite = Simulated({"--cmd", "5C00", "--write"});
    EXPECT_EQ(notWrite.exitCode, 1);
    EXPECT_TRUE(notWrite.err.startsWith("error 0x8004020A: ")) << notWrite.err.toStdString();

    const CliRun missing = Request("/nonexistent/tty", {"--cmd", "5A03"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(QRegularExpression("^error 0x[0-9A-F]{8}: .+\n$").match(missing.err).hasMatch())
        << missing.err.toStdString();
}

TEST(CliRequestTest, UsageErrorsExitWithTwo) {
    for (const QStringList& arguments :
         {QStringList{"request", "--addr", "3", "--type", "12", "--cmd", "5A03"},
          QStringList{"request", "--port", "simulator", "--cmd", "5A03"},
          QStringList{"request", "--port", "simulator", "--type", "12", "--cmd", "5A0"},
          QStringList{"request", "--port", "simulator", "--type", "12", "--cmd", "5A03", "--data",
                      "1G"},
          QStringList{"request", "--port", "simulator", "--type", "12", "--cmd", "5A03", "--addr",
                      "256"},
          QStringList{"request", "--port", "simulator", "--type", "12", "--cmd", "5A03",
                      "--infrared", "--cable"},
          QStringList{"request", "--port", "simulator", "--type", "12", "--cmd", "5A03", "--baud",
                      "fast"},
          QStringList{"request", "--port", "simulator", "--type", "12", "--cmd", "5A03", "--bogus"},
          QStringList{"request", "--port", "simulator", "--type", "12", "--cmd", "5A03", "extra"},
          QStringList{"request", "--port", "simulator", "--type", "12", "--cmd", "5A03"},
          QStringList{"no-such-command"}}) {
        const CliRun result = RunCli(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.contains("kilnward-cli")) << result.err.toStdString();
    }
    const CliRun help = RunCli({"request", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--busy-timeout"));
    // The usage names the command, not the path the program was started from.
    EXPECT_TRUE(help.out.startsWith("Usage:\nkilnward-cli request --port DEV"))
        << help.out.toStdString();
    // The help lists --help-all, so it must work too.
    const CliRun helpAll = RunCli({"request", "--help-all"});
    EXPECT_EQ(helpAll.exitCode, 0) << helpAll.err.toStdString();
    EXPECT_EQ(helpAll.out, help.out);
}

TEST(CliRequestTest, TalksToKilnwardSimOnAPseudoTerminal) {
    test::SimProcess sim(
        {"--model", "12", "--addr", "3", "--fault", "nak,at=1", "--fault", "nak,count=4,cmd=5E00"});
    ASSERT_TRUE(sim.error().isEmpty()) << sim.error().toStdString();
    const CliRun ok = Request(sim.device(), {"--cmd", "5C00", "--data", "01 00 00 00 00 02 00"});
    EXPECT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    EXPECT_EQ(ok.out, "00 00\n");

    const CliRun naks = Request(sim.device(), {"--cmd", "5E00"});
    EXPECT_EQ(naks.exitCode, 1);
    EXPECT_EQ(naks.err, "error 0x80040204: Checksum error from instrument addr : 0x03\n");

    const CliRun wrongType =
        RunCli({"request", "--port", sim.device(), "--addr", "3", "--type", "9", "--cmd", "5A03"});
    EXPECT_EQ(wrongType.exitCode, 1);
    EXPECT_EQ(wrongType.err,
              "error 0x80040400: Incorrect ID code (0x09) on instrument addr : 0x03\n");
}

}  // namespace
}  // namespace kilnward::e2e
