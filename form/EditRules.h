#pragma once

namespace kilnward::form {

class Form;
class FormItem;
class FormServices;
class NumericItem;

// What happens when a value of the main window is edited, whether by the user, a document
// load or a receive: the owning document is marked changed and the dependent fields follow
// (alarm enabling, header and law lines, printing model, formula rule, fuel-count rule).
class EditRules {
  public:
    EditRules(Form& form, FormServices*& services);

    void edited(FormItem& item);
    // The user left a numeric field: its value is brought into range.
    void completed(NumericItem& item);

    // The individual rules, also run once on the design state.
    void alarmEnabling(int alarm);
    void printLineEnabling(int box);
    void printingModel();
    void formulaRule(int fuel);
    void fuelCountRule();
    // Whether the model lets the alarms' parameter trees be used; re-applies every alarm.
    void allowAlarmTrees(bool allowed);

  private:
    void markDirty(const FormItem& item);
    bool userDefinedPrinting() const;
    bool usesUniFormula(int fuel) const;
    bool insideFuelCount(int fuel) const;

    Form& form_;
    FormServices*& services_;
    bool alarmTreesAllowed_ = true;
};

}  // namespace kilnward::form
