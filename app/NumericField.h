#pragma once

#include <optional>

namespace kilnward::app {

// What the program needs of a numeric edit field (the form's numeric items and the settings
// dialog's address field implement it).
class NumericField {
  public:
    virtual ~NumericField() = default;
    // nullopt while the field is empty.
    virtual std::optional<double> value() const = 0;
    virtual void setValue(double value) = 0;
    virtual double minimum() const = 0;
    virtual double maximum() const = 0;
    virtual bool allowsEmpty() const = 0;
};

// What ClampNumericField would leave in the field if it held `value`: an infinity becomes
// the maximum or minimum like any other number beyond them.
double ClampedForField(const NumericField& field, double value);
// Moves the value into minimum..maximum. A field that allows an empty value and holds 0 or
// nothing is left alone. A field that does not allow empty and is empty counts as 0.
void ClampNumericField(NumericField& field);
// The minimum when the value is below it, else the maximum when above it, else the value,
// without changing the field (0 for the empty case). Same as ClampNumericField's result
// unless the minimum lies above the maximum.
float ClampedNumericValue(const NumericField& field);

}  // namespace kilnward::app
