#include "form/ModelAdaptation.h"

#include <algorithm>

#include "app/Catalogue.h"
#include "app/ProgramFolder.h"
#include "app/VersionString.h"
#include "drivers/InstrumentDriver.h"
#include "form/FieldNames.h"
#include "form/Form.h"
#include "form/ListItem.h"
#include "form/MainForm.h"
#include "form/ModelGroup.h"
#include "form/TabStripItem.h"
#include "form/TreeItem.h"

namespace kilnward::form {

namespace {

constexpr int kPageCount = 10;
constexpr int kTimerCount = 11;
constexpr int kFuelCount = 10;
constexpr int kBasicPressureUnits = 5;
constexpr auto kModelDefaultFile = "520p.cfg";

}  // namespace

ModelAdaptation::ModelAdaptation(MainForm& window) : window_(window) {}

void ModelAdaptation::adapt(std::uint8_t model) {
    const ModelGroup* group = FindModelGroup(model);
    commonFirst(group);
    if (group) {
        applyGroup(*group, model);
    }
    commonLast();
}

void ModelAdaptation::commonFirst(const ModelGroup* group) {
    Form& form = window_.form();
    TabStripItem& pages = form.tabStrip(field::SSTabconf);
    for (int page = 0; page < kPageCount; ++page) {
        pages.setTabAvailable(page, true);
    }
    // Set before the model's default configuration loads, so its alarm boxes obey it too.
    window_.editRules().allowAlarmTrees(!group || group->alarmTreesEnabled);
    cutPressureUnits();
    for (const char* name :
         {field::cboTrhAux, field::lblTrhAux, field::cboNations, field::Label1}) {
        form.item(name).setVisible(false);
    }
}

void ModelAdaptation::cutPressureUnits() {
    ListItem& pressure = window_.form().list(field::cbomeasunitpress);
    // The unit chosen stays chosen when its entry goes: the second "Pascal" becomes the first.
    const QString unit = pressure.text();
    while (pressure.count() > kBasicPressureUnits) {
        pressure.removeEntry(pressure.count() - 1);
    }
    if (pressure.listIndex() == -1) {
        pressure.setListIndex(std::max(0, static_cast<int>(pressure.entries().indexOf(unit))));
    }
}

void ModelAdaptation::applyGroup(const ModelGroup& group, std::uint8_t model) {
    Form& form = window_.form();
    TabStripItem& pages = form.tabStrip(field::SSTabconf);
    if (group.leavesPage(pages.currentTab())) {
        pages.selectTab(0);
    }
    for (int page : group.unavailablePages) {
        pages.setTabAvailable(page, false);
    }
    TabStripItem& alarms = form.tabStrip(field::sstabalarms);
    if (group.lastAlarmsAvailable) {
        alarms.setTabAvailable(4, *group.lastAlarmsAvailable);
        alarms.setTabAvailable(5, *group.lastAlarmsAvailable);
    }
    if (!alarms.tabAvailable(alarms.currentTab())) {
        alarms.selectTab(0);
    }
    applyFieldVisibility(group, model);
    pages.selectTab(group.finalPage);
    form.item(field::cbocoexcl).setEnabled(group.coExclusionEnabled);
    if (group.secondPascal) {
        form.list(field::cbomeasunitpress).addEntry(QStringLiteral("Pascal"));
    }
    if (group.loadsModelDefault) {
        window_.loadModelConfiguration(app::ProgramFolder::dataFile(kModelDefaultFile));
    }
}

void ModelAdaptation::applyFieldVisibility(const ModelGroup& group, std::uint8_t model) {
    Form& form = window_.form();
    for (int timer = 1; timer < kTimerCount; ++timer) {
        const bool shown = (group.timersShown >> timer) & 1u;
        form.item(field::TDBNumtimers, timer).setVisible(shown);
        form.item(field::lblsec, timer).setVisible(shown);
    }
    for (int box = 18; box <= 23; ++box) {
        form.item(field::chkprtconf, box).setVisible(group.printerBoxes18to23Shown);
    }
    for (const char* name : {field::cbocoexcl, field::lblcoexclusion, field::TDBNumCOthrs,
                             field::TDBNumrefo2foroth, field::TDBNumpercno2_nox}) {
        form.item(name).setVisible(group.coGroupShown);
    }
    if (group.tubeTemperatureShown) {
        for (int fuel = 0; fuel < kFuelCount; ++fuel) {
            form.item(field::TDBNumparTuboRisc, fuel).setVisible(*group.tubeTemperatureShown);
        }
    }
    form.item(field::cboTrhAux).setVisible(group.trhAuxShown);
    form.item(field::lblTrhAux).setVisible(group.trhAuxShown);
    if (StoresCountry(model)) {
        form.item(field::cboNations).setVisible(true);
        form.item(field::Label1).setVisible(true);
        form.list(field::cboNations).setListIndex(0);
    }
}

void ModelAdaptation::commonLast() {
    const drivers::InstrumentDriver* driver = window_.currentDriver();
    window_.setUseInfrared(driver && driver->Use_Infrared());
    const QString model = driver ? app::InstrumentName(*driver) : QString();
    window_.form().setCaption(app::ApplicationTitle() + QStringLiteral(" | ") + model);
}

}  // namespace kilnward::form
