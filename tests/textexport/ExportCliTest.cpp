#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/support/BinFolder.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"

namespace {

using kilnward::test::BinFolder;
using kilnward::test::CliRun;

// kilnward-cli export on the shipped default documents, numbers in the C locale.
CliRun Export(const QStringList& arguments) {
    kilnward::test::RunOptions options;
    options.environment.insert("LC_ALL", "C");
    return kilnward::test::RunCli(
        QStringList{"export", "--program-dir", BinFolder(), "--model", "12"} + arguments, options);
}

// The whole listing of the default documents, byte for byte, in English and in German.
TEST(ExportCli, DefaultDocumentsListAsTheGoldenFiles) {
    QTemporaryDir dir;
    const struct {
        const char* language;
        const char* golden;
    } cases[] = {{"0", "config-english.txt"}, {"2", "config-deutsch.txt"}};
    for (const auto& c : cases) {
        const QString out = dir.filePath(c.golden);
        const CliRun run = Export({"--language", c.language, "--out", out});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QByteArray golden =
            kilnward::test::ReadBytes(QStringLiteral(KILNWARD_EXPORT_GOLDEN_DIR "/") + c.golden);
        ASSERT_FALSE(golden.isEmpty()) << c.golden;
        EXPECT_EQ(kilnward::test::ReadBytes(out), golden) << c.golden;
    }
}

TEST(ExportCli, SectionsChooseWhatIsListedAndUnknownNamesAreUsageErrors) {
    QTemporaryDir dir;
    const QString out = dir.filePath("Config.txt");
    const CliRun timers = Export({"--sections", "timers,service", "--out", out});
    ASSERT_EQ(timers.exitCode, 0) << timers.err.toStdString();
    const QList<QByteArray> lines = kilnward::test::ReadBytes(out).split('\n');
    ASSERT_EQ(lines.size(), 1 + 4 + 12 + 1);
    EXPECT_EQ(lines.at(1), "[Service]\r");
    EXPECT_EQ(lines.at(5), "[Timers]\r");

    const CliRun unknown = Export({"--sections", "timers,clocks", "--out", dir.filePath("x.txt")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("unknown section 'clocks'")) << unknown.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("x.txt")));
    EXPECT_EQ(Export({"--language", "99", "--out", dir.filePath("x.txt")}).exitCode, 2);
    EXPECT_EQ(Export({}).exitCode, 2);
}

}  // namespace
