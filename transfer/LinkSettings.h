#pragma once

#include <QString>

#include <cstdint>

#include "app/SerialDefaults.h"

namespace kilnward::transfer {

// The serial settings a transfer copies into the link control (the settings dialog's
// UseInfrared, Baudrate, Serialport and addr).
struct LinkSettings {
    bool useInfrared = false;
    QString baudRate = QLatin1String(app::serial::kDefaultBaudRate);
    std::int16_t serialPort = 1;
    // A device path ("/dev/ttyUSB0", a pseudo-terminal); when set it names the port instead
    // of the number.
    QString portName;
    std::uint8_t addr = 0;
    // A send or restore reads the sector back and checks it was kept (Config.ini's
    // VerifyAfterSend, kilnward-cli's --no-verify).
    bool verifyAfterSend = true;

    bool operator==(const LinkSettings&) const = default;
};

}  // namespace kilnward::transfer
