#pragma once

class QDialog;
class QDialogButtonBox;

namespace kilnward::dialogs {

class WidgetWindow;

// The button row of a dialog closed by its OK button: "&OK" (control cmdOK of `window`),
// the default button, accepting `dialog`.
QDialogButtonBox* OkButtonBox(QDialog& dialog, WidgetWindow& window);

}  // namespace kilnward::dialogs
