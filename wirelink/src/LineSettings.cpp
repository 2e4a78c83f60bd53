#include "wirelink/LineSettings.h"

#include <cctype>
#include <charconv>
#include <string_view>
#include <vector>

namespace wirelink {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) {
        s.remove_prefix(1);
    }
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) {
        s.remove_suffix(1);
    }
    return s;
}

std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        fields.push_back(Trim(text.substr(start, comma - start)));
        if (comma == std::string_view::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

std::optional<int> ParseInt(std::string_view s) {
    int value = 0;
    const auto* end = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(s.data(), end, value);
    if (s.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<LineSettings::Parity> ParseParity(std::string_view s) {
    if (s.size() != 1) {
        return std::nullopt;
    }
    switch (std::tolower(static_cast<unsigned char>(s[0]))) {
        case 'n':
            return LineSettings::Parity::None;
        case 'e':
            return LineSettings::Parity::Even;
        case 'o':
            return LineSettings::Parity::Odd;
        case 'm':
            return LineSettings::Parity::Mark;
        case 's':
            return LineSettings::Parity::Space;
        default:
            return std::nullopt;
    }
}

std::optional<LineSettings::StopBits> ParseStopBits(std::string_view s) {
    if (s == "1") {
        return LineSettings::StopBits::One;
    }
    if (s == "1.5") {
        return LineSettings::StopBits::OneAndHalf;
    }
    if (s == "2") {
        return LineSettings::StopBits::Two;
    }
    return std::nullopt;
}

}  // namespace

std::optional<LineSettings> ParseLineSettings(const std::string& text) {
    const auto fields = SplitFields(text);
    if (fields.size() != 4) {
        return std::nullopt;
    }
    const auto baud = ParseInt(fields[0]);
    const auto parity = ParseParity(fields[1]);
    const auto dataBits = ParseInt(fields[2]);
    const auto stopBits = ParseStopBits(fields[3]);
    if (!baud || *baud <= 0 || !parity || !dataBits || *dataBits < 5 || *dataBits > 8 ||
        !stopBits) {
        return std::nullopt;
    }
    return LineSettings{*baud, *parity, *dataBits, *stopBits};
}

}  // namespace wirelink
