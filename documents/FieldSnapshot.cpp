#include "documents/FieldSnapshot.h"

#include "app/Translator.h"
#include "documents/ControlKey.h"
#include "documents/FieldText.h"
#include "documents/ValueEncoding.h"
#include "form/FieldNaming.h"
#include "form/Form.h"
#include "form/OptionItem.h"

namespace kilnward::documents {

namespace {

using form::ItemKind;

// The item that stands for the field `item` is part of: the first option button of its
// container, or the item itself.
const form::FormItem& FieldHead(const form::Form& form, const form::FormItem& item) {
    if (item.kind() != ItemKind::Option) {
        return item;
    }
    return *form.optionGroup(item).front();
}

QStringList StoredValues(const std::vector<const form::FormItem*>& members) {
    QStringList stored;
    for (const form::FormItem* member : members) {
        for (const StoredValue& value : EncodeControl(*member)) {
            stored << value.key + u'=' + value.value;
        }
    }
    return stored;
}

}  // namespace

FieldSnapshot FieldSnapshot::Take(const form::Form& form, const Documents& documents,
                                  app::Translator& translator, DocumentSet which,
                                  const QLocale& locale) {
    FieldSnapshot snapshot;
    for (const form::FormItem* item : form.items()) {
        const int d = documents.FindDocumentByTag(item->documentTag());
        if (d < 0 || !which.test(static_cast<std::size_t>(d)) || &FieldHead(form, *item) != item) {
            continue;
        }
        const std::vector<const form::FormItem*> members = FieldMembers(form, *item);
        QStringList stored = StoredValues(members);
        if (stored.isEmpty()) {
            continue;  // labels, frames, tab strips and menus store nothing
        }
        QString text = FieldText(form, *item, stored, translator, locale);
        QString place = form::FieldPlace(*item);
        QString caption = form::FieldCaption(form, *item);
        QString title = form::FieldTitle(place, caption);
        snapshot.append({ControlKey(*item), d, std::move(stored), std::move(text), std::move(title),
                         std::move(place), std::move(caption), item->kind() == ItemKind::Tree});
    }
    snapshot.numberSameTitles();
    return snapshot;
}

void FieldSnapshot::numberSameTitles() {
    QHash<QString, int> uses;
    for (const SnapshotField& field : fields_) {
        ++uses[field.title];
    }
    QHash<QString, int> numbered;
    for (SnapshotField& field : fields_) {
        if (uses.value(field.title) > 1) {
            const int number = ++numbered[field.title];
            const QString suffix = QStringLiteral(" (%1)").arg(number);
            field.title += suffix;
            field.caption += suffix;
        }
    }
}

std::optional<std::pair<QString, QStringList>> FieldSnapshot::StoredField(
    const form::Form& form, const form::FormItem& item) {
    const form::FormItem& head = FieldHead(form, item);
    QStringList stored = StoredValues(FieldMembers(form, head));
    if (stored.isEmpty()) {
        return std::nullopt;
    }
    return std::make_pair(ControlKey(head), std::move(stored));
}

const SnapshotField* FieldSnapshot::find(const QString& key) const {
    const auto found = byKey_.constFind(key);
    return found == byKey_.cend() ? nullptr : &fields_[*found];
}

void FieldSnapshot::adopt(const FieldSnapshot& fresh, int d) {
    for (const SnapshotField& field : fresh.fields_) {
        if (field.document != d) {
            continue;
        }
        const auto found = byKey_.constFind(field.key);
        if (found == byKey_.cend()) {
            append(field);
        } else {
            fields_[*found] = field;
        }
    }
}

void FieldSnapshot::append(SnapshotField field) {
    byKey_.insert(field.key, fields_.size());
    fields_.push_back(std::move(field));
}

}  // namespace kilnward::documents
