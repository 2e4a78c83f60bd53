#include "form/FuelCount.h"

#include <cmath>

#include "app/DisplayFormat.h"
#include "app/NumericField.h"
#include "form/FieldNames.h"
#include "form/Form.h"
#include "form/NumericItem.h"

namespace kilnward::form {

namespace {

const QString kFuelCount = field::TDBNummaxfuels;

double Shown(const NumericItem& count, double value) {
    return app::DisplayFormat(count.format()).rounded(value);
}

}  // namespace

int FuelsInUse(const Form& form) {
    const NumericItem& count = form.numeric(kFuelCount);
    const double inRange = app::ClampedForField(count, Shown(count, count.number()));
    return static_cast<int>(std::lround(inRange));
}

bool MakeFuelCountWhole(NumericItem& count) {
    const std::optional<double> value = count.value();
    if (!value || !std::isfinite(*value)) {
        return false;
    }
    const double whole = std::round(Shown(count, *value));
    if (whole == *value) {
        return false;
    }
    count.setValue(whole);
    return true;
}

}  // namespace kilnward::form
