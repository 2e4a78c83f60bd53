// What every command-line program answers to --help and --version.

#include <gtest/gtest.h>

#include "app/VersionString.h"
#include "tests/support/CliRun.h"
#include "tests/support/QtApplicationEnvironment.h"

namespace kilnward::test {
namespace {

const auto* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

TEST(ProgramInfo, VersionAndHelpGoToStdoutAndExit0) {
    for (const QString program : {"kilnward-cli", "kilnward-sim"}) {
        const CliRun version = RunProgram(program, {"--version"});
        EXPECT_EQ(version.exitCode, 0) << program.toStdString();
        EXPECT_EQ(version.out, program + " " + app::VersionString() + "\n");
        EXPECT_EQ(version.err, "");
        const CliRun help = RunProgram(program, {"--help"});
        EXPECT_EQ(help.exitCode, 0) << program.toStdString();
        EXPECT_TRUE(help.out.contains("--version")) << help.out.toStdString();
        EXPECT_EQ(help.err, "");
    }
}

TEST(ProgramInfo, TheWindowProgramAnswersWithoutADisplay) {
    const CliRun version = RunProgram("Kilnward", {"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "Kilnward " + app::VersionString() + "\n");
    const CliRun help = RunProgram("Kilnward", {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("create") && help.out.contains("debug"))
        << help.out.toStdString();
}

TEST(ProgramInfo, AnUnknownOptionIsAUsageErrorOnStderr) {
    for (const QString program : {"kilnward-cli", "kilnward-sim"}) {
        const CliRun run = RunProgram(program, {"--no-such-option"});
        EXPECT_EQ(run.exitCode, 2) << program.toStdString();
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(run.err.isEmpty());
    }
}

}  // namespace
}  // namespace kilnward::test
