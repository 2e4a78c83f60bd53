#include "transfer/FieldDescription.h"

#include "documents/ControlKey.h"
#include "form/FormItem.h"

namespace kilnward::transfer {

QString FieldDescription(const form::FormItem& item) {
    const QString key = documents::ControlKey(item);
    QString caption = item.caption();
    caption.remove(QLatin1Char('&'));
    caption = caption.trimmed();
    return caption.isEmpty() ? key : QStringLiteral("%1 (%2)").arg(caption, key);
}

}  // namespace kilnward::transfer
