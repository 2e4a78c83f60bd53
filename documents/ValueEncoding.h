#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace kilnward::form {
class FormItem;
}

namespace kilnward::documents {

// One key of a document file and its value.
struct StoredValue {
    QString key;
    QString value;
};

// The keys a control stores, in order, with its values encoded for a document file: list
// position; one key per tree node holding the parameter identifier; text unchanged; option
// "-1"/"0"; check boxes and numbers as plain locale-free decimals ("." separator), an empty
// number as an empty value. Labels, frames, tab strips and menus store nothing.
std::vector<StoredValue> EncodeControl(const form::FormItem& item);

// Returns the stored text of `key`, or `currentValue` when the key is missing.
using ValueReader = std::function<QString(const QString& key, const QString& currentValue)>;

// Assigns the stored values to the control, raising the same events as an edit. A key that
// is missing leaves the control as it is; a text longer than its line is cut to the line; a value the control cannot take (a list position
// outside the list, an identifier that is not a byte, a check state other than 0..2) is
// ignored.
void DecodeControl(form::FormItem& item, const ValueReader& read);

// A group of option buttons (one container) that was read with no member set gets its
// design default set again, so exactly one of a pair stays set.
void RestoreOptionGroups(const std::vector<form::FormItem*>& items);

}  // namespace kilnward::documents
