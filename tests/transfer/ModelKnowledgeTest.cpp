// Every model the model table knows is known everywhere a model matters: its driver, its
// group (the window's layout and rules) and its sector traits; and the tables that name a
// model name only models of the table. A model added to one table and not the others fails
// here instead of falling through to some default at run time.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "drivers/CreateDriver.h"
#include "drivers/ModelRow.h"
#include "form/ModelGroup.h"
#include "transfer/SectorTraits.h"

namespace kilnward::transfer {
namespace {

// The outer page of the analog outputs.
constexpr int kAnalogOutputsPage = 4;

bool Known(std::uint8_t model) {
    const std::vector<std::uint8_t> ids = drivers::KnownModelIds();
    return std::find(ids.begin(), ids.end(), model) != ids.end();
}

TEST(ModelKnowledge, EveryModelOfTheTableHasItsDriverGroupAndSectorTraits) {
    ASSERT_FALSE(drivers::KnownModelIds().empty());
    for (std::uint8_t model : drivers::KnownModelIds()) {
        SCOPED_TRACE(static_cast<int>(model));
        const auto driver = drivers::CreateDriver(model);
        ASSERT_NE(driver, nullptr);
        EXPECT_EQ(driver->Instrument_ID(), model);
        const form::ModelGroup* group = form::FindModelGroup(model);
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(std::count(group->models.begin(), group->models.end(), model), 1);
        const SectorTraits* traits = FindSectorTraits(model);
        ASSERT_NE(traits, nullptr);
        EXPECT_EQ(traits->model, model);
        EXPECT_EQ(&SectorTraitsOf(model), traits);
    }
}

TEST(ModelKnowledge, NoTableNamesACodeTheModelTableLacks) {
    for (int code = 0; code < 256; ++code) {
        const auto model = static_cast<std::uint8_t>(code);
        if (Known(model)) {
            continue;
        }
        SCOPED_TRACE(code);
        EXPECT_EQ(form::FindModelGroup(model), nullptr);
        EXPECT_EQ(FindSectorTraits(model), nullptr);
        EXPECT_FALSE(form::StoresCountry(model));
        // A code without a model walks the common layout.
        const SectorTraits& common = SectorTraitsOf(model);
        EXPECT_EQ(common.printerFlags, FieldRule::Plain);
        EXPECT_EQ(common.coExclusion, FieldRule::Plain);
        EXPECT_EQ(common.otherAlarmValue, FieldRule::Plain);
        EXPECT_EQ(common.analogOutputLists, FieldRule::Plain);
        EXPECT_EQ(common.modelBytes, ModelBytes::Reserved);
    }
}

// What the window offers and what the sector stores must tell the same story about a model.
TEST(ModelKnowledge, GroupAndSectorTraitsAgree) {
    for (std::uint8_t model : drivers::KnownModelIds()) {
        SCOPED_TRACE(static_cast<int>(model));
        const form::ModelGroup* group = form::FindModelGroup(model);
        const SectorTraits* traits = FindSectorTraits(model);
        ASSERT_NE(group, nullptr);
        ASSERT_NE(traits, nullptr);
        EXPECT_EQ(form::StoresCountry(model), traits->modelBytes == ModelBytes::Country);
        EXPECT_EQ(group->printerBoxes18to23Shown,
                  traits->printerFlags != FieldRule::SendWithoutBits18to23);
        EXPECT_EQ(group->coGroupShown, traits->coExclusion != FieldRule::SendZero);
        if (traits->modelBytes == ModelBytes::TrhAux) {
            EXPECT_TRUE(group->trhAuxShown);
        }
        if (traits->analogOutputLists == FieldRule::ReceiveIgnored) {
            const auto& pages = group->unavailablePages;
            EXPECT_NE(std::find(pages.begin(), pages.end(), kAnalogOutputsPage), pages.end());
        }
    }
}

}  // namespace
}  // namespace kilnward::transfer
