// Notices found while the program starts speak the language the window uses; without one
// (the command line) they stay English.

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "app/ConfigSettings.h"
#include "app/Notices.h"
#include "app/ProgramFolder.h"

using namespace kilnward::app;

namespace {

class NoticeLanguageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ProgramFolder::set(dir.folder());
        SetNoticeSink([this](const QString& text) { told.push_back(text); });
        dir.write("Config.ini", "[General]\nInstrumentIDselected=Harrier\n");
    }
    void TearDown() override {
        SetNoticeSink({});
        SetNoticeTranslator({});
        ProgramFolder::reset();
    }
    TempFolder dir;
    std::vector<QString> told;
};

TEST_F(NoticeLanguageTest, ANoticeIsToldInTheLanguageOfTheMoment) {
    SetNoticeTranslator([](const QString& key, const QString& english, const QStringList& args) {
        return key == QStringLiteral("noticenomodel")
                   ? QStringLiteral("%1 ist keine Modellnummer; Modell %2 wird verwendet")
                         .arg(args.value(3), args.value(4))
                   : english;
    });
    EXPECT_EQ(ReadSelectedInstrumentIdSetting(), 10);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], QStringLiteral("Harrier ist keine Modellnummer; Modell 10 wird verwendet"));
}

TEST_F(NoticeLanguageTest, WithoutATranslatorANoticeIsEnglish) {
    EXPECT_EQ(ReadSelectedInstrumentIdSetting(), 10);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].endsWith(QStringLiteral(
        "[General] InstrumentIDselected=\"Harrier\" is not a model number; model 10 is used")))
        << told[0].toStdString();
}

}  // namespace
