#include "dialogs/PortChoice.h"

#include "transfer/LinkSettings.h"
#include "wirelink/QtSerialCommPort.h"

namespace kilnward::dialogs {

PortChoice PortChoice::fromStored(const QString& text) {
    const QString trimmed = text.trimmed();
    return PortChoice(trimmed.isEmpty() ? QStringLiteral("1") : trimmed);
}

bool PortChoice::isSimulator() const {
    return stored_ == QLatin1String(kSimulator);
}

std::int16_t PortChoice::number() const {
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

void PortChoice::applyTo(transfer::LinkSettings& settings) const {
    settings.serialPort = number();
    settings.portName = number() ? QString() : stored_;
}

}  // namespace kilnward::dialogs
