#include "app/SerialSettings.h"

#include "app/ConfigSettings.h"
#include "app/SerialDefaults.h"
#include "app/VersionString.h"

namespace kilnward::app {

QStringList SerialSettings::BaudRates() {
    QStringList rates;
    for (const char* rate : serial::kBaudRates) {
        rates.append(QLatin1String(rate));
    }
    return rates;
}

QString SerialSettings::DefaultBaudRate() {
    return QLatin1String(serial::kDefaultBaudRate);
}

bool SerialSettings::IsBaudRate(const QString& text) {
    bool ok = false;
    return text.toUInt(&ok) > 0 && ok;
}

std::optional<std::uint8_t> SerialSettings::AddressOf(const QString& text) {
    bool ok = false;
    const uint number = text.toUInt(&ok);
    if (!ok || number > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(number);
}

SerialSettings SerialSettings::Load(bool useInfrared) {
    SerialSettings settings;
    settings.port = PortChoice::fromStored(ReadConfigValue(config::Serialport));
    settings.baudRate = ReadBaudrateSetting();
    settings.address = ReadAddressSetting();
    settings.useInfrared = useInfrared;
    settings.verifyAfterSend = ReadVerifyAfterSendSetting();
    return settings;
}

void SerialSettings::store() const {
    WriteConfigValue(config::FileVersion, VersionString());
    WriteConfigValue(config::Serialport, port.stored());
    WriteConfigValue(config::Baudrate, baudRate);
    WriteConfigValue(config::Addr, QString::number(address));
    WriteConfigValue(config::VerifyAfterSend,
                     verifyAfterSend ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace kilnward::app
