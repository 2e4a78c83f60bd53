#include "form/FieldNaming.h"

#include <QStringList>

#include "form/Form.h"
#include "form/ShownCaption.h"
#include "form/TabStripItem.h"

namespace kilnward::form {

namespace {

const QString kPlaceSeparator = QStringLiteral(" / ");

}  // namespace

QString FieldCaption(const Form& form, const FormItem& item) {
    for (const FormItem* label : form.items()) {
        if (label->kind() == ItemKind::Label && label->buddy() == &item) {
            return ShownCaption(label->caption());
        }
    }
    return ShownCaption(item.caption());
}

std::vector<FieldTab> FieldTabs(const FormItem& item) {
    std::vector<FieldTab> tabs;
    for (const FormItem* inner = &item; inner->container(); inner = inner->container()) {
        if (inner->container()->kind() == ItemKind::TabStrip && inner->containerTab() != kNoIndex) {
            tabs.insert(tabs.begin(),
                        {static_cast<TabStripItem*>(inner->container()), inner->containerTab()});
        }
    }
    return tabs;
}

QString FieldPlace(const FormItem& item) {
    QStringList tabs;
    for (const FieldTab& tab : FieldTabs(item)) {
        tabs << ShownCaption(tab.strip->tabCaptions().value(tab.tab));
    }
    return tabs.join(kPlaceSeparator);
}

QString FieldTitle(const Form& form, const FormItem& item) {
    return FieldTitle(FieldPlace(item), FieldCaption(form, item));
}

QString FieldTitle(const QString& place, const QString& caption) {
    if (place.isEmpty() || caption.isEmpty()) {
        return place + caption;
    }
    return place + kPlaceSeparator + caption;
}

}  // namespace kilnward::form
