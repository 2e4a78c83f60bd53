#include "form/TextItem.h"

#include <utility>

namespace kilnward::form {

TextItem::TextItem(QString name, int index, QString tag, int maxLength)
    : FormItem(ItemKind::Text, std::move(name), index, std::move(tag)), maxLength_(maxLength) {}

void TextItem::setText(const QString& text) {
    if (update(text_, text, ItemChange::Value)) {
        raiseEdited();
    }
}

}  // namespace kilnward::form
