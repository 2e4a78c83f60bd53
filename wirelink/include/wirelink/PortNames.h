#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "wirelink/Export.h"
#include "wirelink/Platform.h"

namespace wirelink {

// The name of a port number: "COM3" on Windows, "/dev/ttyS2" elsewhere (the first serial
// device is port 1); empty for a number below 1.
WIRELINK_EXPORT std::string PortNameForNumber(std::int16_t number, Platform platform);

// The port number a Windows port name stands for, however it is written ("COM3", "com3",
// "\\.\COM3"); 0 for any other name, and for every name elsewhere, where ports are paths.
WIRELINK_EXPORT std::int16_t PortNumberFromName(std::string_view name, Platform platform);

// The name a port list shows for a port the system reports: its short name ("COM3") on
// Windows, where the system location is the device path "\\.\COM3"; the device path
// ("/dev/ttyUSB0") elsewhere.
WIRELINK_EXPORT std::string ListedPortName(const std::string& portName,
                                           const std::string& systemLocation, Platform platform);

}  // namespace wirelink
