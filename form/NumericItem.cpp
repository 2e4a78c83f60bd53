#include "form/NumericItem.h"

#include <utility>

#include "app/DisplayFormat.h"
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
    if (update(value_, value, ItemChange::Value)) {
        raiseEdited();
    }
}

QString NumericItem::displayText(const QLocale& locale) const {
    return value_ ? app::DisplayFormat(format_).format(*value_, locale) : QString();
}

bool NumericItem::setText(const QString& text, const QLocale& locale) {
    if (text.trimmed().isEmpty()) {
        if (!allowsEmpty_) {
            return false;
        }
        assign(std::nullopt);
        return true;
    }
    const std::optional<double> value = app::DisplayFormat(format_).parse(text, locale);
    if (value) {
        assign(*value);
    }
    return value.has_value();
}

void NumericItem::setFormat(const QString& format) {
    update(format_, format, ItemChange::Format);
}

void NumericItem::setCaptionGreyed(bool greyed) {
    update(captionGreyed_, greyed, ItemChange::CaptionColour);
}

void NumericItem::complete() {
    raiseCompleted(*this);
}

}  // namespace kilnward::form
