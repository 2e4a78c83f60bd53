#pragma once

#include "form/FormItem.h"

namespace kilnward::form {

// A check box (chk...): 0 unchecked, 1 checked, 2 grey.
class CheckItem : public FormItem {
  public:
    static constexpr int kUnchecked = 0;
    static constexpr int kChecked = 1;
    static constexpr int kGrey = 2;

    CheckItem(QString name, int index, QString tag, int designValue);

    int value() const { return value_; }
    bool isUnchecked() const { return value_ == kUnchecked; }
    // Values other than 0..2 are refused (returns false).
    bool setValue(int value);

  private:
    int value_;
};

}  // namespace kilnward::form
