#pragma once

#include <QString>

namespace kilnward::form {

class Form;

// Name of the main window, the first part of every control key.
inline const QString kMainWindowName = QStringLiteral("frmMain");

// Adds every control of the main window to `form`, in the window's one stable order,
// with its design-time state (captions, ranges, formats, defaults, lists, tags, containers).
void DeclareMainWindow(Form& form);

}  // namespace kilnward::form
