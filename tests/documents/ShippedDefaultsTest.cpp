#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "SessionFixture.h"
#include "form/ListItem.h"
#include "form/NumericItem.h"
#include "form/TextItem.h"
#include "tests/support/BinFolder.h"
#include "tests/support/FileBytes.h"

namespace kilnward::documents::testing {
namespace {

using test::BinFolder;

// The main window started from the shipped program folder.
class ShippedDefaultsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app::ProgramFolder::set(BinFolder());
        session = std::make_unique<MainWindowSession>(prompts, translator);
        session->window().modelMenu().setStoresChoice(false);
        session->load(AllModels());
    }
    void TearDown() override {
        session.reset();
        app::ProgramFolder::reset();
    }

    QTemporaryDir program;
    QTemporaryDir out;
    app::ScriptedPrompts prompts;
    app::EnglishTranslator translator;
    std::unique_ptr<MainWindowSession> session;
};

TEST_F(ShippedDefaultsTest, DefaultFilesHoldEveryKeyInTheWindowsOrder) {
    const char* files[] = {"Default.cf1", "Default.fu1", "Default.hd1", "Default.la1",
                           "Default.sr1"};
    for (int d = 0; d < Documents::count(); ++d) {
        const QString shipped = app::ProgramFolder::dataFile(files[d]);
        ASSERT_TRUE(session->files().LoadDocument(shipped, d, false)) << files[d];
        session->documents().setFileName(d, out.filePath(files[d]));
        ASSERT_TRUE(session->files().SaveDocument(d));
        EXPECT_EQ(test::ReadBytes(out.filePath(files[d])), test::ReadBytes(shipped)) << files[d];
    }
    EXPECT_TRUE(prompts.messages().empty());
}

TEST_F(ShippedDefaultsTest, StartUpLoadsTheDefaults) {
    form::Form& form = session->window().form();
    EXPECT_EQ(form.numeric("TDBNummaxfuels").value(), 9.0);
    EXPECT_EQ(form.text("txtfuelname", 0).text(), "Natural gas");
    EXPECT_EQ(form.text("txtfuelname", 3).text(), "Light oil");
    EXPECT_EQ(form.numeric("TDBNumparco2max", 1).value(), 13.7);
    EXPECT_EQ(form.list("cbofuelformulatype", 8).text(), "UNI 10389");
    EXPECT_FALSE(form.numeric("TDBNumparknet", 8).enabled());
    EXPECT_FALSE(form.text("txtfuelname", 9).enabled());
    EXPECT_EQ(form.text("txtheaderline", 1).text(), "Thermo Service");
    EXPECT_TRUE(form.text("txtheaderline", 1).enabled());
    EXPECT_FALSE(form.text("txtlawline", 8).enabled());
    for (int d = 0; d < Documents::count(); ++d) {
        EXPECT_TRUE(session->documents()[d].FileName().isEmpty());
        EXPECT_FALSE(session->documents()[d].Dirty());
    }
}

TEST_F(ShippedDefaultsTest, ModelDefaultConfigurationIsLoadedForThe520Plus) {
    ASSERT_TRUE(session->window().selectModel(14));
    EXPECT_TRUE(prompts.messages().empty());
    form::Form& form = session->window().form();
    EXPECT_EQ(form.list("cboptprobe").listIndex(), 1);
    EXPECT_EQ(form.numeric("TDBNumtimers", 0).value(), 60.0);
    const QString shipped = app::ProgramFolder::dataFile("520p.cfg");
    session->documents().setFileName(kConfigurationDocument, out.filePath("520p.cfg"));
    ASSERT_TRUE(session->files().SaveDocument(kConfigurationDocument));
    EXPECT_EQ(test::ReadBytes(out.filePath("520p.cfg")), test::ReadBytes(shipped));
}

}  // namespace
}  // namespace kilnward::documents::testing
