#include "form/EditRules.h"

#include "app/NumericField.h"
#include "form/CheckItem.h"
#include "form/FieldNames.h"
#include "form/Form.h"
#include "form/FormServices.h"
#include "form/FuelCount.h"
#include "form/ListItem.h"
#include "form/NumericItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"

namespace kilnward::form {

namespace {

constexpr auto kUniFormula = "UNI 10389";
constexpr int kAlarmCount = 6;
// The fuel fields that both the fuel count and the formula switch.
constexpr const char* kFormulaFields[] = {field::TDBNumparkgross, field::TDBNumparknet,
                                          field::TDBNumparh, field::TDBNumparQgross};

bool IsHeaderBox(int box) {
    return box >= 1 && box <= 4;
}
bool IsLawBox(int box) {
    return box >= 6 && box <= 8;
}

// The header or law line that print box `box` switches, if it switches one.
void EnablePrintLine(Form& form, int box, bool on) {
    if (IsHeaderBox(box)) {
        form.text(field::txtheaderline, box).setEnabled(on);
    } else if (IsLawBox(box)) {
        form.text(field::txtlawline, box).setEnabled(on);
    }
}

bool Named(const FormItem& item, const char* name) {
    return item.name().compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

bool IsFormulaField(const FormItem& item) {
    for (const char* name : kFormulaFields) {
        if (Named(item, name)) {
            return true;
        }
    }
    return false;
}

}  // namespace

EditRules::EditRules(Form& form, FormServices*& services) : form_(form), services_(services) {}

void EditRules::edited(FormItem& item) {
    if (Named(item, field::TDBNummaxfuels)) {
        // A fraction is replaced by the whole count, whose own edit runs the rule.
        if (MakeFuelCountWhole(static_cast<NumericItem&>(item))) {
            return;
        }
        fuelCountRule();
    } else if (Named(item, field::chkalmenabled)) {
        alarmEnabling(item.index());
    } else if (Named(item, field::chkprtconf)) {
        printLineEnabling(item.index());
    } else if (Named(item, field::cboprtmodel)) {
        printingModel();
    } else if (Named(item, field::cbofuelformulatype)) {
        formulaRule(item.index());
    }
    markDirty(item);
}

void EditRules::completed(NumericItem& item) {
    app::ClampNumericField(item);
}

void EditRules::alarmEnabling(int alarm) {
    const bool on = !form_.check(field::chkalmenabled, alarm).isUnchecked();
    form_.list(field::cboalmtype, alarm).setEnabled(on);
    form_.numeric(field::TDBNumalmval, alarm).setEnabled(on);
    form_.tree(field::trvalmparam, alarm).setEnabled(on && alarmTreesAllowed_);
}

void EditRules::allowAlarmTrees(bool allowed) {
    alarmTreesAllowed_ = allowed;
    for (int alarm = 0; alarm < kAlarmCount; ++alarm) {
        alarmEnabling(alarm);
    }
}

void EditRules::printLineEnabling(int box) {
    EnablePrintLine(form_, box,
                    userDefinedPrinting() && !form_.check(field::chkprtconf, box).isUnchecked());
}

bool EditRules::userDefinedPrinting() const {
    return form_.list(field::cboprtmodel).listIndex() == 0;
}

void EditRules::printingModel() {
    const bool userDefined = userDefinedPrinting();
    for (FormItem* member : form_.members(field::chkprtconf)) {
        auto& box = static_cast<CheckItem&>(*member);
        const int i = box.index();
        // Reverse printing and date/time stay usable with the reduced model.
        if (i == 0 || i == 12) {
            continue;
        }
        box.setEnabled(userDefined);
        printLineEnabling(i);
    }
    form_.tree(field::trvprtrefparam, 0).setEnabled(userDefined);
}

bool EditRules::usesUniFormula(int fuel) const {
    return form_.list(field::cbofuelformulatype, fuel).text() == QLatin1String(kUniFormula);
}

bool EditRules::insideFuelCount(int fuel) const {
    return fuel >= 0 && fuel < FuelsInUse(form_);
}

void EditRules::formulaRule(int fuel) {
    const bool uni = usesUniFormula(fuel);
    // A field is usable while its fuel counts and the formula does not compute it.
    const bool on = insideFuelCount(fuel) && !uni;
    for (const char* name : kFormulaFields) {
        NumericItem& field = form_.numeric(name, fuel);
        field.setEnabled(on);
        field.setCaptionGreyed(uni);
    }
    NumericItem& qnet = form_.numeric(field::TDBNumparQnet, fuel);
    // Under the UNI formula the Q net field holds the fuel identifier.
    qnet.setCaption(uni ? QStringLiteral("Fu&el ID [1-5]") : QStringLiteral("Qn&ett"));
    qnet.setFormat(uni ? QStringLiteral("0") : QStringLiteral("####0.00"));
}

void EditRules::fuelCountRule() {
    // Worked out once: reading the count parses its display format.
    const int fuels = FuelsInUse(form_);
    for (FormItem* item : form_.items()) {
        const FormItem* frame = item->container();
        if (item->kind() == ItemKind::Label || !frame || !Named(*frame, field::frafuels)) {
            continue;
        }
        const int fuel = frame->index();
        const bool inUse = fuel >= 0 && fuel < fuels;
        item->setEnabled(inUse && !(IsFormulaField(*item) && usesUniFormula(fuel)));
    }
}

void EditRules::markDirty(const FormItem& item) {
    if (services_) {
        services_->markDocumentDirty(item);
    }
}

}  // namespace kilnward::form
