#pragma once

#include <QString>

#include <cstdint>
#include <optional>

#include "transfer/TransferTexts.h"

namespace kilnward::transfer {

// What a failed connection check most likely means, as far as its error tells.
enum class ConnectionProblem {
    PortMissing,       // no such port
    PermissionDenied,  // the port exists, the user may not open it
    PortInUse,         // the port exists and is accessible, another program holds it
    NotASerialPort,    // a folder or a file was chosen
    NoAnswer,          // nothing came back from the analyser
    GarbledAnswer,     // answers came, but damaged or refused (NAK, checksum, line errors)
    WrongModel,        // an analyser answered, of another model than the one selected
    NoModemLines,      // infrared on a port without modem lines (a pseudo-terminal)
    Other,
};

// The problem behind a failure with `code` (none: not a link or port error). A port that
// refused to open is a permission problem when `accessDenied` (the user lacks read or write
// access to the device), else it is in use.
ConnectionProblem ClassifyConnectionFailure(std::optional<std::int32_t> code, bool accessDenied);

// What to do about `problem`; empty text for Other.
TransferText ConnectionHint(ConnectionProblem problem);
// The same for a link over the infrared adapter or, `infrared` false, over a cable: a cable
// link gets no advice about an adapter it does not use.
TransferText ConnectionHint(ConnectionProblem problem, bool infrared);

// Whether the device at `path` exists and the user may not read or write it (always false
// where the platform grants access otherwise than by file permissions).
bool PortAccessDenied(const QString& path);

}  // namespace kilnward::transfer
