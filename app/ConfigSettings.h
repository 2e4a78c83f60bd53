#pragma once

#include <QString>

#include "app/SerialDefaults.h"

namespace kilnward::app {

// One key of Config.ini with the default its readers pass when it is missing.
struct ConfigKey {
    const char* section;
    const char* key;
    const char* defaultValue;
};

// Every key the program reads or writes in Config.ini.
namespace config {
inline constexpr ConfigKey LanguageIndex{"Language", "LanguageIndex", "0"};
inline constexpr ConfigKey FileVersion{"General", "FileVersion", ""};  // written only
inline constexpr ConfigKey AskForSave{"General", "AskForSave", "10"};
inline constexpr ConfigKey InstrumentIDselected{"General", "InstrumentIDselected", "10"};
inline constexpr ConfigKey ShowTips{"General", "ShowTips", "1"};
inline constexpr ConfigKey Serialport{"Serial", "Serialport", serial::kDefaultPort};
inline constexpr ConfigKey Baudrate{"Serial", "Baudrate", serial::kDefaultBaudRate};
inline constexpr ConfigKey Addr{"Serial", "Addr", serial::kDefaultAddress};
inline constexpr ConfigKey VerifyAfterSend{"Serial", "VerifyAfterSend", "1"};
}  // namespace config

// Path of Config.ini in the program's configuration folder.
QString ConfigFilePath();

QString ReadConfigValue(const QString& section, const QString& key, const QString& defaultValue);
bool WriteConfigValue(const QString& section, const QString& key, const QString& value);
QString ReadConfigValue(const ConfigKey& key);  // with the key's own default
bool WriteConfigValue(const ConfigKey& key, const QString& value);

// Typed readers, converting as the program's readers do (the leading decimal number of the
// text, 0 when there is none; integers truncated into their range).
int ReadLanguageIndexSetting();            // may be -1: no language chosen yet
bool AskForSaveEnabled();                  // false only for "NO"
quint8 ReadSelectedInstrumentIdSetting();  // InstrumentIDselected
bool ReadShowTipsSetting();                // value equal to 1
bool ReadVerifyAfterSendSetting();         // false only for a value of 0
// The other "Serial" keys are read by SerialSettings, which checks them by its rules.

}  // namespace kilnward::app
