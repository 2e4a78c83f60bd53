// What a send writes where the models differ: one test per model-specific rule of the sector
// map, each over every model, so a rule that stops holding for its model, or starts holding
// for another, fails.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "form/CheckItem.h"
#include "form/ListItem.h"
#include "form/NumericItem.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/SectorMap.h"

namespace kilnward::transfer {
namespace {

using testing::SessionFixture;
using wirelink::ByteBuffer;

constexpr std::uint8_t kHarrier520 = 9;
constexpr std::uint8_t kOsprey560 = 12;
constexpr std::uint8_t kKestrel580 = 13;
constexpr std::uint8_t kMerlin7 = 19;

constexpr int kPrinterFlags = 38;
constexpr int kCoExclusion = 388;
constexpr int kModelBytes = 394;
constexpr int kFuelTable = 412;
constexpr int kAlarmTable = 1092;
constexpr int kAlarmRecord = 10;
constexpr std::uint8_t kAnalyserByte = 0xA5;

float FloatAt(const ByteBuffer& image, int offset) {
    float value = 0;
    std::memcpy(&value, image.data() + offset, sizeof value);
    return value;
}

std::uint32_t FlagsAt(const ByteBuffer& image, int offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, image.data() + offset, sizeof value);
    return value;
}

class SentByModel : public ::testing::TestWithParam<std::uint8_t> {
  protected:
    void SetUp() override {
        // Model 9's alarm tabs may follow the model chosen before it: a four-alarm one here.
        s.chooseModel(10);
        s.chooseModel(model());
    }
    std::uint8_t model() const { return GetParam(); }
    bool sixAlarms() const { return model() == kOsprey560 || model() == kKestrel580; }
    int tail() const { return kAlarmTable + kAlarmRecord * (sixAlarms() ? 6 : 4); }
    form::Form& form() { return s.form(); }
    // The send's encoding over a sector whose every byte the analyser holds as kAnalyserByte.
    ByteBuffer sent() {
        ByteBuffer image(2048, kAnalyserByte);
        EncodeConfigSector(s.form(), s.driver(), image);
        return image;
    }

    SessionFixture s;
};

TEST_P(SentByModel, PrinterFlags18To23GoOutClearedForModel9Only) {
    for (int box = 0; box < 25; ++box) {
        form().check("chkprtconf", box).setValue(form::CheckItem::kChecked);
    }
    std::uint32_t expected = (1u << 25) - 1;
    if (model() == kHarrier520) {
        for (int bit = 18; bit <= 23; ++bit) {
            expected &= ~(1u << bit);
        }
    }
    EXPECT_EQ(FlagsAt(sent(), kPrinterFlags), expected);
}

TEST_P(SentByModel, CoExclusionGoesOutAsZeroForModel9Only) {
    form().list("cbocoexcl").setListIndex(2);
    EXPECT_EQ(sent()[kCoExclusion], model() == kHarrier520 ? 0 : 2);
}

TEST_P(SentByModel, AmbientCoThresholdGoesOutAsZeroForModel9Only) {
    form().numeric("TDBNumalmvaloth", 0).setValue(42.5);
    EXPECT_EQ(FloatAt(sent(), tail()), model() == kHarrier520 ? 0.0f : 42.5f);
}

TEST_P(SentByModel, Byte394KeepsTheAnalysersValueForModel13Only) {
    EXPECT_EQ(sent()[kModelBytes], model() == kKestrel580 ? kAnalyserByte : 255);
}

TEST_P(SentByModel, TrhAuxGoesOutAt395ForModel13Only) {
    form().list("cboTrhAux").setListIndex(2);
    EXPECT_EQ(sent()[kModelBytes + 1], model() == kKestrel580 ? 2 : 255);
}

TEST_P(SentByModel, CountryGoesOutAt396ForModel19Only) {
    form().list("cboNations").setListIndex(6);
    EXPECT_EQ(sent()[kModelBytes + 2], model() == kMerlin7 ? 6 : 255);
}

TEST_P(SentByModel, TheOtherModelBytesGoOutAs255) {
    const ByteBuffer image = sent();
    for (int at = kModelBytes + 3; at < kFuelTable; ++at) {
        EXPECT_EQ(image[at], 255) << at;
    }
}

// Model 12 ignores these two lists on receive only: a send writes them like every model.
TEST_P(SentByModel, AnalogOutputTypeAndErrorModeGoOutFromTheEditor) {
    form().list("cboanaoutstype", 1).setListIndex(3);
    form().list("cboanaoutserrmode", 1).setListIndex(2);
    const ByteBuffer image = sent();
    const int output = tail() + 96 + 26;
    EXPECT_EQ(image[output], 3);
    EXPECT_EQ(image[output + 10], 2);

    form().list("cboanaoutstype", 1).setListIndex(0);
    form().list("cboanaoutserrmode", 1).setListIndex(0);
    DecodeConfigSector(image, s.form(), s.driver());
    const bool applied = model() != kOsprey560;
    EXPECT_EQ(form().list("cboanaoutstype", 1).listIndex(), applied ? 3 : 0);
    EXPECT_EQ(form().list("cboanaoutserrmode", 1).listIndex(), applied ? 2 : 0);
}

TEST_P(SentByModel, AlarmsFiveAndSixTakeRoomForModels12And13Only) {
    form().list("cboalmtype", 4).setListIndex(0);
    form().check("chkalmenabled", 4).setValue(form::CheckItem::kChecked);
    form().numeric("TDBNumalmval", 4).setValue(17.25);
    form().numeric("TDBNumalmvaloth", 0).setValue(35);
    const ByteBuffer image = sent();
    const int alarm4 = kAlarmTable + 4 * kAlarmRecord;
    if (sixAlarms()) {
        EXPECT_EQ(image[alarm4], 0);
        EXPECT_EQ(image[alarm4 + 1], 1);
        EXPECT_EQ(FloatAt(image, alarm4 + 2), 17.25f);
    } else {
        // The tail begins where alarm 4 would lie.
        EXPECT_EQ(FloatAt(image, alarm4), model() == kHarrier520 ? 0.0f : 35.0f);
    }
}

INSTANTIATE_TEST_SUITE_P(AllModels, SentByModel, ::testing::ValuesIn(drivers::KnownModelIds()),
                         [](const auto& info) { return "Model" + std::to_string(info.param); });

}  // namespace
}  // namespace kilnward::transfer
