#pragma once

#include <QString>

#include <functional>

namespace kilnward::form {
class FormItem;
class NumericItem;
}  // namespace kilnward::form

// How the window reads and writes numbers and marks the user's own edits: one place, so the
// window never formats a number or tells an origin on its own.
namespace kilnward::editor::adapter {

// `value` in a display format ("####0.000", "##0.000;  Minus ##0.000").
QString FormatNumber(const QString& format, double value);
// The text a numeric field shows for its value in its display format.
QString NumericText(const form::NumericItem& item);
// Takes what the user typed; false (and nothing changes) when it is not a number yet.
bool SetNumericText(form::NumericItem& item, const QString& text);

// Runs `edit` as the user's own edit of `item`: its changes come back with origin User.
void RunUserEdit(form::FormItem& item, const std::function<void()>& edit);

}  // namespace kilnward::editor::adapter
