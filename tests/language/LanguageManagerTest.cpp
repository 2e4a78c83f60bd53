#include <QFileInfo>

#include "LanguageFixture.h"

using kilnward::app::PromptIcon;

TEST_F(LanguageFixture, ThreeLanguagesAreListedByColumn) {
    ASSERT_TRUE(manager.OpenLanguageDataBase(makeDatabase(ThreeLanguages()), false));
    EXPECT_TRUE(prompts.records().empty());
    EXPECT_EQ(manager.LanguageCount(), 3);
    EXPECT_EQ(manager.Language(0), "English");
    EXPECT_EQ(manager.Language(2), "Deutsch");
    EXPECT_EQ(manager.Language(3), "");
    EXPECT_EQ(manager.Language(-1), "");
    EXPECT_EQ(manager.DatabaseName(), dir.filePath("Language.mdb"));
    EXPECT_TRUE(manager.CanChangeLanguage());
}

TEST_F(LanguageFixture, SelectingALanguageTranslatesAndOutOfRangeFallsBackToZero) {
    ASSERT_TRUE(manager.OpenLanguageDataBase(makeDatabase(ThreeLanguages()), false));
    EXPECT_EQ(manager.TranslateString("done", "Done."), "Done.");
    manager.SetLanguageIndex(1);
    EXPECT_EQ(manager.LanguageIndex(), 1);
    EXPECT_EQ(manager.TranslateString("done", "Done."), "Fatto.");
    EXPECT_EQ(manager.TranslateString("DONE", "Done."), "Fatto.");  // keys ignore case
    manager.SetLanguageIndex(7);
    EXPECT_EQ(manager.LanguageIndex(), 0);
    EXPECT_EQ(manager.TranslateString("done", "x"), "Done.");
    manager.SetLanguageIndex(-1);
    EXPECT_EQ(manager.LanguageIndex(), 0);
    EXPECT_EQ(manager.TranslateString("done", "x"), "Done.");
    EXPECT_TRUE(prompts.records().empty());
}

TEST_F(LanguageFixture, MissingKeyNullCellAndPlaceholders) {
    ASSERT_TRUE(manager.OpenLanguageDataBase(makeDatabase(ThreeLanguages()), false));
    EXPECT_EQ(manager.TranslateString("nokey", "%1% or %1%", {"A"}), "A or A");
    manager.SetLanguageIndex(1);
    EXPECT_EQ(manager.TranslateString("about", "About %1%", {"Kilnward"}),
              "Informazioni su Kilnward");
    manager.SetLanguageIndex(2);  // the German cell is empty: the default is used
    EXPECT_EQ(manager.TranslateString("about", "About %1%", {"Kilnward"}), "About Kilnward");
}

TEST_F(LanguageFixture, KeyHoldingDoubleQuotesIsFound) {
    ASSERT_TRUE(manager.OpenLanguageDataBase(makeDatabase(ThreeLanguages()), false));
    manager.SetLanguageIndex(2);
    EXPECT_EQ(manager.TranslateString("say \"hi\"", "Hello"), "Hallo");
    EXPECT_EQ(manager.TranslateString("x\" OR \"1\"=\"1", "safe"), "safe");
}

TEST_F(LanguageFixture, LearningModeAddsEachMissingKeyOnce) {
    const QString path = makeDatabase(ThreeLanguages());
    ASSERT_TRUE(manager.OpenLanguageDataBase(path, true));
    EXPECT_TRUE(manager.LearningMode());
    manager.SetLanguageIndex(1);
    EXPECT_EQ(manager.TranslateString("newkey", "New %1%", {"text"}), "New text");
    EXPECT_EQ(manager.TranslateString("newkey", "New %1%", {"text"}), "New text");
    EXPECT_EQ(manager.TranslateString("done", "Done."), "Fatto.");
    EXPECT_EQ(rowCount(path), 5);

    Table stored;
    ASSERT_TRUE(stored.readDatabase(path, nullptr));
    EXPECT_EQ(stored.rows.back().key, "newkey");
    EXPECT_EQ(stored.rows.back().cells, (std::vector<QString>{"New %1%", "", ""}));
}

TEST_F(LanguageFixture, WithoutLearningModeNothingIsAdded) {
    const QString path = makeDatabase(ThreeLanguages());
    ASSERT_TRUE(manager.OpenLanguageDataBase(path, false));
    manager.TranslateString("newkey", "New");
    EXPECT_EQ(rowCount(path), 4);
}

TEST_F(LanguageFixture, LanguageNamesNeedNotBePlainIdentifiers) {
    Table table;
    table.languages = {"English", "Deutsch (Schweiz)", "Odd \"Name\""};
    table.rows = {{"done", {"Done.", "Fertig.", "Odd"}}};
    ASSERT_TRUE(manager.OpenLanguageDataBase(makeDatabase(table), false));
    manager.SetLanguageIndex(1);
    EXPECT_EQ(manager.TranslateString("done", ""), "Fertig.");
    manager.SetLanguageIndex(2);
    EXPECT_EQ(manager.TranslateString("done", ""), "Odd");
    EXPECT_EQ(manager.Language(2), "Odd \"Name\"");
    EXPECT_TRUE(prompts.records().empty());
}
