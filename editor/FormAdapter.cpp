#include "editor/FormAdapter.h"

#include "app/DisplayFormat.h"
#include "form/FormItem.h"
#include "form/NumericItem.h"
#include "form/UserEdit.h"

namespace kilnward::editor::adapter {

QString NumericText(const form::NumericItem& item) {
    return item.displayText();
}

QString FormatNumber(const QString& format, double value) {
    return app::DisplayFormat(format).format(value);
}

bool SetNumericText(form::NumericItem& item, const QString& text) {
    return item.setText(text);
}

void RunUserEdit(form::FormItem& item, const std::function<void()>& edit) {
    const form::UserEdit user(item);
    edit();
}

}  // namespace kilnward::editor::adapter
