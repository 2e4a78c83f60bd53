#pragma once

#include <QString>

#include <cstdint>

#include "wirelink/Platform.h"

namespace kilnward::transfer {
struct LinkSettings;
}

namespace kilnward::dialogs {

// The serial port as Config.ini's "Serial"/"Serialport" keeps it: a port number (1 = COM1,
// the first serial device elsewhere), a device path ("/dev/ttyUSB0") or "simulator" for
// the in-process simulated analyser.
class PortChoice {
  public:
    static constexpr const char* kSimulator = "simulator";

    // The stored text; an empty one is port 1. A Windows port name ("COM3", as typed or
    // picked from the list) is kept as its number, so Config.ini means the same port however
    // it was chosen.
    static PortChoice fromStored(const QString& text,
                                 wirelink::Platform platform = wirelink::kThisPlatform);

    const QString& stored() const { return stored_; }
    bool isSimulator() const;
    // The port number, 0 when the port is named.
    std::int16_t number() const;
    // The name the port list shows: the platform's name of a numbered port, the path or
    // "simulator".
    QString deviceName(wirelink::Platform platform = wirelink::kThisPlatform) const;
    // Names the port in the settings a transfer copies into the link.
    void applyTo(transfer::LinkSettings& settings) const;

  private:
    explicit PortChoice(QString stored) : stored_(std::move(stored)) {}

    QString stored_;
};

}  // namespace kilnward::dialogs
