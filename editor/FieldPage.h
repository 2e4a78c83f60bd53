#pragma once

#include <vector>

#include "form/FieldNaming.h"

namespace kilnward::form {
class FieldFinder;
class FormItem;
}  // namespace kilnward::form

namespace kilnward::editor {

// Selects each of `tabs`, outermost first, as the user would click it, so the tab rules run.
void OpenTabs(const std::vector<form::FieldTab>& tabs);
// Opens the page and tabs that hold `field` when the model offers it there; false, and
// nothing changes, when it does not.
bool OpenFieldPage(const form::FieldFinder& finder, form::FormItem& field);

}  // namespace kilnward::editor
