// Importing a translation table never loses keys by accident: a cut or malformed file is
// refused naming its line, and keys are removed only when asked for.
#include "language/TranslationImport.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/support/FileBytes.h"

namespace kilnward::language {
namespace {

TranslationTable Table(const QStringList& languages,
                       const std::vector<TranslationTable::Row>& rows) {
    TranslationTable table;
    table.languages = languages;
    table.rows = rows;
    return table;
}

TEST(TranslationImport, CountsAddedChangedAndKeepsMissingKeysUnlessAsked) {
    const TranslationTable current = Table(
        {"English", "Italiano"},
        {{"done", {"Done.", "Fatto."}}, {"close", {"&Close", "&Chiudi"}}, {"gone", {"x", "y"}}});
    const TranslationTable incoming = Table(
        {"English", "Italiano"},
        {{"DONE", {"Done.", "Fatto."}}, {"close", {"&Close", "C&hiudi"}}, {"new", {"n", ""}}});

    ImportSummary summary;
    const TranslationTable kept = MergeImport(current, incoming, false, summary);
    EXPECT_EQ(summary.added, 1);
    EXPECT_EQ(summary.changed, 2);  // "DONE" changed its key's letter case
    EXPECT_EQ(summary.removed, 0);
    EXPECT_EQ(summary.kept, 1);
    ASSERT_EQ(kept.rows.size(), 4u);
    EXPECT_EQ(kept.rows[3].key, "gone");
    EXPECT_EQ(kept.rows[3].cells, std::vector<QString>({"x", "y"}));

    const TranslationTable removed = MergeImport(current, incoming, true, summary);
    EXPECT_EQ(summary.removed, 1);
    EXPECT_EQ(summary.kept, 0);
    EXPECT_EQ(removed.rows.size(), 3u);
}

TEST(TranslationImport, KeptRowsFollowTheIncomingLanguagesByName) {
    const TranslationTable current = Table({"English", "Italiano"}, {{"gone", {"gone", "andato"}}});
    const TranslationTable incoming = Table({"Italiano", "Deutsch"}, {});
    ImportSummary summary;
    const TranslationTable merged = MergeImport(current, incoming, false, summary);
    ASSERT_EQ(merged.rows.size(), 1u);
    EXPECT_EQ(merged.rows[0].cells, std::vector<QString>({"andato", ""}));
}

struct BadTsv {
    const char* name;
    QByteArray bytes;
    bool accepted;
    const char* error;  // a fragment of the refusal
};

std::vector<BadTsv> BadTsvCases() {
    const QByteArray header = "Name\tEnglish\tItaliano\n";
    QByteArray binary;
    for (int i = 0; i < 2048; ++i) {
        binary += static_cast<char>((i * 131) & 0xFF);
    }
    QByteArray utf16("\xFF\xFE", 2);
    for (const char c : header + "done\tDone.\tFatto.\n") {
        utf16 += c;
        utf16 += '\0';
    }
    return {
        {"Empty", "", false, "no header row"},
        {"Binary", binary, false, ":1: text that is neither UTF-8 nor Windows-1252"},
        {"Utf16", utf16, false, ":1: the header must begin with \"Name\""},
        {"Huge", header + QByteArray(17 << 20, 'x'), false, "larger than 16384 KiB"},
        {"CutMidLine", header + "done\tDone.\tFatto.\nclose\t&Clo", false,
         ":3: 2 cells where the header has 3"},
        {"TooManyCells", header + "done\ta\tb\tc\n", false, ":2: 4 cells where the header has 3"},
        {"RepeatedKeys", header + "done\ta\tb\nDone\tc\td\n", false, "repeated key"},
        {"LongCell", header + "done\t" + QByteArray(100000, 'a') + "\tb\n", true, ""},
    };
}

class BadTsvTest : public ::testing::TestWithParam<BadTsv> {};

TEST_P(BadTsvTest, HasItsExpectedOutcome) {
    const BadTsv& input = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("in.tsv");
    ASSERT_TRUE(test::WriteBytes(path, input.bytes));
    TranslationTable table;
    QString error;
    EXPECT_EQ(table.readTsv(path, &error), input.accepted) << error.toStdString();
    EXPECT_TRUE(error.contains(input.error)) << error.toStdString();
    if (!input.accepted) {
        EXPECT_TRUE(error.startsWith(path) || error.contains(path)) << error.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, BadTsvTest, ::testing::ValuesIn(BadTsvCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kilnward::language
