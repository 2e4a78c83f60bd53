#include "app/SerialSettings.h"

#include "app/ConfigSettings.h"
#include "app/Notices.h"
#include "app/SerialDefaults.h"
#include "app/VersionString.h"

namespace kilnward::app {

namespace {

// Tells that `stored`, the value of `key`, is refused and the key's default used instead.
void TellRefused(const char* noticeKey, const char* english, const ConfigKey& key,
                 const QString& stored) {
    TellNotice(noticeKey, english,
               {ConfigFilePath(), QLatin1String(key.section), QLatin1String(key.key), stored,
                QLatin1String(key.defaultValue)});
}

}  // namespace

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
    return BaudRates().contains(text);
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
    settings.baudRate = StoredBaudRate();
    settings.address = StoredAddress();
    settings.useInfrared = useInfrared;
    settings.verifyAfterSend = ReadVerifyAfterSendSetting();
    return settings;
}

QString SerialSettings::StoredBaudRate() {
    const QString stored = ReadConfigValue(config::Baudrate);
    if (IsBaudRate(stored.trimmed())) {
        return stored.trimmed();
    }
    if (stored.trimmed().isEmpty()) {
        return DefaultBaudRate();  // an empty value is a missing one
    }
    TellRefused("noticenobaudrate",
                "%1%: [%2%] %3%=\"%4%\" is not a baud rate the settings offer; %5% is used",
                config::Baudrate, stored);
    return DefaultBaudRate();
}

std::uint8_t SerialSettings::StoredAddress() {
    const QString stored = ReadConfigValue(config::Addr);
    if (const std::optional<std::uint8_t> address = AddressOf(stored.trimmed())) {
        return *address;
    }
    if (stored.trimmed().isEmpty()) {
        return *AddressOf(QLatin1String(config::Addr.defaultValue));  // as a missing value
    }
    TellRefused("noticenoaddress",
                "%1%: [%2%] %3%=\"%4%\" is not an address from 0 to 255; address %5% is used",
                config::Addr, stored);
    return *AddressOf(QLatin1String(config::Addr.defaultValue));
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
