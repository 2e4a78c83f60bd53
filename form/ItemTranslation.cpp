#include "form/ItemTranslation.h"

#include <optional>

#include "app/ControlKey.h"
#include "form/FormItem.h"
#include "form/ListItem.h"
#include "form/TabStripItem.h"

namespace kilnward::form {

QString ItemTranslation::controlKey() const {
    return app::ControlKey(
        item_.windowName(), item_.name(),
        item_.isArrayMember() ? std::optional<int>(item_.index()) : std::nullopt);
}

QString ItemTranslation::tag() const {
    return item_.tag();
}

language::ControlKind ItemTranslation::kind() const {
    switch (item_.kind()) {
        case ItemKind::List:
            return language::ControlKind::List;
        case ItemKind::TabStrip:
            return language::ControlKind::Tabs;
        case ItemKind::Text:
        case ItemKind::Tree:
            return language::ControlKind::NoCaption;
        default:
            return language::ControlKind::Caption;
    }
}

QString ItemTranslation::caption() const {
    return item_.caption();
}

void ItemTranslation::setCaption(const QString& caption) {
    item_.setCaption(caption);
}

int ItemTranslation::itemCount() const {
    if (item_.kind() == ItemKind::List) {
        return static_cast<const ListItem&>(item_).count();
    }
    if (item_.kind() == ItemKind::TabStrip) {
        return static_cast<const TabStripItem&>(item_).tabCount();
    }
    return 0;
}

QString ItemTranslation::itemText(int position) const {
    if (item_.kind() == ItemKind::List) {
        return static_cast<const ListItem&>(item_).entries().value(position);
    }
    if (item_.kind() == ItemKind::TabStrip) {
        return static_cast<const TabStripItem&>(item_).tabCaptions().value(position);
    }
    return {};
}

void ItemTranslation::setItemText(int position, const QString& text) {
    if (item_.kind() == ItemKind::List) {
        static_cast<ListItem&>(item_).setEntryText(position, text);
    } else if (item_.kind() == ItemKind::TabStrip) {
        static_cast<TabStripItem&>(item_).setTabCaption(position, text);
    }
}

}  // namespace kilnward::form
