#include "editor/FormAdapter.h"

#include "app/DisplayFormat.h"
#include "form/FormItem.h"
#include "form/NumericItem.h"

namespace kilnward::editor::adapter {

namespace {

const form::FormItem* gUserEdit = nullptr;

}  // namespace

bool IsTabPage(const form::FormItem& item) {
    return item.kind() == form::ItemKind::Frame && item.container() &&
           item.container()->kind() == form::ItemKind::TabStrip;
}

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
    const form::FormItem* outer = gUserEdit;
    gUserEdit = &item;
    edit();
    gUserEdit = outer;
}

bool IsUserEditOf(const form::FormItem& item) {
    return gUserEdit == &item;
}

}  // namespace kilnward::editor::adapter
