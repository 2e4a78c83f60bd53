#pragma once

#include <QString>

#include <vector>

namespace kilnward::form {

class Form;
class FormItem;
class TabStripItem;

// One tab on the way to a field.
struct FieldTab {
    TabStripItem* strip;
    int tab;
};

// The tabs that hold `item`, outermost first: the ones to open to show it.
std::vector<FieldTab> FieldTabs(const FormItem& item);

// What names a field to the user: the caption of the label that leads to it, else its own
// caption (shown text); empty for a field that neither has (a parameter tree).
QString FieldCaption(const Form& form, const FormItem& item);

// Where a field stands: the captions of the tabs that hold it, outermost first, joined by
// " / " ("Alarms / Alarm 2"); empty for a field on no tab.
QString FieldPlace(const FormItem& item);

// The place and the caption together, as a list shows a field to tell it from the fields of
// the same caption on other tabs.
QString FieldTitle(const Form& form, const FormItem& item);
// The same from a place and a caption already worked out.
QString FieldTitle(const QString& place, const QString& caption);

}  // namespace kilnward::form
