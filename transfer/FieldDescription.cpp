#include "transfer/FieldDescription.h"

#include "documents/ControlKey.h"
#include "form/FieldNaming.h"
#include "form/Form.h"
#include "form/FormItem.h"

namespace kilnward::transfer {

QString FieldDescription(const form::FormItem& item) {
    const QString title = item.form() ? form::FieldTitle(*item.form(), item) : QString();
    return title.isEmpty() ? documents::ControlKey(item) : title;
}

}  // namespace kilnward::transfer
