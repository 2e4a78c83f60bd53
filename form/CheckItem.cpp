#include "form/CheckItem.h"

#include <utility>

namespace kilnward::form {

CheckItem::CheckItem(QString name, int index, QString tag, int designValue)
    : FormItem(ItemKind::Check, std::move(name), index, std::move(tag)), value_(designValue) {}

bool CheckItem::setValue(int value) {
    if (value < kUnchecked || value > kGrey) {
        return false;
    }
    if (update(value_, value, ItemChange::Value)) {
        raiseEdited();
    }
    return true;
}

}  // namespace kilnward::form
