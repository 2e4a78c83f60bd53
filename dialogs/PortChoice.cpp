#include "dialogs/PortChoice.h"

#include "transfer/LinkSettings.h"
#include "wirelink/PortNames.h"

namespace kilnward::dialogs {

PortChoice PortChoice::fromStored(const QString& text, wirelink::Platform platform) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return PortChoice(QStringLiteral("1"));
    }
    if (const std::int16_t n = wirelink::PortNumberFromName(trimmed.toStdString(), platform)) {
        return PortChoice(QString::number(n));
    }
    return PortChoice(trimmed);
}

bool PortChoice::isSimulator() const {
    return stored_ == QLatin1String(kSimulator);
}

std::int16_t PortChoice::number() const {
    bool ok = false;
    const int value = stored_.toInt(&ok);
    return ok && value > 0 && value <= INT16_MAX ? static_cast<std::int16_t>(value) : 0;
}

QString PortChoice::deviceName(wirelink::Platform platform) const {
    if (const std::int16_t n = number()) {
        return QString::fromStdString(wirelink::PortNameForNumber(n, platform));
    }
    return stored_;
}

void PortChoice::applyTo(transfer::LinkSettings& settings) const {
    settings.serialPort = number();
    settings.portName = number() ? QString() : stored_;
}

}  // namespace kilnward::dialogs
