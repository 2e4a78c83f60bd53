#include "documents/ValueEncoding.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

#include "app/DecimalText.h"
#include "app/NumericField.h"
#include "documents/ControlKey.h"
#include "form/CheckItem.h"
#include "form/ListItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"

namespace kilnward::documents {

namespace {

using form::ItemKind;

// The whole number `value` is, when it is one within [low, high].
std::optional<int> WholeNumberIn(double value, int low, int high) {
    if (value != std::floor(value) || value < low || value > high) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// The whole number a stored text names, when it is one within [low, high]; text that does
// not begin with a number names none.
std::optional<int> WholeNumber(const QString& text, int low, int high) {
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*[+-]?\\s*\\.?\\d"));
    if (!leadingNumber.match(text).hasMatch()) {
        return std::nullopt;
    }
    return WholeNumberIn(app::LeadingDecimalValue(text), low, high);
}

QString EncodeSingle(const form::FormItem& item) {
    switch (item.kind()) {
        case ItemKind::List:
            return QString::number(static_cast<const form::ListItem&>(item).listIndex());
        case ItemKind::Text:
            return static_cast<const form::TextItem&>(item).text();
        case ItemKind::Option:
            return static_cast<const form::OptionItem&>(item).value() ? QStringLiteral("-1")
                                                                      : QStringLiteral("0");
        case ItemKind::Check:
            return app::ToLocaleDecimalText(static_cast<const form::CheckItem&>(item).value());
        case ItemKind::Numeric: {
            const auto value = static_cast<const form::NumericItem&>(item).value();
            return value ? app::ToLocaleDecimalText(*value) : QString();
        }
        default:
            return {};
    }
}

void DecodeSingle(form::FormItem& item, const QString& text) {
    switch (item.kind()) {
        case ItemKind::List: {
            auto& list = static_cast<form::ListItem&>(item);
            if (const auto position = WholeNumber(text, -1, list.count() - 1)) {
                list.setListIndex(*position);
            }
            break;
        }
        case ItemKind::Text: {
            // A longer line (a hand-edited file) keeps what the field shows and the analyser
            // stores, so a save and a send agree with the screen.
            auto& line = static_cast<form::TextItem&>(item);
            line.setText(line.maxLength() > 0 ? text.left(line.maxLength()) : text);
            break;
        }
        case ItemKind::Option:
            static_cast<form::OptionItem&>(item).setValue(app::LeadingDecimalValue(text) != 0);
            break;
        case ItemKind::Check:
            // Like a numeric field, a check box takes the decimal reading of the text: no
            // number reads as 0, unchecked.
            if (const auto state =
                    WholeNumberIn(app::LeadingDecimalValue(text), form::CheckItem::kUnchecked,
                                  form::CheckItem::kGrey)) {
                static_cast<form::CheckItem&>(item).setValue(*state);
            }
            break;
        case ItemKind::Numeric: {
            // A field that cannot be empty takes the decimal reading: no number reads as 0.
            auto& field = static_cast<form::NumericItem&>(item);
            if (text.trimmed().isEmpty() && field.allowsEmpty()) {
                field.setEmpty();
            } else {
                // A stored value outside the field's range is brought into it as leaving
                // the field would, so it never reaches a sector or a saved document as it is.
                field.setValue(app::ClampedForField(field, app::LeadingDecimalValue(text)));
            }
            break;
        }
        default:
            break;
    }
}

bool StoresValues(ItemKind kind) {
    switch (kind) {
        case ItemKind::List:
        case ItemKind::Text:
        case ItemKind::Option:
        case ItemKind::Check:
        case ItemKind::Numeric:
        case ItemKind::Tree:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::vector<StoredValue> EncodeControl(const form::FormItem& item) {
    if (!StoresValues(item.kind())) {
        return {};
    }
    if (item.kind() != ItemKind::Tree) {
        return {{ControlKey(item), EncodeSingle(item)}};
    }
    const auto& tree = static_cast<const form::TreeItem&>(item);
    std::vector<StoredValue> values;
    for (int node = 1; node <= tree.nodeCount(); ++node) {
        values.push_back({NodeKey(tree, node), QString::number(tree.node(node).parameterId())});
    }
    return values;
}

void DecodeControl(form::FormItem& item, const ValueReader& read) {
    if (!StoresValues(item.kind())) {
        return;
    }
    if (item.kind() != ItemKind::Tree) {
        DecodeSingle(item, read(ControlKey(item), EncodeSingle(item)));
        return;
    }
    auto& tree = static_cast<form::TreeItem&>(item);
    for (int node = 1; node <= tree.nodeCount(); ++node) {
        const QString current = QString::number(tree.node(node).parameterId());
        if (const auto id = WholeNumber(read(NodeKey(tree, node), current), 0, 255)) {
            tree.assignParameter(node, static_cast<std::uint8_t>(*id));
        }
    }
}

void RestoreOptionGroups(const std::vector<form::FormItem*>& items) {
    const auto isSetOption = [](const form::FormItem* item) {
        return item->kind() == ItemKind::Option &&
               static_cast<const form::OptionItem*>(item)->value();
    };
    for (form::FormItem* item : items) {
        if (item->kind() != ItemKind::Option) {
            continue;
        }
        auto* option = static_cast<form::OptionItem*>(item);
        if (!option->designValue() || option->value()) {
            continue;
        }
        const bool groupHasOneSet = std::any_of(items.begin(), items.end(), [&](const auto* other) {
            return other->container() == option->container() && isSetOption(other);
        });
        if (!groupHasOneSet) {
            option->setValue(true);
        }
    }
}

}  // namespace kilnward::documents
