#include "app/DecimalText.h"

#include <QLocale>

#include <cmath>

namespace kilnward::app {

namespace {

std::optional<QString>& SeparatorOverride() {
    static std::optional<QString> separator;
    return separator;
}

}  // namespace

QString DecimalSeparator() {
    if (SeparatorOverride()) {
        return *SeparatorOverride();
    }
    return QLocale::system().decimalPoint();
}

void OverrideDecimalSeparator(std::optional<QString> separator) {
    SeparatorOverride() = std::move(separator);
}

QString ToInvariantDecimal(const QString& text) {
    const QString separator = DecimalSeparator();
    const qsizetype at = separator.isEmpty() ? -1 : text.indexOf(separator);
    if (at < 0) {
        return text;
    }
    QString result = text;
    result.replace(at, separator.size(), QLatin1Char('.'));
    return result;
}

QString ToLocaleDecimalText(double value) {
    // The shortest plain decimal (never exponent form) that reads back as the same double.
    QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    const QString separator = DecimalSeparator();
    if (separator != QLatin1String(".")) {
        text.replace(QLatin1Char('.'), separator);
    }
    return ToInvariantDecimal(text);
}

double LeadingDecimalValue(const QString& text) {
    QString compact = text;
    compact.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    // Longest prefix of the form [sign] digits [. digits] [e [sign] digits].
    qsizetype i = 0;
    const auto isDigit = [&](qsizetype at) { return at < compact.size() && compact[at].isDigit(); };
    if (i < compact.size() && (compact[i] == QLatin1Char('+') || compact[i] == QLatin1Char('-'))) {
        ++i;
    }
    qsizetype digits = 0;
    while (isDigit(i)) {
        ++i;
        ++digits;
    }
    if (i < compact.size() && compact[i] == QLatin1Char('.')) {
        ++i;
        while (isDigit(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    qsizetype end = i;
    if (i < compact.size() && (compact[i] == QLatin1Char('e') || compact[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < compact.size() &&
            (compact[j] == QLatin1Char('+') || compact[j] == QLatin1Char('-'))) {
            ++j;
        }
        if (isDigit(j)) {
            while (isDigit(j)) {
                ++j;
            }
            end = j;
        }
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(compact.left(end), &ok);
    // A number too large for a double ("1e999") reads as an infinity of its sign, so a
    // field clamps it to its maximum or minimum instead of taking it for 0.
    return ok || std::isinf(value) ? value : 0.0;
}

std::optional<quint8> ByteValue(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok || value < 0 || value > 255) {
        return std::nullopt;
    }
    return static_cast<quint8>(value);
}

}  // namespace kilnward::app
