#include "wirelink/PortNames.h"

#include <cctype>
#include <charconv>

namespace wirelink {

std::string PortNameForNumber(std::int16_t number, Platform platform) {
    if (number < 1) {
        return {};
    }
    if (platform == Platform::Windows) {
        return "COM" + std::to_string(number);
    }
    return "/dev/ttyS" + std::to_string(number - 1);
}

std::int16_t PortNumberFromName(std::string_view name, Platform platform) {
    if (platform != Platform::Windows) {
        return 0;
    }
    constexpr std::string_view kDevicePrefix = "\\\\.\\";
    if (name.substr(0, kDevicePrefix.size()) == kDevicePrefix) {
        name.remove_prefix(kDevicePrefix.size());
    }
    if (name.size() < 4 || std::toupper(static_cast<unsigned char>(name[0])) != 'C' ||
        std::toupper(static_cast<unsigned char>(name[1])) != 'O' ||
        std::toupper(static_cast<unsigned char>(name[2])) != 'M') {
        return 0;
    }
    const std::string_view digits = name.substr(3);
    std::int16_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || number < 1) {
        return 0;
    }
    return number;
}

std::string ListedPortName(const std::string& portName, const std::string& systemLocation,
                           Platform platform) {
    if (platform == Platform::Windows && !portName.empty()) {
        return portName;
    }
    return systemLocation.empty() ? portName : systemLocation;
}

}  // namespace wirelink
