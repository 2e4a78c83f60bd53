#pragma once

#include <QString>

#include <optional>

namespace kilnward::app {

// The name of a control in document files and in the language database:
// window "!" control, then "#" index for a member of a control array.
QString ControlKey(const QString& windowName, const QString& controlName,
                   std::optional<int> index = std::nullopt);
// "#" and the index for a member of a control array; empty without an index.
QString IndexSuffix(std::optional<int> index);
// ControlKey ":" item, for tree nodes, tabs, list entries and toolbar buttons.
QString ControlItemKey(const QString& controlKey, int item);

}  // namespace kilnward::app
