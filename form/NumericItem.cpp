#include "form/NumericItem.h"

#include <utility>

#include "form/Form.h"

namespace kilnward::form {

NumericItem::NumericItem(QString name, int index, QString tag, Range range, QString format,
                         double designDefault, bool allowsEmpty)
    : FormItem(ItemKind::Numeric, std::move(name), index, std::move(tag)),
      range_(range),
      format_(std::move(format)),
      designDefault_(designDefault),
      allowsEmpty_(allowsEmpty),
      value_(designDefault) {}

void NumericItem::assign(std::optional<double> value) {
    if (value_ == value) {
        return;
    }
    value_ = value;
    notify(ItemChange::Value);
    raiseEdited();
}

void NumericItem::setFormat(const QString& format) {
    if (format_ == format) {
        return;
    }
    format_ = format;
    notify(ItemChange::Format);
}

void NumericItem::setCaptionGreyed(bool greyed) {
    if (captionGreyed_ == greyed) {
        return;
    }
    captionGreyed_ = greyed;
    notify(ItemChange::CaptionColour);
}

void NumericItem::complete() {
    if (form()) {
        form()->announceCompletion(*this);
    }
}

}  // namespace kilnward::form
