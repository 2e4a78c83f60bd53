#include "drivers/MeasurementCodec.h"

#include <array>
#include <bit>
#include <cmath>

#include "drivers/DivisionByZeroError.h"
#include "drivers/OverflowError.h"

namespace kilnward::drivers {

namespace {

constexpr std::uint32_t kFloatErrorMarker = 0x6F80FF00;
constexpr std::uint32_t kFloatErrorMask = 0xFFFF0000;
constexpr std::uint16_t kIntErrorMarker = 0x8F00;
constexpr std::uint16_t kIntErrorMask = 0xFF00;

// A negative code would build a pattern that no decoder reads back as an error, so the
// codes are held to the one byte the markers carry.
std::uint8_t CheckedErrorCode(std::int32_t errorCode) {
    if (errorCode < 0 || errorCode > 255) {
        throw OverflowError("measurement error code " + std::to_string(errorCode) +
                            " outside 0..255");
    }
    return static_cast<std::uint8_t>(errorCode);
}

}  // namespace

float EncodeMeasFloat(float value, std::int32_t errorCode) {
    if (errorCode == 0) {
        return value;
    }
    return std::bit_cast<float>(kFloatErrorMarker + CheckedErrorCode(errorCode));
}

std::int16_t EncodeMeasInt(float value, float scale, std::int32_t errorCode) {
    if (errorCode != 0) {
        return static_cast<std::int16_t>(kIntErrorMarker + CheckedErrorCode(errorCode));
    }
    // The product is a single-precision value, as the instrument's scale factors assume.
    const float scaled = value * scale;
    const float rounded = std::nearbyint(scaled);
    if (!(rounded >= -32768.0F && rounded <= 32767.0F)) {
        throw OverflowError("scaled measurement " + std::to_string(scaled) +
                            " outside the 16-bit range");
    }
    return static_cast<std::int16_t>(rounded);
}

float DecodeMeasFloat(float value, std::int32_t& errorCode) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    if ((bits & kFloatErrorMask) == (kFloatErrorMarker & kFloatErrorMask)) {
        errorCode = static_cast<std::int32_t>(bits & 0xFFU);
        return 0.0F;
    }
    errorCode = 0;
    return value;
}

float DecodeMeasInt(std::int16_t value, float scale, std::int32_t& errorCode) {
    const auto bits = static_cast<std::uint16_t>(value);
    if ((bits & kIntErrorMask) == kIntErrorMarker) {
        errorCode = bits & 0xFF;
        return 0.0F;
    }
    if (scale == 0.0F) {
        throw DivisionByZeroError("measurement scale is 0");
    }
    errorCode = 0;
    return static_cast<float>(value) / scale;
}

std::string MeasErrorText(std::int32_t errorCode) {
    static const std::array<const char*, 16> texts = {
        "No Error",   "Calc. Error",   "Cell Error", "Probe Error",     "Rj Error", "Overrange",
        "Underrange", "--------",      "Excluded",   "Numerical Error", "TC Error", "TCell Error",
        "Zero Error", "O2 Cell Error", "No measure", "Not installed"};
    if (errorCode < 0 || errorCode >= static_cast<std::int32_t>(texts.size())) {
        return "Unknow Error";
    }
    return texts[static_cast<std::size_t>(errorCode)];
}

}  // namespace kilnward::drivers
