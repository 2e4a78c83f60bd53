#include "form/TabStripItem.h"

#include <utility>

#include "form/Form.h"
#include "form/FormEvents.h"

namespace kilnward::form {

TabStripItem::TabStripItem(QString name, int index, QStringList captions)
    : FormItem(ItemKind::TabStrip, std::move(name), index, QString()),
      captions_(std::move(captions)),
      available_(captions_.size(), true) {}

void TabStripItem::setTabCaption(int tab, const QString& caption) {
    if (tab < 0 || tab >= tabCount() || captions_.at(tab) == caption) {
        return;
    }
    captions_[tab] = caption;
    notify(ItemChange::Tabs);
}

bool TabStripItem::tabAvailable(int tab) const {
    return tab >= 0 && tab < tabCount() && available_[static_cast<size_t>(tab)];
}

void TabStripItem::setTabAvailable(int tab, bool available) {
    if (tab < 0 || tab >= tabCount() || available_[static_cast<size_t>(tab)] == available) {
        return;
    }
    available_[static_cast<size_t>(tab)] = available;
    notify(ItemChange::Tabs);
}

void TabStripItem::selectTab(int tab) {
    if (tab < 0 || tab >= tabCount()) {
        return;
    }
    const int previous = currentTab_;
    // The tab-change rule runs even for the tab already showing (the window's start does so).
    update(currentTab_, tab, ItemChange::Selection);
    raiseTabChanged(*this, previous);
}

bool TabStripItem::clickTab(int tab) {
    if (!tabAvailable(tab)) {
        return false;
    }
    // Refused before it is selected, so the refused page never shows, not even behind the
    // message.
    if (tabRefused(tab)) {
        if (Form* owner = form(); owner && owner->events()) {
            owner->events()->tabClickRefused(*this);
        }
        return true;
    }
    selectTab(tab);
    return true;
}

bool TabStripItem::tabRefused(int tab) const {
    const Form* owner = form();
    return owner && owner->events() && owner->events()->tabRefused(*this, tab);
}

}  // namespace kilnward::form
