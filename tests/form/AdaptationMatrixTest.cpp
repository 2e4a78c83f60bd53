// Every model after every model: the window's layout for a model is what its group asks for,
// whatever model was chosen before it.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "FormFixture.h"
#include "app/ConfigSettings.h"
#include "app/VersionString.h"
#include "drivers/InstrumentDriver.h"
#include "form/ModelMenu.h"
#include "form/TabStripItem.h"

namespace kilnward::form::testing {
namespace {

// What a model group shows, written out from the window's layout table.
struct GroupLayout {
    std::vector<int> timersShown;  // of 0..10
    bool printerBoxes18to23;
    bool coGroup;
    bool coExclusionEnabled;
    bool tubeTemperature;
    bool trhAux;
    std::vector<int> unavailablePages;
    std::vector<int> refusedPages;
    bool alarms5and6;
    std::vector<int> refusedAlarmTabs;
    int pageShown;
    int pressureUnits;
};

const GroupLayout kGroupA = {
    {0, 4, 5, 6, 7, 8}, true, true, true, false, false, {}, {3, 4}, false, {}, 0, 5};
const GroupLayout kGroupB = {
    {0, 1, 4, 5, 6, 7, 8, 9, 10}, true, true, true, true, true, {4}, {}, true, {}, 0, 5};
const GroupLayout kGroupC = {{0, 4, 5, 6, 7, 8}, true, true,  false, false, false,
                             {0, 3, 4, 8},       {},   false, {},    7,     6};
const GroupLayout kGroupD = {{0}, false,     false, true, false, false,
                             {},  {3, 4, 8}, false, {4},  0,     5};

const GroupLayout& LayoutOf(std::uint8_t model) {
    switch (model) {
        case 12:
        case 13:
            return kGroupB;
        case 14:
        case 15:
        case 20:
            return kGroupC;
        case 9:
            return kGroupD;
        default:
            return kGroupA;
    }
}

bool Lists(const std::vector<int>& values, int value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

class AdaptationMatrixTest : public FormFixture {
  protected:
    void expectLayout(std::uint8_t model, const std::string& label) {
        const GroupLayout& expected = LayoutOf(model);
        for (int timer = 0; timer <= 10; ++timer) {
            const bool shown = Lists(expected.timersShown, timer);
            EXPECT_EQ(form().item("TDBNumtimers", timer).visible(), shown)
                << label << " t" << timer;
            EXPECT_EQ(form().item("lblsec", timer).visible(), shown) << label << " s" << timer;
        }
        for (int box = 17; box <= 24; ++box) {
            const bool shown = box == 17 || box == 24 || expected.printerBoxes18to23;
            EXPECT_EQ(form().item("chkprtconf", box).visible(), shown) << label << " box " << box;
        }
        for (const char* name : {"cbocoexcl", "lblcoexclusion", "TDBNumCOthrs", "TDBNumrefo2foroth",
                                 "TDBNumpercno2_nox"}) {
            EXPECT_EQ(form().item(name).visible(), expected.coGroup) << label << ' ' << name;
        }
        if (expected.coGroup) {
            EXPECT_EQ(form().item("cbocoexcl").enabled(), expected.coExclusionEnabled) << label;
        }
        for (int fuel = 0; fuel < 10; ++fuel) {
            EXPECT_EQ(form().item("TDBNumparTuboRisc", fuel).visible(), expected.tubeTemperature)
                << label << " fuel " << fuel;
        }
        EXPECT_EQ(form().item("cboTrhAux").visible(), expected.trhAux) << label;
        EXPECT_EQ(form().item("lblTrhAux").visible(), expected.trhAux) << label;
        EXPECT_EQ(form().item("cboNations").visible(), model == 19) << label;
        const TabStripItem& pages = form().tabStrip("SSTabconf");
        for (int page = 0; page < pages.tabCount(); ++page) {
            EXPECT_EQ(pages.tabAvailable(page), !Lists(expected.unavailablePages, page))
                << label << " page " << page;
            EXPECT_EQ(pages.tabRefused(page), Lists(expected.refusedPages, page))
                << label << " page " << page;
        }
        EXPECT_EQ(pages.currentTab(), expected.pageShown) << label;
        const TabStripItem& alarms = form().tabStrip("sstabalarms");
        for (int tab = 4; tab <= 5; ++tab) {
            EXPECT_EQ(alarms.tabAvailable(tab), expected.alarms5and6) << label << " alarm " << tab;
        }
        for (int tab = 0; tab < alarms.tabCount(); ++tab) {
            EXPECT_EQ(alarms.tabRefused(tab), Lists(expected.refusedAlarmTabs, tab))
                << label << " alarm tab " << tab;
        }
        EXPECT_EQ(form().list("cbomeasunitpress").count(), expected.pressureUnits) << label;
        EXPECT_EQ(form().caption(),
                  app::ApplicationTitle() + " | " + *app::DriverInstrumentName(model))
            << label;
        EXPECT_EQ(app::ReadConfigValue(app::config::InstrumentIDselected), QString::number(model))
            << label;
        int checked = 0;
        for (FormItem* entry : form().members("mnuinstrumentname")) {
            const auto& menu = *static_cast<MenuItem*>(entry);
            if (menu.checked()) {
                ++checked;
                EXPECT_EQ(ModelMenu::EntryModel(menu), model) << label;
            }
        }
        EXPECT_EQ(checked, 1) << label;
    }
};

TEST_F(AdaptationMatrixTest, EveryModelAfterEveryModel) {
    for (std::uint8_t previous : drivers::KnownModelIds()) {
        for (std::uint8_t model : drivers::KnownModelIds()) {
            window = std::make_unique<MainForm>(translator);
            window->setServices(&services);
            services.window = window.get();
            load();
            chooseModel(previous);
            // The previous model's pages and alarm tabs were in use.
            form().tabStrip("sstabalarms").selectTab(5);
            form().tabStrip("SSTabconf").selectTab(2);
            chooseModel(model);
            expectLayout(model,
                         "model " + std::to_string(model) + " after " + std::to_string(previous));
        }
    }
}

}  // namespace
}  // namespace kilnward::form::testing
