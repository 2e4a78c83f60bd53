#pragma once

#include <optional>
#include <string>

#include "wirelink/Export.h"

namespace wirelink {

// A parsed line settings text "baud,parity,data bits,stop bits", e.g. "9600,n,8,1".
struct LineSettings {
    enum class Parity { None, Even, Odd, Mark, Space };
    enum class StopBits { One, OneAndHalf, Two };

    int baudRate = 9600;
    Parity parity = Parity::None;
    int dataBits = 8;
    StopBits stopBits = StopBits::One;
};

// Nothing when the text is not a valid settings text: a positive baud rate, parity one of
// n, e, o, m, s (either case), 5 to 8 data bits, stop bits 1, 1.5 or 2.
WIRELINK_EXPORT std::optional<LineSettings> ParseLineSettings(const std::string& text);

}  // namespace wirelink
