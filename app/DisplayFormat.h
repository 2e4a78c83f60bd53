#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace kilnward::app {

// A numeric display picture such as "####0.000" or "##0.000;  Minus ##0.000": '0' is a digit
// always shown, '#' a digit shown only when significant, '.' the decimal separator (shown as
// the locale's), any other character literal text ("\x" and "..." quote characters). An
// optional second section after ';' shows negative numbers: their absolute value framed by
// that section's literal text. Without it a negative number is shown with a leading "-".
// Integer digits beyond the picture's placeholders are always shown; decimals are rounded
// half away from zero.
class DisplayFormat {
  public:
    explicit DisplayFormat(const QString& picture);

    int decimals() const { return positive_.decimals; }

    QString format(double value, const QLocale& locale = QLocale()) const;
    // The number a user typed: the locale's decimal separator, "." or ",", an optional sign,
    // the sections' literal text around it (the negative section's makes it negative), blanks
    // around it ignored. Rounded to the picture's decimals, so the value stored is the value
    // shown. nullopt for an empty or unreadable text.
    std::optional<double> parse(const QString& text, const QLocale& locale = QLocale()) const;
    // The value as the picture shows it: rounded to its decimals like format().
    double rounded(double value) const;

  private:
    struct Section {
        QString prefix;
        QString suffix;
        int integerDigits = 0;  // '0' placeholders before the decimal point
        int decimals = 0;       // placeholders after it
        int fixedDecimals = 0;  // '0' placeholders after it
        bool hasPoint = false;
    };
    static Section ParseSection(const QString& picture);
    static QString Digits(double magnitude, const Section& section, const QLocale& locale);
    static std::optional<double> ReadNumber(QString text, const QLocale& locale);
    static double RoundedTo(double value, int decimals);

    Section positive_;
    std::optional<Section> negative_;
};

}  // namespace kilnward::app
