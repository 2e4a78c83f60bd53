#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "drivers/CreateDriver.h"
#include "drivers/Harrier510PTprot.h"
#include "drivers/Harrier520Pprot.h"
#include "drivers/Harrier520prot.h"
#include "drivers/Harrier530MKIII.h"
#include "drivers/Harrier530MKIII_R.h"
#include "drivers/Harrier530prot.h"
#include "drivers/Harrier540prot.h"
#include "drivers/Harrier560prot.h"
#include "drivers/Harrier580prot.h"
#include "drivers/Merlin7H.h"
#include "drivers/ModelRow.h"
#include "drivers/NoLinkError.h"

namespace kilnward::drivers {
namespace {

struct Expected {
    std::uint8_t id;
    const char* name;
    bool infrared;
    std::int64_t measuresector;
};

const Expected kModels[] = {
    {9, "Harrier 520", false, 16384},       {10, "Harrier 530", true, 16384},
    {11, "Harrier 540", true, 16384},       {12, "Osprey 560", true, 32768},
    {13, "Kestrel 580", true, 32768},       {14, "Harrier 520 Plus", true, 65536},
    {15, "Harrier 510 PT", true, 65536},    {16, "Harrier 530 MKIII", true, 16384},
    {19, "Merlin-7 (Tallis)", true, 16384}, {20, "Merlin-7H (Tallis)", true, 65536},
};

TEST(ModelTable, EveryModelReportsItsRowAndTheCommonConstants) {
    for (const Expected& model : kModels) {
        SCOPED_TRACE(static_cast<int>(model.id));
        const auto driver = CreateDriver(model.id);
        ASSERT_NE(driver, nullptr);
        EXPECT_EQ(driver->Instrument_ID(), model.id);
        EXPECT_EQ(driver->Instrument_Name(), model.name);
        EXPECT_EQ(driver->Use_Infrared(), model.infrared);
        EXPECT_EQ(driver->Measuresector_size(), model.measuresector);
        EXPECT_EQ(driver->Calibsector_size(), 2048);
        EXPECT_EQ(driver->Configsector_size(), 2048);
        EXPECT_EQ(driver->Tagsector_size(), 16384);
        EXPECT_EQ(driver->getoffsFORMULATYPEFROMCOMB(), 62);
        EXPECT_EQ(driver->MaxTagsinSector(), 40);
        EXPECT_EQ(driver->TotalTagsinSector(), 60);
    }
}

template <class Driver>
void ExpectDriverClass(std::uint8_t id, const char* className) {
    SCOPED_TRACE(className);
    const auto driver = CreateDriver(id);
    EXPECT_NE(dynamic_cast<Driver*>(driver.get()), nullptr);
    EXPECT_EQ(Driver().Instrument_ID(), id);
    ASSERT_NE(FindModelRow(id), nullptr);
    EXPECT_STREQ(FindModelRow(id)->className, className);
}

TEST(ModelTable, EachCodeMakesTheDriverClassOfItsModel) {
    ExpectDriverClass<Harrier520prot>(9, "Harrier520prot");
    ExpectDriverClass<Harrier530prot>(10, "Harrier530prot");
    ExpectDriverClass<Harrier540prot>(11, "Harrier540prot");
    ExpectDriverClass<Harrier560prot>(12, "Harrier560prot");
    ExpectDriverClass<Harrier580prot>(13, "Harrier580prot");
    ExpectDriverClass<Harrier520Pprot>(14, "Harrier520Pprot");
    ExpectDriverClass<Harrier510PTprot>(15, "Harrier510PTprot");
    ExpectDriverClass<Harrier530MKIII>(16, "Harrier530MKIII");
    ExpectDriverClass<Harrier530MKIII_R>(19, "Harrier530MKIII_R");
    ExpectDriverClass<Merlin7H>(20, "Merlin7H");
}

TEST(ModelTable, NoDriverForCodesWithoutAModel) {
    for (int id : {0, 1, 8, 17, 18, 21, 255}) {
        EXPECT_EQ(CreateDriver(static_cast<std::uint8_t>(id)), nullptr) << id;
        EXPECT_EQ(FindModelRow(static_cast<std::uint8_t>(id)), nullptr) << id;
    }
}

TEST(ModelTable, KnownModelIdsListsExactlyTheCodesThatMakeADriver) {
    const auto ids = KnownModelIds();
    const std::set<std::uint8_t> listed(ids.begin(), ids.end());
    EXPECT_EQ(ids.size(), 10U);
    for (int id = 0; id < 256; ++id) {
        const bool hasDriver = CreateDriver(static_cast<std::uint8_t>(id)) != nullptr;
        EXPECT_EQ(hasDriver, listed.count(static_cast<std::uint8_t>(id)) == 1) << id;
    }
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
}

TEST(ModelTable, EachCallMakesANewDriver) {
    const auto first = CreateDriver(10);
    const auto second = CreateDriver(10);
    EXPECT_NE(first.get(), second.get());
}

TEST(ModelTable, LinkMembersWithoutLinkControlFailWithNoLinkError) {
    const auto driver = CreateDriver(14);
    wirelink::ByteBuffer buffer;
    DateTime when{};
    EXPECT_THROW(driver->Appendinbuffer(buffer, std::uint8_t{1}, 0), NoLinkError);
    EXPECT_TRUE(buffer.empty());
    EXPECT_THROW(driver->SetRemLoc(0, 1), NoLinkError);
    EXPECT_THROW(driver->StartWriteTransaction(0, 1), NoLinkError);
    EXPECT_THROW(driver->EndWriteTransaction(0), NoLinkError);
    EXPECT_THROW(driver->WritetoRelativeDevice(0, 1, 0, {1}), NoLinkError);
    EXPECT_THROW(driver->ReadfromRelativeDevice(0, 1, 0, 32, buffer), NoLinkError);
    EXPECT_THROW(driver->WriteRTCClock(0, when), NoLinkError);
    EXPECT_THROW(driver->ReadRTCClock(0, when), NoLinkError);
    // The missing link is reported before the arguments are looked at.
    EXPECT_THROW(driver->SetRemLoc(0, 1000), NoLinkError);
    EXPECT_THROW(driver->WritetoRelativeDevice(0, 256, -1, {}), NoLinkError);
    try {
        driver->EndWriteTransaction(0);
    } catch (const DriverError& e) {
        EXPECT_STREQ(e.what(), "No link control assigned to the driver");
    }
}

TEST(ModelTable, ImageMembersWorkWithoutLinkControl) {
    const auto driver = CreateDriver(9);
    wirelink::ByteBuffer image(4, 0);
    std::int64_t address = 0;
    EXPECT_EQ(driver->Putinbuffer(image, address, std::int32_t{0x0102}, 2), 2);
    EXPECT_EQ(std::get<std::int32_t>(driver->Getfrombuffer(image, 2, 0)), 0x0102);
}

}  // namespace
}  // namespace kilnward::drivers
