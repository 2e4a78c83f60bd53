#include "app/PortChoice.h"

#include "app/SerialDefaults.h"
#include "app/Translator.h"
#include "wirelink/PortNames.h"

namespace kilnward::app {

PortChoice PortChoice::fromStored(const QString& text, wirelink::Platform platform) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return PortChoice(QLatin1String(serial::kDefaultPort), false);
    }
    if (const std::int16_t n = wirelink::PortNumberFromName(trimmed.toStdString(), platform)) {
        return PortChoice(QString::number(n), false);
    }
    return PortChoice(trimmed, false);
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

QString PortChoice::deviceName(wirelink::Platform platform) const {
    if (const std::int16_t n = number()) {
        return QString::fromStdString(wirelink::PortNameForNumber(n, platform));
    }
    return stored_;
}

QString PortChoice::caption(Translator& translator, wirelink::Platform platform) const {
    return isSimulator() ? SimulatedCaption(translator) : deviceName(platform);
}

QString PortChoice::SimulatedCaption(Translator& translator) {
    return Translated(translator, "simulatedport", "Simulated analyser");
}

}  // namespace kilnward::app
