#include <gtest/gtest.h>

#include <tuple>

#include "FormFixture.h"
#include "app/ConfigSettings.h"
#include "app/EnglishTranslator.h"
#include "app/VersionString.h"
#include "drivers/InstrumentDriver.h"
#include "form/CheckItem.h"
#include "form/TabStripItem.h"
#include "form/TreeItem.h"

namespace kilnward::form::testing {
namespace {

class ModelAdaptationTest : public FormFixture {
  protected:
    void SetUp() override {
        FormFixture::SetUp();
        load();
    }

    // Tries to open outer page `page` as the user would; true when it is showing after.
    bool openPage(int page) {
        TabStripItem& pages = form().tabStrip("SSTabconf");
        return pages.clickTab(page) && pages.currentTab() == page;
    }

    // Everything the adaptation decides, for comparing layouts.
    std::vector<std::tuple<QString, int, bool, bool, QString>> layout() {
        std::vector<std::tuple<QString, int, bool, bool, QString>> state;
        for (FormItem* item : form().items()) {
            QString extra;
            if (item->kind() == ItemKind::TabStrip) {
                auto* strip = static_cast<TabStripItem*>(item);
                for (int tab = 0; tab < strip->tabCount(); ++tab) {
                    extra += strip->tabAvailable(tab) ? '1' : '0';
                }
                extra += QString::number(strip->currentTab());
            } else if (item->kind() == ItemKind::List) {
                extra = static_cast<ListItem*>(item)->entries().join(',');
            }
            state.emplace_back(item->name(), item->index(), item->enabled(), item->visible(),
                               extra);
        }
        return state;
    }
};

TEST_F(ModelAdaptationTest, PressureListIsCutBackFromModel14To10) {
    chooseModel(14);
    const QStringList withSecondPascal = form().list("cbomeasunitpress").entries();
    EXPECT_EQ(withSecondPascal, QStringList({"hPa", "mbar", "mmH2O", "inH2O", "Pascal", "Pascal"}));
    form().list("cbomeasunitpress").setListIndex(5);
    chooseModel(10);
    EXPECT_EQ(form().list("cbomeasunitpress").entries(),
              QStringList({"hPa", "mbar", "mmH2O", "inH2O", "Pascal"}));
    // The unit stays "Pascal": the second one's place becomes the first one's.
    EXPECT_EQ(form().list("cbomeasunitpress").listIndex(), 4);
    chooseModel(15);
    form().list("cbomeasunitpress").setListIndex(2);
    chooseModel(12);
    EXPECT_EQ(form().list("cbomeasunitpress").text(), "mmH2O");
}

TEST_F(ModelAdaptationTest, GroupCAsksBeforeItsDefaultAndCancelKeepsTheModel) {
    chooseModel(11);
    services.clear();
    services.replaceAnswer = false;
    EXPECT_FALSE(window->selectModel(14));
    EXPECT_EQ(services.replaceQuestions, 1);
    EXPECT_TRUE(services.loads.empty());
    EXPECT_EQ(window->selectedInstrumentId(), 11);
    EXPECT_EQ(window->currentDriver()->Instrument_ID(), 11);
    EXPECT_EQ(app::ReadConfigValue(app::config::InstrumentIDselected), "11");
    EXPECT_TRUE(form().tabStrip("SSTabconf").tabAvailable(0));
    services.replaceAnswer = true;
    EXPECT_TRUE(window->selectModel(14));
    EXPECT_EQ(services.loads.size(), 1u);
    // Models without a default of their own replace nothing and ask nothing.
    services.clear();
    EXPECT_TRUE(window->selectModel(13));
    EXPECT_EQ(services.replaceQuestions, 0);
}

TEST_F(ModelAdaptationTest, AModelWithoutADriverIsNeverChosen) {
    chooseModel(12);
    EXPECT_FALSE(window->selectModel(17));
    EXPECT_EQ(window->selectedInstrumentId(), 12);
    EXPECT_EQ(window->currentDriver()->Instrument_ID(), 12);
    EXPECT_EQ(app::ReadConfigValue(app::config::InstrumentIDselected), "12");
    for (FormItem* entry : form().members("mnuinstrumentname")) {
        const auto& menu = *static_cast<MenuItem*>(entry);
        EXPECT_EQ(menu.checked(), ModelMenu::EntryModel(menu) == 12);
    }
}

TEST(ModelMenuStartTest, AModelTheMenuDoesNotOfferIsStillAdaptedToWhenGiven) {
    QTemporaryDir folder;
    app::ProgramFolder::set(folder.path());
    std::vector<app::InstrumentEntry> models = AllModels();
    models.erase(models.begin() + 3);  // 12
    app::EnglishTranslator translator;
    MainForm window(translator);
    window.loadWindow(models, 12);
    EXPECT_EQ(window.selectedInstrumentId(), 12);
    ASSERT_NE(window.currentDriver(), nullptr);
    for (FormItem* entry : window.form().members("mnuinstrumentname")) {
        EXPECT_FALSE(static_cast<MenuItem*>(entry)->checked());
    }
    EXPECT_TRUE(window.modelMenu().rechooseChecked());
    EXPECT_EQ(window.selectedInstrumentId(), 12);
    EXPECT_FALSE(window.form().tabStrip("SSTabconf").tabAvailable(4));
    app::ProgramFolder::reset();
}

TEST_F(ModelAdaptationTest, AlarmTreesFollowTheirBoxesAndTheCoCellListComesBack) {
    form().check("chkalmenabled", 1).setValue(CheckItem::kUnchecked);
    form().check("chkalmenabled", 2).setValue(CheckItem::kChecked);
    chooseModel(12);
    EXPECT_FALSE(form().tree("trvalmparam", 1).enabled());
    EXPECT_TRUE(form().tree("trvalmparam", 2).enabled());
    chooseModel(20);
    EXPECT_FALSE(form().item("cbocoexcl").enabled());
    // Group C keeps the trees out of use whatever the boxes say.
    form().check("chkalmenabled", 0).setValue(CheckItem::kChecked);
    EXPECT_FALSE(form().tree("trvalmparam", 0).enabled());
    EXPECT_TRUE(form().list("cboalmtype", 0).enabled());
    chooseModel(10);
    EXPECT_TRUE(form().item("cbocoexcl").enabled());
    EXPECT_TRUE(form().tree("trvalmparam", 0).enabled());
    chooseModel(14);
    chooseModel(13);
    EXPECT_TRUE(form().item("cbocoexcl").enabled());
}

// Groups A and D have the pages, shown but refused on a click; group B's page is disabled.
TEST_F(ModelAdaptationTest, GroupsAAndDRefuseAuxAndAnalogPagesWithAMessage) {
    for (std::uint8_t model : {9, 10, 11, 16, 19}) {
        chooseModel(model);
        ASSERT_TRUE(openPage(2));
        services.clear();
        EXPECT_FALSE(openPage(4)) << int(model);
        EXPECT_FALSE(form().item("fraconf", 2).visible()) << int(model);
        EXPECT_EQ(form().tabStrip("SSTabconf").currentTab(), 0) << int(model);
        EXPECT_EQ(services.errors, std::vector<QString>({"Item not available"})) << int(model);
        EXPECT_TRUE(form().item("fraconf", 0).visible());
        EXPECT_FALSE(form().item("fraconf", 4).visible());
        EXPECT_FALSE(openPage(3)) << int(model);
        EXPECT_TRUE(openPage(2)) << int(model);
    }
}

TEST_F(ModelAdaptationTest, GroupBHasNoAnalogOutputPage) {
    for (std::uint8_t model : {12, 13}) {
        chooseModel(model);
        services.clear();
        EXPECT_FALSE(form().tabStrip("SSTabconf").tabAvailable(4));
        EXPECT_FALSE(openPage(4));
        EXPECT_TRUE(services.errors.empty());
        EXPECT_TRUE(openPage(3));
        EXPECT_TRUE(openPage(8));
        EXPECT_TRUE(form().tabStrip("sstabalarms").tabAvailable(5));
        EXPECT_TRUE(form().item("TDBNumparTuboRisc", 4).visible());
        EXPECT_TRUE(form().item("cboTrhAux").visible());
        EXPECT_TRUE(form().item("TDBNumtimers", 9).visible());
        EXPECT_FALSE(form().item("TDBNumtimers", 2).visible());
    }
}

TEST_F(ModelAdaptationTest, GroupCHasNeitherPagesNorAlarmTrees) {
    for (std::uint8_t model : {14, 15, 20}) {
        chooseModel(model);
        for (int page : {0, 3, 4, 8}) {
            EXPECT_FALSE(form().tabStrip("SSTabconf").tabAvailable(page)) << page;
        }
        EXPECT_EQ(form().tabStrip("SSTabconf").currentTab(), 7);
        EXPECT_FALSE(window->parameterToolbarVisible());
        EXPECT_FALSE(form().item("cbocoexcl").enabled());
        EXPECT_FALSE(form().tree("trvalmparam", 3).enabled());
        EXPECT_FALSE(form().tabStrip("sstabalarms").tabAvailable(4));
    }
}

TEST_F(ModelAdaptationTest, GroupCLoadsItsDefaultAfterAppendingPascal) {
    chooseModel(15);
    ASSERT_EQ(services.loads.size(), 1u);
    EXPECT_TRUE(services.loads.front().endsWith("/520p.cfg"));
    EXPECT_EQ(services.pressureUnitsAtLoad, 6);
    chooseModel(11);
    EXPECT_EQ(services.loads.size(), 1u);
}

TEST_F(ModelAdaptationTest, Model9RefusesBarGraphsAndFifthAlarm) {
    chooseModel(9);
    services.clear();
    EXPECT_FALSE(openPage(8));
    EXPECT_EQ(services.errors.size(), 1u);
    TabStripItem& alarms = form().tabStrip("sstabalarms");
    EXPECT_FALSE(alarms.tabAvailable(4));
    EXPECT_FALSE(alarms.tabAvailable(5));
    alarms.selectTab(4);
    EXPECT_EQ(alarms.currentTab(), 0);
    EXPECT_EQ(services.errors.size(), 2u);
    EXPECT_FALSE(form().item("TDBNumtimers", 1).visible());
    EXPECT_TRUE(form().item("TDBNumtimers", 0).visible());
    EXPECT_FALSE(form().item("chkprtconf", 20).visible());
    EXPECT_FALSE(form().item("TDBNumCOthrs").visible());
}

TEST_F(ModelAdaptationTest, Model9LayoutDoesNotDependOnThePreviousModel) {
    chooseModel(12);
    chooseModel(9);
    const auto afterB = layout();
    chooseModel(14);
    chooseModel(9);
    const auto afterC = layout();
    chooseModel(10);
    chooseModel(9);
    EXPECT_EQ(layout(), afterB);
    EXPECT_EQ(layout(), afterC);
}

TEST_F(ModelAdaptationTest, ChoosingAModelChecksStoresAndCaptionsIt) {
    chooseModel(13);
    EXPECT_EQ(window->selectedInstrumentId(), 13);
    ASSERT_NE(window->currentDriver(), nullptr);
    EXPECT_EQ(window->currentDriver()->Instrument_ID(), 13);
    EXPECT_EQ(app::ReadConfigValue(app::config::InstrumentIDselected), "13");
    int checked = 0;
    for (FormItem* entry : form().members("mnuinstrumentname")) {
        checked += static_cast<MenuItem*>(entry)->checked() ? 1 : 0;
    }
    EXPECT_EQ(checked, 1);
    EXPECT_EQ(form().caption(), app::ApplicationTitle() + " | " + *app::DriverInstrumentName(13));
    chooseModel(19);
    EXPECT_TRUE(form().item("cboNations").visible());
    EXPECT_EQ(form().list("cboNations").listIndex(), 0);
    chooseModel(10);
    EXPECT_FALSE(form().item("cboNations").visible());
}

TEST_F(ModelAdaptationTest, FinishedShowsTheGeneralPageForGroupC) {
    chooseModel(20);
    form().tabStrip("SSTabconf").selectTab(1);
    window->finished();
    EXPECT_EQ(form().tabStrip("SSTabconf").currentTab(), 7);
    EXPECT_TRUE(form().item("fraconf", 7).visible());
    EXPECT_FALSE(form().item("fraconf", 6).visible());
    EXPECT_FALSE(form().item("fraconf", 1).visible());
}

TEST_F(ModelAdaptationTest, ToolbarFollowsPagesAndComesBackAfterMinimising) {
    chooseModel(12);
    EXPECT_TRUE(openPage(5));
    EXPECT_FALSE(window->parameterToolbarVisible());
    window->windowMinimised();
    window->windowRestored();
    EXPECT_FALSE(window->parameterToolbarVisible());
    EXPECT_TRUE(openPage(8));
    EXPECT_TRUE(window->parameterToolbarVisible());
    window->windowMinimised();
    EXPECT_FALSE(window->parameterToolbarVisible());
    window->windowRestored();
    EXPECT_TRUE(window->parameterToolbarVisible());
}

TEST_F(ModelAdaptationTest, InnerTabsShowOneFrameAtATime) {
    TabStripItem& fuels = form().tabStrip("SSTabfuels");
    EXPECT_TRUE(fuels.clickTab(3));
    for (int fuel = 0; fuel < 10; ++fuel) {
        EXPECT_EQ(form().item("frafuels", fuel).visible(), fuel == 3) << fuel;
    }
}

TEST(ModelMenuStartTest, StoredModelNotInTheMenuChoosesTheFirstEntry) {
    QTemporaryDir folder;
    app::ProgramFolder::set(folder.path());
    app::WriteConfigValue(app::config::InstrumentIDselected, "17");
    app::EnglishTranslator translator;
    MainForm window(translator);
    window.loadWindow(AllModels());
    EXPECT_TRUE(window.form().menu("mnuinstrumentname", 0).checked());
    EXPECT_EQ(window.selectedInstrumentId(), AllModels().front().Id);
    EXPECT_EQ(window.form().members("mnuinstrumentname").size(), AllModels().size());
    EXPECT_EQ(window.form().list("cbotctype").entries(), QStringList({"K"}));
    // A list with a design default starts on it, so no document stores -1 for it.
    EXPECT_EQ(window.form().list("cboNations").listIndex(), 0);
    EXPECT_EQ(window.form().list("cboauxinpdecnum", 1).listIndex(), 3);
    EXPECT_EQ(window.form().list("cbofuelformulatype", 6).listIndex(), 1);
    EXPECT_EQ(window.form().tree("trvprtcombparam", 0).nodeCount(), 20);
    EXPECT_EQ(window.form().tree("trvprtrefparam", 0).nodeCount(), 10);
    EXPECT_EQ(window.form().tree("trvpage", 5).nodeCount(), 6);
    EXPECT_EQ(window.form().tree("trvbargraphparam", 5).nodeCount(), 1);
    app::ProgramFolder::reset();
}

}  // namespace
}  // namespace kilnward::form::testing
