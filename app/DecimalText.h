#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace kilnward::app {

// The user's decimal separator ("." or "," ...), from the system locale unless overridden.
QString DecimalSeparator();
// Tests (and a user setting, should one appear) replace the locale's separator; nullopt
// returns to the locale.
void OverrideDecimalSeparator(std::optional<QString> separator);

// The text with the first DecimalSeparator() replaced by ".".
QString ToInvariantDecimal(const QString& text);
// A number in the user's locale, then ToInvariantDecimal: what document files store. The
// shortest plain decimal that reads back as the same value, never in exponent form.
QString ToLocaleDecimalText(double value);
// The longest leading number of `text` with "." as decimal separator (blanks anywhere
// ignored; sign, digits, one ".", digits, exponent); 0 when there is none, an infinity of
// its sign when it is too large for a double. Independent of the locale: how the program
// reads numbers from its files.
double LeadingDecimalValue(const QString& text);
// `text` as a whole decimal number from 0 to 255 (blanks around it allowed); nullopt for
// anything else.
std::optional<quint8> ByteValue(const QString& text);

}  // namespace kilnward::app
