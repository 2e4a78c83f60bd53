#include "documents/ControlKey.h"

#include "app/ControlKey.h"
#include "form/FormItem.h"

#include <optional>

namespace kilnward::documents {

QString GetOwnerFormName(const form::FormItem& item) {
    return item.windowName();
}

namespace {

std::optional<int> ArrayIndex(const form::FormItem& item) {
    return item.isArrayMember() ? std::optional<int>(item.index()) : std::nullopt;
}

}  // namespace

QString GetIndexSuffix(const form::FormItem& item) {
    return app::IndexSuffix(ArrayIndex(item));
}

QString ControlKey(const form::FormItem& item) {
    return app::ControlKey(GetOwnerFormName(item), item.name(), ArrayIndex(item));
}

QString NodeKey(const form::FormItem& tree, int node) {
    return app::ControlItemKey(ControlKey(tree), node);
}

}  // namespace kilnward::documents
