#pragma once

#include <QLocale>
#include <QString>

#include <optional>

#include "app/NumericField.h"
#include "form/FormItem.h"

namespace kilnward::form {

// A numeric edit field (TDBNum...): a value that may be empty, a range, a display format and
// a design default. The range is enforced when the user leaves the field (`complete`), not
// on every assignment, as the field's own control does.
class NumericItem : public FormItem, public app::NumericField {
  public:
    struct Range {
        double minimum;
        double maximum;
    };

    NumericItem(QString name, int index, QString tag, Range range, QString format,
                double designDefault, bool allowsEmpty);

    // Empty when the field holds no number.
    std::optional<double> value() const override { return value_; }
    // The value a calculation sees: an empty field counts as 0.
    double number() const { return value_.value_or(0.0); }
    void setValue(double value) override { assign(value); }
    void setEmpty() { assign(std::nullopt); }
    // Either of the two above.
    void assign(std::optional<double> value);

    double minimum() const override { return range_.minimum; }
    double maximum() const override { return range_.maximum; }
    bool allowsEmpty() const override { return allowsEmpty_; }
    double designDefault() const { return designDefault_; }

    const QString& format() const { return format_; }
    void setFormat(const QString& format);
    // True while the caption is shown in the colour of disabled text.
    bool captionGreyed() const { return captionGreyed_; }
    void setCaptionGreyed(bool greyed);

    // The value as the field shows it through its display format; empty when it holds none.
    QString displayText(const QLocale& locale = QLocale()) const;
    // What the user typed, read through the display format and assigned like setValue (the
    // same change and edit events). An empty text empties a field that allows it. False, with
    // nothing changed, for a text that is no number or an empty text the field refuses.
    bool setText(const QString& text, const QLocale& locale = QLocale());

    // The user leaves the field: bring the value into the range.
    void complete();

  private:
    Range range_;
    QString format_;
    double designDefault_;
    bool allowsEmpty_;
    bool captionGreyed_ = false;
    std::optional<double> value_;
};

}  // namespace kilnward::form
