#include "app/NumericField.h"

#include <gtest/gtest.h>

using namespace kilnward::app;

namespace {

class Field : public NumericField {
  public:
    Field(double min, double max, bool allowsEmpty, std::optional<double> value)
        : min_(min), max_(max), empty_(allowsEmpty), value_(value) {}
    std::optional<double> value() const override { return value_; }
    void setValue(double value) override {
        value_ = value;
        ++writes;
    }
    double minimum() const override { return min_; }
    double maximum() const override { return max_; }
    bool allowsEmpty() const override { return empty_; }
    int writes = 0;

  private:
    double min_, max_;
    bool empty_;
    std::optional<double> value_;
};

}  // namespace

TEST(ClampNumericField, MovesValuesIntoRange) {
    Field high(30, 300, false, 500);
    ClampNumericField(high);
    EXPECT_EQ(high.value(), 300);
    Field low(30, 300, false, 10);
    EXPECT_FLOAT_EQ(ClampedNumericValue(low), 30.0f);
    EXPECT_EQ(low.value(), 10);  // ClampedNumericValue changes nothing
    ClampNumericField(low);
    EXPECT_EQ(low.value(), 30);
    Field inside(30, 300, false, 120);
    ClampNumericField(inside);
    EXPECT_EQ(inside.writes, 0);
    EXPECT_FLOAT_EQ(ClampedNumericValue(inside), 120.0f);
}

TEST(ClampNumericField, MaximumIsCheckedAfterTheMinimum) {
    // A range whose minimum lies above its maximum: the field is first raised to the
    // minimum, then lowered to the maximum; the read-only value only compares.
    Field crossed(300, 30, false, 10);
    EXPECT_FLOAT_EQ(ClampedNumericValue(crossed), 300.0f);
    ClampNumericField(crossed);
    EXPECT_EQ(crossed.value(), 30);
}

TEST(ClampNumericField, EmptyAllowedLeavesEmptyAndZeroAlone) {
    Field empty(30, 300, true, std::nullopt);
    ClampNumericField(empty);
    EXPECT_FALSE(empty.value().has_value());
    EXPECT_FLOAT_EQ(ClampedNumericValue(empty), 0.0f);
    Field zero(30, 300, true, 0);
    ClampNumericField(zero);
    EXPECT_EQ(zero.value(), 0);
    Field tooHigh(30, 300, true, 500);
    ClampNumericField(tooHigh);
    EXPECT_EQ(tooHigh.value(), 300);
}

TEST(ClampNumericField, EmptyNotAllowedCountsAsZero) {
    Field empty(30, 300, false, std::nullopt);
    EXPECT_FLOAT_EQ(ClampedNumericValue(empty), 30.0f);
    ClampNumericField(empty);
    EXPECT_EQ(empty.value(), 30);
    Field negativeRange(-10, 10, false, std::nullopt);
    ClampNumericField(negativeRange);
    EXPECT_EQ(negativeRange.value(), 0);
}
