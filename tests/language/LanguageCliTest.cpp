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

TEST(LanguageCli, ImportOfACutTableChangesNothingAndRemovingKeysIsAskedFor) {
    QTemporaryDir dir;
    const QString db = dir.filePath("Language.mdb");
    ASSERT_TRUE(QFile::copy(BinaryPath("Language.mdb"), db));
    ASSERT_EQ(Cli({"export", "--db", db, "--out", dir.filePath("all.tsv")}).exitCode, 0);
    const QByteArray all = ReadBytes(dir.filePath("all.tsv"));
    const QList<QByteArray> lines = all.split('\n');
    const qsizetype keys = all.count('\n') - 1;

    // Cut in the middle of a line: refused, naming the line; the database is untouched.
    const QByteArray cut = all.left(all.indexOf('\n', all.size() / 2) + 8);
    kilnward::test::WriteBytes(dir.filePath("cut.tsv"), cut);
    const QByteArray before = ReadBytes(db);
    const CliRun refused = Cli({"import", dir.filePath("cut.tsv"), "--db", db});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("cut.tsv:%1:").arg(cut.count('\n') + 1)))
        << refused.err.toStdString();
    EXPECT_EQ(ReadBytes(db), before);

    // Cut at a line end: accepted, but the keys it lacks stay unless asked for.
    QByteArray head;
    for (int i = 0; i < 11; ++i) {
        head += lines[i] + '\n';
    }
    head.replace("\tDone.\t", "\tAll done.\t");
    kilnward::test::WriteBytes(dir.filePath("head.tsv"), head);
    const CliRun kept = Cli({"import", dir.filePath("head.tsv"), "--db", db});
    ASSERT_EQ(kept.exitCode, 0) << kept.err.toStdString();
    EXPECT_TRUE(kept.out.contains("imported 10 keys in 5 languages: 0 added, 1 changed, 0 removed"))
        << kept.out.toStdString();
    EXPECT_TRUE(kept.out.contains(QStringLiteral("kept %1 keys").arg(keys - 10)));
    ASSERT_EQ(Cli({"export", "--db", db, "--out", dir.filePath("after.tsv")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir.filePath("after.tsv")).count('\n'), keys + 1);

    const CliRun removed =
        Cli({"import", dir.filePath("head.tsv"), "--db", db, "--remove-missing"});
    ASSERT_EQ(removed.exitCode, 0) << removed.err.toStdString();
    EXPECT_TRUE(
        removed.out.contains(QStringLiteral("0 added, 0 changed, %1 removed").arg(keys - 10)))
        << removed.out.toStdString();
    EXPECT_TRUE(Cli({"--help"}).out.contains("--remove-missing"));
}

TEST(LanguageCli, ImportOfAFileLackingLanguagesKeepsThemInTheirColumns) {
    QTemporaryDir dir;
    const QString db = dir.filePath("Language.mdb");
    ASSERT_TRUE(QFile::copy(BinaryPath("Language.mdb"), db));
    ASSERT_EQ(Cli({"export", "--db", db, "--out", dir.filePath("all.tsv")}).exitCode, 0);
    const QByteArray all = ReadBytes(dir.filePath("all.tsv"));

    // German and English only, in another order, with one German text changed.
    QByteArray two;
    for (const QByteArray& line : all.split('\n')) {
        if (!line.isEmpty()) {
            const QList<QByteArray> cells = line.split('\t');
            two += cells[0] + '\t' + cells[3] + '\t' + cells[1] + '\n';
        }
    }
    ASSERT_TRUE(two.contains("\tFertig.\tDone.\n"));
    two.replace("\tFertig.\tDone.\n", "\tErledigt.\tDone.\n");
    kilnward::test::WriteBytes(dir.filePath("two.tsv"), two);

    const CliRun imported = Cli({"import", dir.filePath("two.tsv"), "--db", db});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.contains("0 added, 1 changed, 0 removed"))
        << imported.out.toStdString();
    EXPECT_TRUE(imported.out.contains("Deutsch: 0 texts added, 1 changed, 0 removed"))
        << imported.out.toStdString();
    EXPECT_TRUE(imported.out.contains(
        "Italiano (not in the file, kept): 0 texts added, 0 changed, 0 removed"))
        << imported.out.toStdString();

    // Every column where it was, every text but the one changed as it was.
    ASSERT_EQ(Cli({"export", "--db", db, "--out", dir.filePath("after.tsv")}).exitCode, 0);
    QByteArray expected = all;
    expected.replace("\tFertig.\t", "\tErledigt.\t");
    EXPECT_EQ(ReadBytes(dir.filePath("after.tsv")), expected);
}

TEST(LanguageCli, ImportIntoALinkedDatabaseWritesItsTargetAndKeepsTheMode) {
    QTemporaryDir dir;
    const QString real = dir.filePath("real.mdb");
    ASSERT_TRUE(QFile::copy(BinaryPath("Language.mdb"), real));
    ASSERT_TRUE(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    const QString link = dir.filePath("Language.mdb");
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_EQ(Cli({"export", "--db", link, "--out", dir.filePath("all.tsv")}).exitCode, 0);
    QByteArray table = ReadBytes(dir.filePath("all.tsv"));
    table.replace("\tDone.\t", "\tAll done.\t");
    kilnward::test::WriteBytes(dir.filePath("changed.tsv"), table);

    const CliRun imported = Cli({"import", dir.filePath("changed.tsv"), "--db", link});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QFileInfo(real).permissions() & 0x7077,
              (QFile::ReadOwner | QFile::WriteOwner) & 0x7077);
    ASSERT_EQ(Cli({"export", "--db", real, "--out", dir.filePath("after.tsv")}).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir.filePath("after.tsv")), table);
}
