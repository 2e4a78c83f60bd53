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

TEST(TranslationImport, LanguagesTheFileLacksAreKeptInTheirColumns) {
    const TranslationTable current =
        Table({"English", "Italiano", "Deutsch"},
              {{"done", {"Done.", "Fatto.", "Fertig."}}, {"gone", {"gone", "andato", "weg"}}});
    // Another column order, one language missing and one the database lacks.
    const TranslationTable incoming =
        Table({"deutsch", "English", "Dansk"},
              {{"done", {"Erledigt.", "Done.", "Færdig."}}, {"new", {"Neu", "New", ""}}});
    ImportSummary summary;
    const TranslationTable merged = MergeImport(current, incoming, false, summary);

    // A stored language index keeps selecting the same language.
    EXPECT_EQ(merged.languages, QStringList({"English", "Italiano", "Deutsch", "Dansk"}));
    ASSERT_EQ(merged.rows.size(), 3u);
    EXPECT_EQ(merged.rows[0].cells,
              std::vector<QString>({"Done.", "Fatto.", "Erledigt.", "Færdig."}));
    EXPECT_EQ(merged.rows[1].cells, std::vector<QString>({"New", "", "Neu", ""}));
    EXPECT_EQ(merged.rows[2].cells, std::vector<QString>({"gone", "andato", "weg", ""}));
}

TEST(TranslationImport, CountsPerLanguageWhatWasAddedChangedAndRemoved) {
    const TranslationTable current =
        Table({"English", "Italiano", "Deutsch"}, {{"done", {"Done.", "Fatto.", "Fertig."}},
                                                   {"close", {"Close", "Chiudi", ""}},
                                                   {"gone", {"gone", "andato", "weg"}}});
    const TranslationTable incoming =
        Table({"English", "Deutsch", "Dansk"}, {{"done", {"Done.", "", "Færdig."}},
                                                {"close", {"Close", "Schließen", "Luk"}},
                                                {"new", {"New", "Neu", ""}}});
    struct Expected {
        QString language;
        bool inFile;
        bool isNew;
        int added, changed, removed;
    };
    const auto check = [](const ImportSummary& summary, const std::vector<Expected>& expected) {
        ASSERT_EQ(summary.languages.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const LanguageSummary& got = summary.languages[i];
            const Expected& want = expected[i];
            EXPECT_EQ(got.language, want.language);
            EXPECT_EQ(got.inFile, want.inFile) << want.language.toStdString();
            EXPECT_EQ(got.isNew, want.isNew) << want.language.toStdString();
            EXPECT_EQ(got.added, want.added) << want.language.toStdString();
            EXPECT_EQ(got.changed, want.changed) << want.language.toStdString();
            EXPECT_EQ(got.removed, want.removed) << want.language.toStdString();
        }
    };
    ImportSummary summary;
    MergeImport(current, incoming, false, summary);
    check(summary, {{"English", true, false, 1, 0, 0},
                    {"Italiano", false, false, 0, 0, 0},
                    {"Deutsch", true, false, 2, 0, 1},
                    {"Dansk", true, true, 2, 0, 0}});
    EXPECT_EQ(summary.added, 1);
    EXPECT_EQ(summary.changed, 2);

    // Removing the missing key takes its texts in every language, those of the file or not.
    MergeImport(current, incoming, true, summary);
    check(summary, {{"English", true, false, 1, 0, 1},
                    {"Italiano", false, false, 0, 0, 1},
                    {"Deutsch", true, false, 2, 0, 2},
                    {"Dansk", true, true, 2, 0, 0}});

    // Into an empty database every language and text is new.
    MergeImport(TranslationTable(), incoming, false, summary);
    check(summary, {{"English", true, true, 3, 0, 0},
                    {"Deutsch", true, true, 2, 0, 0},
                    {"Dansk", true, true, 2, 0, 0}});
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
