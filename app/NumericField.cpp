#include "app/NumericField.h"

namespace kilnward::app {

namespace {

// The empty case: a field that may be empty and holds nothing (or 0) is left as it is.
bool LeftAlone(const NumericField& field) {
    return field.allowsEmpty() && field.value().value_or(0.0) == 0.0;
}

double Clamped(const NumericField& field) {
    const double value = field.value().value_or(0.0);
    if (field.minimum() > value) {
        return field.minimum();
    }
    if (field.maximum() < value) {
        return field.maximum();
    }
    return value;
}

}  // namespace

double ClampedForField(const NumericField& field, double value) {
    if (field.allowsEmpty() && value == 0.0) {
        return value;
    }
    // The minimum first, then the maximum against what the field holds by then: where the
    // minimum lies above the maximum, the maximum has the last word.
    double clamped = field.minimum() > value ? field.minimum() : value;
    if (field.maximum() < clamped) {
        clamped = field.maximum();
    }
    return clamped;
}

void ClampNumericField(NumericField& field) {
    if (LeftAlone(field)) {
        return;
    }
    const double value = field.value().value_or(0.0);
    const double clamped = ClampedForField(field, value);
    if (clamped != value || !field.value()) {
        field.setValue(clamped);
    }
}

float ClampedNumericValue(const NumericField& field) {
    return LeftAlone(field) ? 0.0f : static_cast<float>(Clamped(field));
}

}  // namespace kilnward::app
