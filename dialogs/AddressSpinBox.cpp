#include "dialogs/AddressSpinBox.h"

#include <QRegularExpression>

#include <algorithm>

namespace kilnward::dialogs {

AddressSpinBox::AddressSpinBox(QWidget* parent) : QSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

bool AddressSpinBox::wholeNumber(const QString& input, QString& digits) const {
    static const QRegularExpression kWhole(QStringLiteral("^[+-]?\\d*$"));
    QString text = input;
    if (!prefix().isEmpty() && text.startsWith(prefix())) {
        text.remove(0, prefix().size());
    }
    if (!suffix().isEmpty() && text.endsWith(suffix())) {
        text.chop(suffix().size());
    }
    digits = text.trimmed();
    return kWhole.match(digits).hasMatch();
}

QValidator::State AddressSpinBox::validate(QString& input, int& pos) const {
    const QValidator::State state = QSpinBox::validate(input, pos);
    QString digits;
    // Out of range while typing (a sign alone included): kept, to be brought into range when
    // the field is left.
    if (state == QValidator::Invalid && wholeNumber(input, digits)) {
        return QValidator::Intermediate;
    }
    return state;
}

void AddressSpinBox::fixup(QString& input) const {
    QString digits;
    if (!wholeNumber(input, digits)) {
        QSpinBox::fixup(input);
        return;
    }
    // Digits beyond what a number holds count as the far end of the range.
    bool fits = false;
    const qlonglong typed = digits.toLongLong(&fits);
    if (!fits && digits.size() <= 1) {
        return;  // empty, or a sign alone: the spin box's own correction takes it
    }
    const bool negative = digits.startsWith(QLatin1Char('-'));
    qlonglong clamped = fits ? std::clamp<qlonglong>(typed, minimum(), maximum())
                             : (negative ? minimum() : maximum());
    input = textFromValue(static_cast<int>(clamped));
}

}  // namespace kilnward::dialogs
