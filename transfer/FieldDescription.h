#pragma once

#include <QString>

namespace kilnward::form {
class FormItem;
}

namespace kilnward::transfer {

// How a message names a control: its caption as shown (without access-key marks), then its
// key in brackets: "Copies number (frmMain!TDBNumprtcopies)"; the key alone when it has no
// caption.
QString FieldDescription(const form::FormItem& item);

}  // namespace kilnward::transfer
