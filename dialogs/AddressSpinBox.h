#pragma once

#include <QSpinBox>

namespace kilnward::dialogs {

// A whole-number field that lets a number beyond its range be typed whole ("300") and brings
// it to the nearest end of the range when the field is left, instead of refusing the digit
// that crosses the maximum ("300" would otherwise end as 30).
class AddressSpinBox : public QSpinBox {
    Q_OBJECT

  public:
    explicit AddressSpinBox(QWidget* parent = nullptr);

  protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

  private:
    // The typed number without prefix, suffix and blanks, when it is a whole number.
    bool wholeNumber(const QString& input, QString& digits) const;
};

}  // namespace kilnward::dialogs
