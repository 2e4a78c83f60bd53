#pragma once

#include <QString>

namespace kilnward::form {
class FormItem;
}

namespace kilnward::documents {

// The name of the window holding the control.
QString GetOwnerFormName(const form::FormItem& item);
// "#" and the index for a member of a control array, else empty.
QString GetIndexSuffix(const form::FormItem& item);
// Window "!" name [ "#" index ]: the control's key in document files and the language table.
QString ControlKey(const form::FormItem& item);
// The key of node `node` (1-based) of a tree: the tree's key, ":" and the node number.
QString NodeKey(const form::FormItem& tree, int node);

}  // namespace kilnward::documents
