#pragma once

#include "form/FormItem.h"

namespace kilnward::form {

// An option button (Opt...). Setting one clears the other options of the same container,
// so exactly one of a pair is set.
class OptionItem : public FormItem {
  public:
    OptionItem(QString name, int index, QString tag, bool designValue);

    bool value() const { return value_; }
    void setValue(bool value);
    // Whether this member is the one of its group that is set by design.
    bool designValue() const { return designValue_; }

  private:
    friend class Form;
    // Cleared by a sibling being set; raises no edit of its own.
    void clearBySibling();

    bool designValue_;
    bool value_;
};

}  // namespace kilnward::form
