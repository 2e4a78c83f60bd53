#include "app/PortChoice.h"

#include "app/SerialDefaults.h"
#include "wirelink/QtSerialCommPort.h"

namespace kilnward::app {

PortChoice PortChoice::fromStored(const QString& text) {
    const QString trimmed = text.trimmed();
    return PortChoice(trimmed.isEmpty() ? QLatin1String(serial::kDefaultPort) : trimmed, false);
}

PortChoice PortChoice::device(const QString& name) {
    return PortChoice(name, true);
}

bool PortChoice::isSimulator() const {
    return stored_ == QLatin1String(serial::kSimulatorPort);
}

std::int16_t PortChoice::number() const {
    if (named_) {
        return 0;
    }
    bool ok = false;
    const int value = stored_.toInt(&ok);
    return ok && value > 0 && value <= INT16_MAX ? static_cast<std::int16_t>(value) : 0;
}

QString PortChoice::deviceName() const {
    if (const std::int16_t n = number()) {
        return QString::fromStdString(wirelink::QtSerialCommPort::PlatformPortName(n));
    }
    return stored_;
}

}  // namespace kilnward::app
