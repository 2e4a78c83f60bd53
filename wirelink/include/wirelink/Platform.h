#pragma once

namespace wirelink {

// The rules that differ between Windows and the other systems take the platform as an
// argument, so the Windows rules are tested on any machine; callers pass kThisPlatform.
enum class Platform { Windows, Posix };

#if defined(_WIN32)
inline constexpr Platform kThisPlatform = Platform::Windows;
#else
inline constexpr Platform kThisPlatform = Platform::Posix;
#endif

}  // namespace wirelink
