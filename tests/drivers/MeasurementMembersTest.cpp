#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "drivers/CreateDriver.h"
#include "drivers/DivisionByZeroError.h"
#include "drivers/OverflowError.h"

namespace kilnward::drivers {
namespace {

class MeasurementMembers : public ::testing::Test {
  protected:
    std::unique_ptr<InstrumentDriver> driver = CreateDriver(20);
};

TEST_F(MeasurementMembers, FloatErrorMarkerRoundTrips) {
    const float marked = driver->Compilemeasfloat(12.0F, 5);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(marked), 0x6F80FF05U);
    std::int32_t code = -1;
    EXPECT_EQ(driver->Getmeasfloat(marked, code), 0.0F);
    EXPECT_EQ(code, 5);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(driver->Compilemeasfloat(1.0F, 255)), 0x6F80FFFFU);
}

TEST_F(MeasurementMembers, FloatDecoderOnlyTestsTheUpperHalf) {
    std::int32_t code = -1;
    EXPECT_EQ(driver->Getmeasfloat(std::bit_cast<float>(0x6F800005U), code), 0.0F);
    EXPECT_EQ(code, 5);
    // 0x6F81.... is a plain (large) value.
    const float large = std::bit_cast<float>(0x6F81FF05U);
    EXPECT_EQ(driver->Getmeasfloat(large, code), large);
    EXPECT_EQ(code, 0);
}

TEST_F(MeasurementMembers, FloatWithoutErrorPassesUnchanged) {
    std::int32_t code = 9;
    EXPECT_EQ(driver->Compilemeasfloat(-3.25F, 0), -3.25F);
    EXPECT_EQ(driver->Getmeasfloat(-3.25F, code), -3.25F);
    EXPECT_EQ(code, 0);
}

TEST_F(MeasurementMembers, IntegerScalesAndRoundsTiesToEven) {
    EXPECT_EQ(driver->Compilemeasint(12.5F, 10.0F, 0), 125);
    EXPECT_EQ(driver->Compilemeasint(0.25F, 10.0F, 0), 2);
    EXPECT_EQ(driver->Compilemeasint(0.35F, 10.0F, 0), 4);
    EXPECT_EQ(driver->Compilemeasint(-0.25F, 10.0F, 0), -2);
    EXPECT_EQ(driver->Compilemeasint(-1.26F, 10.0F, 0), -13);
    EXPECT_EQ(driver->Compilemeasint(3276.7F, 10.0F, 0), 32767);
    EXPECT_EQ(driver->Compilemeasint(-3276.8F, 10.0F, 0), -32768);
}

TEST_F(MeasurementMembers, IntegerErrorMarkerRoundTrips) {
    const std::int16_t marked = driver->Compilemeasint(99.0F, 10.0F, 3);
    EXPECT_EQ(marked, -28925);
    std::int32_t code = -1;
    EXPECT_EQ(driver->Getmeasint(marked, 10.0F, code), 0.0F);
    EXPECT_EQ(code, 3);
    // An error marker is recognised even with scale 0.
    EXPECT_EQ(driver->Getmeasint(static_cast<std::int16_t>(0x8FFF), 0.0F, code), 0.0F);
    EXPECT_EQ(code, 255);
}

TEST_F(MeasurementMembers, IntegerDecodesByDividing) {
    std::int32_t code = 7;
    EXPECT_EQ(driver->Getmeasint(125, 10.0F, code), 12.5F);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(driver->Getmeasint(-28929, 1.0F, code), -28929.0F);  // 0x8EFF: not a marker
    EXPECT_EQ(code, 0);
}

TEST_F(MeasurementMembers, FailuresAreTyped) {
    EXPECT_THROW(driver->Compilemeasfloat(1.0F, 256), OverflowError);
    EXPECT_THROW(driver->Compilemeasfloat(1.0F, -1), OverflowError);
    EXPECT_THROW(driver->Compilemeasint(1.0F, 1.0F, 256), OverflowError);
    EXPECT_THROW(driver->Compilemeasint(3276.8F, 10.0F, 0), OverflowError);
    EXPECT_THROW(driver->Compilemeasint(-3276.9F, 10.0F, 0), OverflowError);
    EXPECT_THROW(driver->Compilemeasint(std::bit_cast<float>(0x7FC00000U), 1.0F, 0), OverflowError);
    std::int32_t code = 0;
    EXPECT_THROW(driver->Getmeasint(125, 0.0F, code), DivisionByZeroError);
}

TEST_F(MeasurementMembers, ErrorStrings) {
    const char* expected[] = {"No Error",   "Calc. Error",     "Cell Error", "Probe Error",
                              "Rj Error",   "Overrange",       "Underrange", "--------",
                              "Excluded",   "Numerical Error", "TC Error",   "TCell Error",
                              "Zero Error", "O2 Cell Error",   "No measure", "Not installed"};
    for (int code = 0; code < 16; ++code) {
        EXPECT_EQ(driver->geterrorstring(code), expected[code]) << code;
    }
    EXPECT_EQ(driver->geterrorstring(16), "Unknow Error");
    EXPECT_EQ(driver->geterrorstring(-1), "Unknow Error");
    EXPECT_EQ(driver->geterrorstring(255), "Unknow Error");
}

}  // namespace
}  // namespace kilnward::drivers
