#include "documents/FieldText.h"

#include "app/Catalogue.h"
#include "app/DisplayFormat.h"
#include "app/Translator.h"
#include "form/CheckItem.h"
#include "form/FieldNaming.h"
#include "form/Form.h"
#include "form/ListItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/ShownCaption.h"

namespace kilnward::documents {

namespace {

using form::ItemKind;

// The value of one "key=value" (keys hold no "=", values may).
QString ValueOf(const QString& stored) {
    return stored.section(u'=', 1);
}

QString CheckText(int state, app::Translator& translator) {
    switch (state) {
        case form::CheckItem::kUnchecked:
            return translator.TranslateString(QStringLiteral("fieldvalueno"), QStringLiteral("No"));
        case form::CheckItem::kChecked:
            return translator.TranslateString(QStringLiteral("fieldvalueyes"),
                                              QStringLiteral("Yes"));
        default:
            return translator.TranslateString(QStringLiteral("fieldvaluegrey"),
                                              QStringLiteral("Greyed"));
    }
}

QString NumberText(const form::NumericItem& field, const QString& stored, const QLocale& locale) {
    // Stored numbers use "." whatever the locale; an empty one is an empty field.
    bool ok = false;
    const double value = stored.toDouble(&ok);
    return ok ? app::DisplayFormat(field.format()).format(value, locale) : QString();
}

QString ParamName(const QString& slot) {
    return app::Params().entryForId(static_cast<quint8>(ValueOf(slot).toUInt())).Name;
}

QString TreeText(const QStringList& stored) {
    QStringList names;
    for (const QString& slot : stored) {
        names << ParamName(slot);
    }
    return names.join(QStringLiteral(", "));
}

QString OptionText(const std::vector<const form::FormItem*>& members, const QStringList& stored) {
    for (std::size_t i = 0; i < members.size() && i < static_cast<std::size_t>(stored.size());
         ++i) {
        if (ValueOf(stored.at(static_cast<qsizetype>(i))) != QLatin1String("0")) {
            return form::ShownCaption(members[i]->caption());
        }
    }
    return {};
}

}  // namespace

QString ChangedSlotsText(const QStringList& stored, const QStringList& other) {
    QStringList changed;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (i >= other.size() || stored.at(i) != other.at(i)) {
            changed << ParamName(stored.at(i)) +
                           app::NodeNumberSuffix(true, static_cast<int>(i) + 1);
        }
    }
    return changed.join(QStringLiteral(", "));
}

std::vector<const form::FormItem*> FieldMembers(const form::Form& form,
                                                const form::FormItem& head) {
    if (head.kind() != ItemKind::Option) {
        return {&head};
    }
    const std::vector<form::OptionItem*> group = form.optionGroup(head);
    return {group.begin(), group.end()};
}

QString FieldText(const form::Form& form, const form::FormItem& head, const QStringList& stored,
                  app::Translator& translator, const QLocale& locale) {
    if (stored.isEmpty()) {
        return {};
    }
    const QString first = ValueOf(stored.front());
    switch (head.kind()) {
        case ItemKind::List:
            return static_cast<const form::ListItem&>(head).entries().value(first.toInt());
        case ItemKind::Numeric:
            return NumberText(static_cast<const form::NumericItem&>(head), first, locale);
        case ItemKind::Text:
            return first;
        case ItemKind::Check:
            return CheckText(first.toInt(), translator);
        case ItemKind::Tree:
            return TreeText(stored);
        case ItemKind::Option:
            return OptionText(FieldMembers(form, head), stored);
        default:
            return {};
    }
}

}  // namespace kilnward::documents
