#include "language/StartupLanguage.h"

#include "LanguageFixture.h"
#include "app/ConfigSettings.h"
#include "app/ProgramFolder.h"

using namespace kilnward;

class StartupLanguageTest : public LanguageFixture {
  protected:
    void SetUp() override { app::ProgramFolder::set(dir.path()); }
    void TearDown() override { app::ProgramFolder::reset(); }
};

TEST_F(StartupLanguageTest, NoChoiceYetShowsTheDialogUntilALanguageIsStored) {
    ASSERT_TRUE(manager.OpenLanguageDataBase(makeDatabase(ThreeLanguages()), false));
    app::WriteConfigValue(app::config::LanguageIndex, "-1");
    int shown = 0;
    language::ApplyStartupLanguage(manager, [&] {
        // The user closes the dialog twice without choosing, then picks language 2.
        if (++shown == 3) {
            app::WriteConfigValue(app::config::LanguageIndex, "2");
        }
    });
    EXPECT_EQ(shown, 3);
    EXPECT_EQ(manager.LanguageIndex(), 2);
    EXPECT_EQ(manager.TranslateString("done", "Done."), "Fertig.");
}

TEST_F(StartupLanguageTest, StoredLanguageIsSelectedWithoutAsking) {
    ASSERT_TRUE(manager.OpenLanguageDataBase(makeDatabase(ThreeLanguages()), false));
    int shown = 0;
    language::ApplyStartupLanguage(manager, [&] { ++shown; });
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(manager.LanguageIndex(), 0);  // no Config.ini: language 0
    app::WriteConfigValue(app::config::LanguageIndex, "9");
    language::ApplyStartupLanguage(manager, [&] { ++shown; });
    EXPECT_EQ(manager.LanguageIndex(), 0);
    EXPECT_EQ(shown, 0);
}

TEST_F(StartupLanguageTest, NoUsableManagerEndsTheLoopInEnglish) {
    app::WriteConfigValue(app::config::LanguageIndex, "-1");
    int shown = 0;
    language::ApplyStartupLanguage(manager, [&] { ++shown; });
    EXPECT_EQ(shown, 0);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0], "Language Manager not available.");
    EXPECT_EQ(manager.TranslateString("done", "Done."), "Done.");
}

TEST_F(StartupLanguageTest, OneLanguageOnlyCannotBeChosen) {
    Table english;
    english.languages = {"English"};
    english.rows = {{"done", {"Done."}}};
    ASSERT_TRUE(manager.OpenLanguageDataBase(makeDatabase(english), false));
    app::WriteConfigValue(app::config::LanguageIndex, "-1");
    int shown = 0;
    language::ApplyStartupLanguage(manager, [&] { ++shown; });
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(manager.LanguageIndex(), 0);
}
