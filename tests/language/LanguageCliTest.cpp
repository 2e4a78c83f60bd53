#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/support/BinFolder.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"

namespace {

using kilnward::test::BinaryPath;
using kilnward::test::CliRun;
using kilnward::test::ReadBytes;

CliRun Cli(const QStringList& arguments) {
    return kilnward::test::RunCli(QStringList{"language"} + arguments);
}

}  // namespace

TEST(LanguageCli, ExportImportRoundTripOfTheShippedDatabase) {
    QTemporaryDir dir;
    const QString shipped = BinaryPath("Language.mdb");
    const CliRun exported = Cli({"export", "--db", shipped, "--out", dir.filePath("a.tsv")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_TRUE(exported.out.contains("in 5 languages"));

    const CliRun imported = Cli({"import", dir.filePath("a.tsv"), "--db", dir.filePath("b.mdb")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    ASSERT_EQ(
        Cli({"export", "--db", dir.filePath("b.mdb"), "--out", dir.filePath("b.tsv")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir.filePath("a.tsv")), ReadBytes(dir.filePath("b.tsv")));
    EXPECT_GT(ReadBytes(dir.filePath("a.tsv")).count('\n'), 70);
}

TEST(LanguageCli, FailuresAndUsage) {
    QTemporaryDir dir;
    const CliRun missing =
        Cli({"export", "--db", dir.filePath("none.mdb"), "--out", dir.filePath("x.tsv")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.err.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none.mdb")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("x.tsv")));

    QFile bad(dir.filePath("bad.tsv"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("Key\tEnglish\n");
    bad.close();
    EXPECT_EQ(Cli({"import", dir.filePath("bad.tsv"), "--db", dir.filePath("c.mdb")}).exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("c.mdb")));

    EXPECT_EQ(Cli({}).exitCode, 2);
    EXPECT_EQ(Cli({"export"}).exitCode, 2);
    EXPECT_EQ(Cli({"import"}).exitCode, 2);
    EXPECT_EQ(Cli({"rename", "x"}).exitCode, 2);
    EXPECT_EQ(Cli({"--help"}).exitCode, 0);
}
