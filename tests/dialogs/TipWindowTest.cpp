// The tip of the day: the tips file of the language, cycling through its lines, the text
// shown when the file is missing, and the choice of showing it at start-up.

#include <QCheckBox>
#include <QFile>

#include "app/ConfigSettings.h"
#include "dialogs/frmTip.h"
#include "tests/dialogs/DialogsFixture.h"

namespace kilnward::dialogs {
namespace {

class TipWindowTest : public testing::DialogsTest {
  protected:
    void writeTips(const QString& name, const QByteArray& content) {
        QFile tips(file(name));
        ASSERT_TRUE(tips.open(QIODevice::WriteOnly));
        tips.write(content);
    }
};

TEST_F(TipWindowTest, ThreeTipsShowTheFirstThenCycleInFileOrder) {
    writeTips("TIPENG.TXT", "first tip\r\nsecond tip\r\nthird tip\r\n");
    frmTip tip(languages());
    tip.load();
    EXPECT_EQ(tip.tipText(), "first tip");
    tip.cmdNextTip_Click();
    EXPECT_EQ(tip.tipText(), "second tip");
    tip.cmdNextTip_Click();
    EXPECT_EQ(tip.tipText(), "third tip");
    tip.cmdNextTip_Click();
    EXPECT_EQ(tip.tipText(), "first tip");
}

TEST_F(TipWindowTest, TheLanguageNamesItsOwnTipsFile) {
    useLanguage(testing::kGerman);
    writeTips("TIPDEU.TXT", "erster Tipp\nzweiter Tipp");
    frmTip tip(languages());
    tip.load();
    EXPECT_EQ(tip.tipText(), "erster Tipp");
    tip.cmdNextTip_Click();
    EXPECT_EQ(tip.tipText(), "zweiter Tipp");
}

TEST_F(TipWindowTest, AMissingTipsFileIsExplainedWithItsName) {
    ASSERT_TRUE(QFile::remove(file("TIPENG.TXT")));
    frmTip tip(languages());
    tip.load();
    EXPECT_TRUE(tip.tipText().startsWith("That the TIPENG.TXT file was not found?"));
    EXPECT_TRUE(tip.tipText().contains("Create a text file named TIPENG.TXT"));
    EXPECT_FALSE(tip.LoadTips(QString()));
}

TEST_F(TipWindowTest, UntickingStoresThatTipsAreNotShownAtStartup) {
    frmTip tip(languages());
    tip.load();
    auto* box = tip.findChild<QCheckBox*>("frmTip!chkLoadTipsAtStartup");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isChecked());
    box->click();
    EXPECT_EQ(readConfig("General", "ShowTips"), "0");
    EXPECT_FALSE(app::ReadShowTipsSetting());
    box->click();
    EXPECT_EQ(readConfig("General", "ShowTips"), "1");
}

}  // namespace
}  // namespace kilnward::dialogs
