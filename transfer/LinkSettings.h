#pragma once

#include <QString>

#include <cstdint>

namespace kilnward::transfer {

// The serial settings a transfer copies into the link control (the settings dialog's
// UseInfrared, Baudrate, Serialport and addr).
struct LinkSettings {
    bool useInfrared = false;
    QString baudRate = QStringLiteral("9600");
    std::int16_t serialPort = 1;
    // A device path ("/dev/ttyUSB0", a pseudo-terminal); when set it names the port instead
    // of the number.
    QString portName;
    std::uint8_t addr = 0;
    // A send or restore reads the sector back and checks it was kept (Config.ini's
    // VerifyAfterSend, kilnward-cli's --no-verify).
    bool verifyAfterSend = true;
};

}  // namespace kilnward::transfer
