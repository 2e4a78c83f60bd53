#pragma once

#include <cstdint>

// The analyser models by type code: the one place the codes are written. The model table,
// the model classes, the form's model groups and the sector traits all name a model by these.
namespace kilnward::drivers::model_id {

inline constexpr std::uint8_t kHarrier520 = 9;
inline constexpr std::uint8_t kHarrier530 = 10;
inline constexpr std::uint8_t kHarrier540 = 11;
inline constexpr std::uint8_t kOsprey560 = 12;
inline constexpr std::uint8_t kKestrel580 = 13;
inline constexpr std::uint8_t kHarrier520Plus = 14;
inline constexpr std::uint8_t kHarrier510PT = 15;
inline constexpr std::uint8_t kHarrier530MkIII = 16;
inline constexpr std::uint8_t kMerlin7 = 19;
inline constexpr std::uint8_t kMerlin7H = 20;

}  // namespace kilnward::drivers::model_id
