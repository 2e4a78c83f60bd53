#include "app/DisplayFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace kilnward::app {

namespace {

// Adds one unit in the last place of a string of decimal digits; true when it carries out
// of the first digit.
bool IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

bool IsPlaceholder(QChar c) {
    return c == u'0' || c == u'#' || c == u'.';
}

}  // namespace

DisplayFormat::DisplayFormat(const QString& picture) {
    const qsizetype split = picture.indexOf(u';');
    positive_ = ParseSection(split < 0 ? picture : picture.left(split));
    if (split >= 0) {
        negative_ = ParseSection(picture.mid(split + 1));
    }
}

DisplayFormat::Section DisplayFormat::ParseSection(const QString& picture) {
    Section section;
    bool inNumber = false;
    bool afterNumber = false;
    for (qsizetype i = 0; i < picture.size(); ++i) {
        const QChar c = picture[i];
        if (IsPlaceholder(c) && !afterNumber) {
            inNumber = true;
            if (c == u'.') {
                section.hasPoint = true;
            } else if (section.hasPoint) {
                ++section.decimals;
                section.fixedDecimals += c == u'0' ? 1 : 0;
            } else {
                section.integerDigits += c == u'0' ? 1 : 0;
            }
            continue;
        }
        QString literal(c);
        if (c == u'\\' && i + 1 < picture.size()) {
            literal = picture[++i];
        } else if (c == u'"') {
            const qsizetype end = picture.indexOf(u'"', i + 1);
            literal = picture.mid(i + 1, end < 0 ? -1 : end - i - 1);
            i = end < 0 ? picture.size() : end;
        }
        afterNumber = afterNumber || inNumber;
        (afterNumber ? section.suffix : section.prefix) += literal;
    }
    return section;
}

QString DisplayFormat::Digits(double magnitude, const Section& section, const QLocale& locale) {
    // The shortest decimal text that reads back as the value, so 2.675 rounds as the user
    // reads it, not as its binary neighbour 2.67499999...
    std::array<char, 400> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::fixed);
    const std::string text(buffer.data(), written.ptr);
    const auto point = text.find('.');
    std::string integer = text.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);

    const auto decimals = static_cast<size_t>(section.decimals);
    if (fraction.size() > decimals) {
        const bool roundUp = fraction[decimals] >= '5';
        fraction.resize(decimals);
        if (roundUp && IncrementDigits(fraction) && IncrementDigits(integer)) {
            integer.insert(integer.begin(), '1');
        }
    }
    fraction.resize(decimals, '0');
    while (fraction.size() > static_cast<size_t>(section.fixedDecimals) && fraction.back() == '0') {
        fraction.pop_back();
    }
    const auto firstSignificant = integer.find_first_not_of('0');
    integer.erase(0, firstSignificant == std::string::npos ? integer.size() : firstSignificant);
    if (integer.size() < static_cast<size_t>(section.integerDigits)) {
        integer.insert(0, static_cast<size_t>(section.integerDigits) - integer.size(), '0');
    }
    QString result = QString::fromStdString(integer);
    if (!fraction.empty()) {
        result += locale.decimalPoint() + QString::fromStdString(fraction);
    }
    return result;
}

QString DisplayFormat::format(double value, const QLocale& locale) const {
    if (!std::isfinite(value)) {
        return locale.toString(value);
    }
    if (value < 0) {
        const Section& section = negative_ ? *negative_ : positive_;
        const QString digits = Digits(-value, section, locale);
        const bool roundsToZero = std::none_of(digits.begin(), digits.end(),
                                               [](QChar c) { return c.isDigit() && c != u'0'; });
        // A negative number too small for the picture is shown as zero, without a sign.
        if (!roundsToZero) {
            const QString sign = negative_ ? QString() : locale.negativeSign();
            return sign + section.prefix + digits + section.suffix;
        }
        value = 0.0;
    }
    return positive_.prefix + Digits(value, positive_, locale) + positive_.suffix;
}

std::optional<double> DisplayFormat::parse(const QString& text, const QLocale& locale) const {
    QString number = text.trimmed();
    const Section* section = &positive_;
    bool negativeSection = false;
    const auto strip = [&number](const Section& candidate) {
        const QString prefix = candidate.prefix.trimmed();
        const QString suffix = candidate.suffix.trimmed();
        if ((prefix.isEmpty() && suffix.isEmpty()) ||
            number.size() <= prefix.size() + suffix.size() || !number.startsWith(prefix) ||
            !number.endsWith(suffix)) {
            return false;
        }
        number = number.mid(prefix.size(), number.size() - prefix.size() - suffix.size()).trimmed();
        return true;
    };
    if (negative_ && strip(*negative_)) {
        section = &*negative_;
        negativeSection = true;
    } else {
        strip(positive_);
    }
    const std::optional<double> read = ReadNumber(number, locale);
    if (!read || (negativeSection && *read < 0)) {
        return std::nullopt;
    }
    const double magnitude = RoundedTo(std::fabs(*read), section->decimals);
    return (negativeSection || *read < 0) && magnitude != 0.0 ? -magnitude : magnitude;
}

double DisplayFormat::rounded(double value) const {
    if (!std::isfinite(value)) {
        return value;
    }
    const Section& section = value < 0 && negative_ ? *negative_ : positive_;
    const double magnitude = RoundedTo(std::fabs(value), section.decimals);
    return value < 0 && magnitude != 0.0 ? -magnitude : magnitude;
}

// Rounded as Digits rounds the shown text, half away from zero.
double DisplayFormat::RoundedTo(double magnitude, int decimals) {
    Section rounding;
    rounding.integerDigits = 1;
    rounding.decimals = decimals;
    const std::string text = Digits(magnitude, rounding, QLocale::c()).toStdString();
    double result = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

std::optional<double> DisplayFormat::ReadNumber(QString text, const QLocale& locale) {
    bool negative = false;
    if (text.startsWith(u'+') || text.startsWith(u'-') || text.startsWith(locale.negativeSign())) {
        negative = !text.startsWith(u'+');
        text = text.mid(
            text.startsWith(u'+') || text.startsWith(u'-') ? 1 : locale.negativeSign().size());
    }
    std::string plain;
    bool seenPoint = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            plain += static_cast<char>(c.unicode());
        } else if (!seenPoint &&
                   (c == u'.' || c == u',' || text.mid(i).startsWith(locale.decimalPoint()))) {
            // The pictures have no thousands mark, so either mark can only be the decimal one.
            seenPoint = true;
            i += c == u'.' || c == u',' ? 0 : locale.decimalPoint().size() - 1;
            plain += '.';
        } else {
            return std::nullopt;
        }
    }
    if (plain.find_first_of("0123456789") == std::string::npos) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto parsed = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (parsed.ec != std::errc() || parsed.ptr != plain.data() + plain.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace kilnward::app
