#pragma once

#include <cstdint>
#include <string>

#include "wirelink/Errors.h"
#include "wirelink/Export.h"

namespace wirelink {

// Codes of failures of the serial port itself, thrown by CommPort implementations as
// wirelink::Error with the port's own text. The numbers follow the classic serial
// communications control so callers that test them keep working.
enum class PortError : std::int32_t {
    InvalidSettings = 380,        // settings text refused ("Invalid property value")
    InvalidPortNumber = 8002,     // no such port
    NotASerialPort = 8003,        // the path is a folder or a regular file
    PortAlreadyOpen = 8005,       // open() on an open port
    HardwareNotAvailable = 8010,  // in use, locked, no permission, cannot open
    CannotSetCommState = 8015,    // the open device refused line settings or modem lines
    PortNotOpen = 8018,           // operation valid only when the port is open
    ReadFailed = 8020,            // error reading the device
    WriteFailed = 8021,           // error writing the device
};

// Line-error event codes reported by CommPort::takeLineError (1001 and above).
inline constexpr int kLineErrorBreak = 1001;
inline constexpr int kLineErrorFraming = 1004;
inline constexpr int kLineErrorOverrun = 1006;
inline constexpr int kLineErrorReceiveOverflow = 1008;
inline constexpr int kLineErrorParity = 1009;
inline constexpr int kFirstLineError = kLineErrorBreak;

inline constexpr const char* kPortErrorSource = "CommPort";

// The error a port throws for `code` with its own message.
WIRELINK_EXPORT Error PortFailure(PortError code, const std::string& text);

}  // namespace wirelink
