#pragma once

#include <QString>

namespace kilnward::form {
class FormItem;
}

namespace kilnward::transfer {

// How a message names a control: as the user finds it, by the tabs that hold it and its
// caption ("Printer / Header / Header line 2", FieldTitle); its key only when it has neither.
QString FieldDescription(const form::FormItem& item);

}  // namespace kilnward::transfer
