#include "language/LangMan.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/ScriptedPrompts.h"
#include "language/LanguageManager.h"
#include "language/TranslationTable.h"

using namespace kilnward;

namespace {

// Lives until the program ends, like the prompts the real start-up hands over.
app::ScriptedPrompts& ProgramPrompts() {
    static app::ScriptedPrompts prompts;
    return prompts;
}

}  // namespace

TEST(LangMan, EnglishBeforeStartUpThenTheOpenedDatabase) {
    EXPECT_EQ(language::LangMan().TranslateString("done", "Done. %1%", {"x"}), "Done. x");
    EXPECT_FALSE(language::LangMan().IsAvailable());

    QTemporaryDir dir;
    language::TranslationTable table;
    table.languages = {"English", "Italiano"};
    table.rows = {{"done", {"Done.", "Fatto."}}};
    ASSERT_TRUE(table.writeDatabase(dir.filePath("Language.mdb"), nullptr));

    language::LanguageManager& manager = language::InitLangMan(ProgramPrompts());
    EXPECT_EQ(&manager, &language::LangMan());
    ASSERT_TRUE(manager.OpenLanguageDataBase(dir.filePath("Language.mdb"), false));
    manager.SetLanguageIndex(1);
    EXPECT_EQ(language::LangMan().TranslateString("done", "Done."), "Fatto.");

    language::ReleaseLangMan();
    EXPECT_FALSE(language::LangMan().IsAvailable());
    EXPECT_EQ(language::LangMan().TranslateString("done", "Done."), "Done.");
}
