#include "documents/ControlKey.h"

#include "app/ControlKey.h"
#include "form/FormItem.h"

namespace kilnward::documents {

QString GetOwnerFormName(const form::FormItem& item) {
    return item.windowName();
}

QString GetIndexSuffix(const form::FormItem& item) {
    return item.isArrayMember() ? QStringLiteral("#") + QString::number(item.index()) : QString();
}

QString ControlKey(const form::FormItem& item) {
    return GetOwnerFormName(item) + u'!' + item.name() + GetIndexSuffix(item);
}

QString NodeKey(const form::FormItem& tree, int node) {
    return app::ControlItemKey(ControlKey(tree), node);
}

}  // namespace kilnward::documents
