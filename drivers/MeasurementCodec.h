#pragma once

#include <cstdint>
#include <string>

namespace kilnward::drivers {

// The analysers' measured values: 32-bit floats, or 16-bit integers holding value x scale.
// A value that could not be measured carries an error code (0..255) in place of the number.

// `value`, or the float error marker of `errorCode` when it is not 0. Throws OverflowError
// for a code outside 0..255.
float EncodeMeasFloat(float value, std::int32_t errorCode);

// value x scale to the nearest integer (ties to even), or the integer error marker of
// `errorCode` when it is not 0. Throws OverflowError for a code outside 0..255 or a scaled
// value outside the 16-bit range.
std::int16_t EncodeMeasInt(float value, float scale, std::int32_t errorCode);

// The measured value, 0 with the error code set when `value` is an error marker.
float DecodeMeasFloat(float value, std::int32_t& errorCode);

// value / scale, 0 with the error code set when `value` is an error marker. Throws
// DivisionByZeroError when scale is 0.
float DecodeMeasInt(std::int16_t value, float scale, std::int32_t& errorCode);

// The English text of a measurement error code.
std::string MeasErrorText(std::int32_t errorCode);

}  // namespace kilnward::drivers
