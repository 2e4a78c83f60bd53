#pragma once

#include <QStringList>

#include "form/FormItem.h"

namespace kilnward::form {

// A drop-down list (cbo...): its entries and the 0-based position of the selection
// (-1 when nothing is selected). The position is the stored value.
class ListItem : public FormItem {
  public:
    ListItem(QString name, int index, QString tag, QStringList entries);

    const QStringList& entries() const { return entries_; }
    int count() const { return static_cast<int>(entries_.size()); }
    int listIndex() const { return listIndex_; }
    // The selected entry's text, empty when nothing is selected.
    QString text() const;
    // Selects a position; -1 clears the selection. A position outside the list is refused
    // (returns false) and changes nothing.
    bool setListIndex(int position);

    void addEntry(const QString& entry);
    // Removes one entry; a removed selection leaves nothing selected.
    void removeEntry(int position);
    void setEntryText(int position, const QString& text);

  private:
    QStringList entries_;
    int listIndex_ = -1;
};

}  // namespace kilnward::form
