#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace kilnward::app {
class Translator;
}
namespace kilnward::form {
class Form;
class FormItem;
}  // namespace kilnward::form

namespace kilnward::documents {

// The items whose stored values make up the field headed by `head`: every option button of
// its container for an option button, else the item alone.
std::vector<const form::FormItem*> FieldMembers(const form::Form& form, const form::FormItem& head);

// The text the window shows for a field holding `stored` ("key=value" as the document file
// holds them): a list's entry, a number through the field's display format, the text, a
// check box's yes or no, the caption of the option set, a tree's parameter names. Read from
// the stored values with today's entries, captions and language, so a value kept from
// earlier reads like the one shown now.
QString FieldText(const form::Form& form, const form::FormItem& head, const QStringList& stored,
                  app::Translator& translator, const QLocale& locale = QLocale());

// The slots of a parameter tree holding `stored` that differ from `other` (slot by slot), as
// the tree shows them: the parameter's name and the slot's number ("CO - 7"), joined by ", ".
QString ChangedSlotsText(const QStringList& stored, const QStringList& other);

}  // namespace kilnward::documents
