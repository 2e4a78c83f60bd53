#include "language/TranslationTable.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/support/FileBytes.h"

using kilnward::language::TranslationTable;

namespace {

using kilnward::test::ReadBytes;

QString WriteText(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    kilnward::test::WriteBytes(dir.filePath(name), bytes);
    return dir.filePath(name);
}

}  // namespace

TEST(TranslationTable, TsvRoundTripsThroughTheDatabase) {
    QTemporaryDir dir;
    const QByteArray source =
        "Name\tEnglish\tItaliano\n"
        "done\tDone.\tFatto.\n"
        "tip\tLine one\\r\\nLine two\\ttab \\\\ slash\t\n"
        "say \"hi\"\tHello\tCiao \xc3\xa8\n";
    const QString tsv = WriteText(dir, "in.tsv", source);
    TranslationTable table;
    QString error;
    ASSERT_TRUE(table.readTsv(tsv, &error)) << error.toStdString();
    EXPECT_EQ(table.rows[1].cells[0], "Line one\r\nLine two\ttab \\ slash");
    EXPECT_EQ(table.rows[1].cells[1], "");

    const QString db = dir.filePath("Language.mdb");
    ASSERT_TRUE(table.writeDatabase(db, &error)) << error.toStdString();
    TranslationTable back;
    ASSERT_TRUE(back.readDatabase(db, &error)) << error.toStdString();
    const QString out = dir.filePath("out.tsv");
    ASSERT_TRUE(back.writeTsv(out, &error));
    EXPECT_EQ(ReadBytes(out), source);
}

TEST(TranslationTable, RejectsMalformedSources) {
    QTemporaryDir dir;
    TranslationTable table;
    QString error;
    EXPECT_FALSE(table.readTsv(WriteText(dir, "a.tsv", "Key\tEnglish\n"), &error));
    EXPECT_FALSE(table.readTsv(WriteText(dir, "b.tsv", "Name\tEnglish\na\tb\tc\n"), &error));
    EXPECT_FALSE(table.readTsv(WriteText(dir, "c.tsv", "Name\tEnglish\na\tb\nA\tc\n"), &error));
    EXPECT_FALSE(table.readTsv(WriteText(dir, "d.tsv", "Name\tEnglish\tEnglish\n"), &error));
    EXPECT_FALSE(table.readTsv(WriteText(dir, "e.tsv", ""), &error));
    EXPECT_FALSE(table.readTsv(dir.filePath("missing.tsv"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(TranslationTable, TsvThatIsNotUtf8IsReadAsWindows1252OrRefusedWithTheLine) {
    QTemporaryDir dir;
    TranslationTable table;
    QString error;
    ASSERT_TRUE(table.readTsv(
        WriteText(dir, "cp.tsv", "Name\tEnglish\tFrancais\nsmoke\tSmoke\tFum\xe9\x80\n"), &error))
        << error.toStdString();
    EXPECT_EQ(table.rows[0].cells[1], QString::fromUtf8("Fum\u00e9\u20ac"));
    // 0x81 is neither UTF-8 here nor a character of Windows-1252.
    EXPECT_FALSE(table.readTsv(
        WriteText(dir, "bad.tsv", "Name\tEnglish\na\tb\nsmoke\tFum\xe9\x81\n"), &error));
    EXPECT_TRUE(error.contains(":3:")) << error.toStdString();
}

TEST(TranslationTable, FailedDatabaseWriteKeepsTheOldFile) {
    QTemporaryDir dir;
    TranslationTable good;
    good.languages = {"English"};
    good.rows = {{"done", {"Done."}}};
    const QString db = dir.filePath("Language.mdb");
    ASSERT_TRUE(good.writeDatabase(db, nullptr));
    const QByteArray before = ReadBytes(db);

    TranslationTable bad = good;
    bad.rows.push_back({"x", {"1"}});
    bad.languages = {"English", "English"};  // a repeated column cannot be created
    QString error;
    EXPECT_FALSE(bad.writeDatabase(db, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadBytes(db), before);
    EXPECT_FALSE(QFileInfo::exists(db + ".building"));
}

TEST(TranslationTable, ReadingAMissingDatabaseFailsWithoutCreatingIt) {
    QTemporaryDir dir;
    TranslationTable table;
    QString error;
    EXPECT_FALSE(table.readDatabase(dir.filePath("none.mdb"), &error));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none.mdb")));
}

TEST(TranslationTable, KeysAndLanguageNamesNeverBecomeSqlText) {
    QTemporaryDir dir;
    TranslationTable table;
    table.languages = {"English", "x\" TEXT); DROP TABLE \"Languages"};
    table.rows = {{"k' OR '1'='1", {"a", "b"}}, {"\"; DELETE FROM Languages; --", {"c", ""}}};
    QString error;
    ASSERT_TRUE(table.writeDatabase(dir.filePath("l.mdb"), &error)) << error.toStdString();
    TranslationTable back;
    ASSERT_TRUE(back.readDatabase(dir.filePath("l.mdb"), &error)) << error.toStdString();
    EXPECT_EQ(back.languages, table.languages);
    ASSERT_EQ(back.rows.size(), 2u);
    EXPECT_EQ(back.rows[0].key, table.rows[0].key);
    EXPECT_EQ(back.rows[1].key, table.rows[1].key);
    EXPECT_EQ(back.rows[1].cells[0], "c");
}
