#pragma once

#include <QString>

#include <cstdint>

#include "wirelink/Platform.h"

namespace kilnward::app {

class Translator;

// The serial port as Config.ini's "Serial"/"Serialport" keeps it: a port number (1 = COM1,
// the first serial device elsewhere), a device path ("/dev/ttyUSB0") or "simulator" for
// the in-process simulated analyser.
class PortChoice {
  public:
    // The stored text; an empty one is the default port. A Windows port name ("COM3", as typed
    // or picked from the list) is kept as its number, so Config.ini means the same port however
    // it was chosen.
    static PortChoice fromStored(const QString& text,
                                 wirelink::Platform platform = wirelink::kThisPlatform);
    // A device named as it is, even when the name reads as a number (the command line's
    // --port).
    static PortChoice device(const QString& name);

    const QString& stored() const { return stored_; }
    bool isSimulator() const;
    // The port number, 0 when the port is named.
    std::int16_t number() const;
    // The device path a link opens, empty for a numbered port.
    QString path() const { return number() ? QString() : stored_; }
    // The name the port list shows: the platform's name of a numbered port, the path or
    // "simulator".
    QString deviceName(wirelink::Platform platform = wirelink::kThisPlatform) const;
    // The name a user reads: the simulated analyser's caption in the translator's language,
    // otherwise deviceName().
    QString caption(Translator& translator,
                    wirelink::Platform platform = wirelink::kThisPlatform) const;
    // The caption of the "simulator" port.
    static QString SimulatedCaption(Translator& translator);

  private:
    PortChoice(QString stored, bool named) : stored_(std::move(stored)), named_(named) {}

    QString stored_;
    bool named_ = false;
};

}  // namespace kilnward::app
