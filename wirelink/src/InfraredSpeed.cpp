#include "InfraredSpeed.h"

#include <array>
#include <cctype>
#include <utility>

namespace wirelink {

std::optional<std::uint8_t> InfraredSpeedCode(const std::string& rate) {
    static constexpr std::array<std::pair<const char*, std::uint8_t>, 8> kCodes{{
        {"1200", 0x1C},
        {"2400", 0x1A},
        {"4800", 0x18},
        {"9600", 0x16},
        {"19200", 0x13},
        {"38400", 0x12},
        {"57600", 0x11},
        {"115200", 0x10},
    }};
    for (const auto& [text, code] : kCodes) {
        if (rate == text) {
            return code;
        }
    }
    return std::nullopt;
}

long LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        if (value > 100'000'000) {
            return value;  // large enough for any comparison made with it
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace wirelink
