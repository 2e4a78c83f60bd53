#include "form/MenuItem.h"

#include <utility>

namespace kilnward::form {

MenuItem::MenuItem(QString name, int index, QString tag, QString shortcut)
    : FormItem(ItemKind::Menu, std::move(name), index, std::move(tag)),
      shortcut_(std::move(shortcut)) {}

void MenuItem::setChecked(bool checked) {
    update(checked_, checked, ItemChange::Checked);
}

}  // namespace kilnward::form
