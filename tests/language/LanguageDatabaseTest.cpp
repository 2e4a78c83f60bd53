#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "LanguageFixture.h"

using kilnward::app::PromptIcon;
using kilnward::app::ScriptedPrompts;

namespace {

void ExpectOneError(const ScriptedPrompts& prompts, const QString& text) {
    ASSERT_EQ(prompts.records().size(), 1u);
    EXPECT_EQ(prompts.records()[0].kind, ScriptedPrompts::Kind::Message);
    EXPECT_EQ(prompts.records()[0].text, text);
    EXPECT_EQ(prompts.records()[0].title, "Error message");
    EXPECT_EQ(prompts.records()[0].icon, PromptIcon::Exclamation);
}

}  // namespace

class BrokenDatabaseTest : public LanguageFixture {
  protected:
    // After a failed open: English texts, no language, refusals as the user sees them.
    void expectEnglishOnly() {
        EXPECT_EQ(manager.TranslateString("done", "Done. %1%", {"x"}), "Done. x");
        EXPECT_EQ(manager.LanguageCount(), 0);
        EXPECT_EQ(manager.Language(0), "");
        manager.SetLanguageIndex(1);
        EXPECT_EQ(manager.TranslateString("done", "Done."), "Done.");
        prompts.clear();
        EXPECT_FALSE(manager.CanChangeLanguage());
        ExpectOneError(prompts, "Language Manager not available.");
    }
};

TEST_F(BrokenDatabaseTest, MissingDatabaseIsReportedAndNotCreated) {
    const QString path = dir.filePath("Language.mdb");
    EXPECT_FALSE(manager.OpenLanguageDataBase(path, true));
    ExpectOneError(prompts, "Cannot find languages database.");
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(manager.DatabaseName(), "");
    expectEnglishOnly();
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(BrokenDatabaseTest, DamagedFileIsReported) {
    const QString path = dir.filePath("Language.mdb");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x5a'));
    file.close();
    EXPECT_FALSE(manager.OpenLanguageDataBase(path, false));
    ExpectOneError(prompts, "Cannot find languages database.");
    expectEnglishOnly();
}

TEST_F(BrokenDatabaseTest, DatabaseWithoutTheTableIsReported) {
    const QString path = dir.filePath("Language.mdb");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "tableless");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec("CREATE TABLE Other (Name TEXT, English TEXT)"));
        db.close();
    }
    QSqlDatabase::removeDatabase("tableless");
    EXPECT_FALSE(manager.OpenLanguageDataBase(path, false));
    ExpectOneError(prompts, "Error reading languages database.");
    expectEnglishOnly();
}

TEST_F(BrokenDatabaseTest, TableWithoutLanguageColumnsCannotChangeLanguage) {
    Table keysOnly;
    keysOnly.rows = {{"done", {}}};
    EXPECT_TRUE(manager.OpenLanguageDataBase(makeDatabase(keysOnly), false));
    ExpectOneError(prompts, "Cannot change language.");
    EXPECT_EQ(manager.TranslateString("done", "Done."), "Done.");
    EXPECT_EQ(manager.LanguageCount(), 0);
}

TEST_F(LanguageFixture, ReopeningAnotherDatabaseReplacesTheFirst) {
    const QString first = makeDatabase(ThreeLanguages(), "first.mdb");
    Table other;
    other.languages = {"English", "Francais"};
    other.rows = {{"done", {"Done.", "Terminé."}}};
    const QString second = makeDatabase(other, "second.mdb");
    ASSERT_TRUE(manager.OpenLanguageDataBase(first, false));
    manager.SetLanguageIndex(2);
    ASSERT_TRUE(manager.OpenLanguageDataBase(second, false));
    EXPECT_EQ(manager.LanguageIndex(), 0);
    EXPECT_EQ(manager.LanguageCount(), 2);
    manager.SetLanguageIndex(1);
    EXPECT_EQ(manager.TranslateString("done", "Done."), QString::fromUtf8("Termin\u00e9."));
    EXPECT_EQ(manager.DatabaseName(), second);
}

TEST_F(LanguageFixture, TwoManagersShareNothing) {
    const QString path = makeDatabase(ThreeLanguages());
    ScriptedPrompts otherPrompts;
    kilnward::language::LanguageManager other(otherPrompts);
    ASSERT_TRUE(manager.OpenLanguageDataBase(path, false));
    ASSERT_TRUE(other.OpenLanguageDataBase(path, false));
    manager.SetLanguageIndex(1);
    other.SetLanguageIndex(2);
    EXPECT_EQ(manager.TranslateString("done", ""), "Fatto.");
    EXPECT_EQ(other.TranslateString("done", ""), "Fertig.");
}
