#include "form/OptionItem.h"

#include <utility>

#include "form/Form.h"

namespace kilnward::form {

OptionItem::OptionItem(QString name, int index, QString tag, bool designValue)
    : FormItem(ItemKind::Option, std::move(name), index, std::move(tag)),
      designValue_(designValue),
      value_(designValue) {}

void OptionItem::setValue(bool value) {
    if (!update(value_, value, ItemChange::Value)) {
        return;
    }
    if (value) {
        clearSiblingOptions(*this);
    }
    raiseEdited();
}

void OptionItem::clearBySibling() {
    if (!value_) {
        return;
    }
    value_ = false;
    notify(ItemChange::Value);
}

}  // namespace kilnward::form
