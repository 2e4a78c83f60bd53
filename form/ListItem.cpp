#include "form/ListItem.h"

#include <utility>

namespace kilnward::form {

ListItem::ListItem(QString name, int index, QString tag, QStringList entries)
    : FormItem(ItemKind::List, std::move(name), index, std::move(tag)),
      entries_(std::move(entries)) {}

QString ListItem::text() const {
    return listIndex_ >= 0 && listIndex_ < count() ? entries_.at(listIndex_) : QString();
}

bool ListItem::setListIndex(int position) {
    if (position < -1 || position >= count()) {
        return false;
    }
    if (update(listIndex_, position, ItemChange::Value)) {
        raiseEdited();
    }
    return true;
}

void ListItem::addEntry(const QString& entry) {
    entries_.append(entry);
    notify(ItemChange::Entries);
}

void ListItem::removeEntry(int position) {
    if (position < 0 || position >= count()) {
        return;
    }
    entries_.removeAt(position);
    notify(ItemChange::Entries);
    // The selection moves with its entry, or goes with it. Like the list control, this
    // raises no edit: the entry chosen is still the one it was, or none.
    if (listIndex_ >= position) {
        listIndex_ = listIndex_ == position ? -1 : listIndex_ - 1;
        notify(ItemChange::Value);
    }
}

void ListItem::setEntryText(int position, const QString& text) {
    if (position < 0 || position >= count() || entries_.at(position) == text) {
        return;
    }
    entries_[position] = text;
    notify(ItemChange::Entries);
}

}  // namespace kilnward::form
