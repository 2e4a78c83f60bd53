#pragma once

#include <cstdint>

// The analyser models by type code, named once for the rules that tell them apart.
namespace kilnward::form::model_id {

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

}  // namespace kilnward::form::model_id
