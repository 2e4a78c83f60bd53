#pragma once

#include <array>

namespace kilnward::app::serial {

// The line speeds the settings offer, slowest first.
inline constexpr std::array<const char*, 8> kBaudRates = {"1200",  "2400",  "4800",  "9600",
                                                          "19200", "38400", "57600", "115200"};
// What a link uses until told otherwise: Config.ini's defaults, the command line's and the
// link settings' alike.
inline constexpr const char* kDefaultBaudRate = kBaudRates[3];
inline constexpr const char* kDefaultPort = "1";
inline constexpr const char* kDefaultAddress = "0";
// The port name of the in-process simulated analyser.
inline constexpr const char* kSimulatorPort = "simulator";

}  // namespace kilnward::app::serial
