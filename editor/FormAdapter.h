#pragma once

#include <QString>

#include <functional>

namespace kilnward::form {
class FormItem;
class NumericItem;
}  // namespace kilnward::form

// The few places where the window asks the form something it does not yet say itself.
// Each answer lives here only, so the form's own answer replaces one function.
namespace kilnward::editor::adapter {

// A frame that is a page of a tab strip: the strip, not the frame, decides what shows.
bool IsTabPage(const form::FormItem& item);

// `value` in a display format ("####0.000", "##0.000;  Minus ##0.000").
QString FormatNumber(const QString& format, double value);
// The text a numeric field shows for its value in its display format.
QString NumericText(const form::NumericItem& item);
// Takes what the user typed; false (and nothing changes) when it is not a number yet.
bool SetNumericText(form::NumericItem& item, const QString& text);

// Runs `edit` as the user's own edit of `item`.
void RunUserEdit(form::FormItem& item, const std::function<void()>& edit);
// True while the user's own edit of `item` runs: its widget already shows the value.
bool IsUserEditOf(const form::FormItem& item);

}  // namespace kilnward::editor::adapter
