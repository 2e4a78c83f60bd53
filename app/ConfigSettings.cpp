#include "app/ConfigSettings.h"

#include "app/DecimalText.h"
#include "app/Notices.h"
#include "app/ProfileFunctions.h"
#include "app/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace kilnward::app {

namespace {

// Whole part of the text's leading number, kept inside [low, high].
int IntegerSetting(const ConfigKey& key, int low, int high) {
    const double value = LeadingDecimalValue(ReadConfigValue(key));
    if (!std::isfinite(value)) {
        return low;
    }
    return static_cast<int>(std::clamp(std::trunc(value), double(low), double(high)));
}

}  // namespace

QString ConfigFilePath() {
    return ProgramFolder::configFile(QStringLiteral("Config.ini"));
}

QString ReadConfigValue(const QString& section, const QString& key, const QString& defaultValue) {
    return ReadIniValue(ConfigFilePath(), section, key, defaultValue);
}

bool WriteConfigValue(const QString& section, const QString& key, const QString& value) {
    // The configuration folder may not exist yet: only a write creates it.
    const QString path = ConfigFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return WriteIniValue(path, section, key, value);
}

QString ReadConfigValue(const ConfigKey& key) {
    return ReadConfigValue(QLatin1String(key.section), QLatin1String(key.key),
                           QLatin1String(key.defaultValue));
}

bool WriteConfigValue(const ConfigKey& key, const QString& value) {
    return WriteConfigValue(QLatin1String(key.section), QLatin1String(key.key), value);
}

int ReadLanguageIndexSetting() {
    return IntegerSetting(config::LanguageIndex, -32768, 32767);
}

bool AskForSaveEnabled() {
    return ReadConfigValue(config::AskForSave) != QLatin1String("NO");
}

quint8 ReadSelectedInstrumentIdSetting() {
    const QString stored = ReadConfigValue(config::InstrumentIDselected);
    if (!ByteValue(stored)) {
        // Read as a number, such a text would pick model 0 or a model nobody chose.
        const QString fallback = QLatin1String(config::InstrumentIDselected.defaultValue);
        TellNotice("noticenomodel",
                   "%1%: [%2%] %3%=\"%4%\" is not a model number; model %5% is used",
                   {ConfigFilePath(), QLatin1String(config::InstrumentIDselected.section),
                    QLatin1String(config::InstrumentIDselected.key), stored, fallback});
        return static_cast<quint8>(fallback.toUInt());
    }
    return *ByteValue(stored);
}

bool ReadShowTipsSetting() {
    return LeadingDecimalValue(ReadConfigValue(config::ShowTips)) == 1.0;
}

bool ReadVerifyAfterSendSetting() {
    // Checking is the safe side: only an explicit 0 turns it off.
    return ReadConfigValue(config::VerifyAfterSend).trimmed() != QLatin1String("0");
}

}  // namespace kilnward::app
