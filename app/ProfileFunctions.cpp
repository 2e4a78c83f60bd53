#include "app/ProfileFunctions.h"

#include "app/IniFile.h"

namespace kilnward::app {

QString ReadIniValue(const QString& file, const QString& section, const QString& key,
                     const QString& defaultValue) {
    const auto ini = IniFile::load(file);
    const QString value = ini ? ini->value(section, key, defaultValue) : defaultValue;
    return value.left(kIniValueBufferSize - 1);
}

bool WriteIniValue(const QString& file, const QString& section, const QString& key,
                   const QString& value) {
    IniFile ini = IniFile::load(file).value_or(IniFile());
    ini.setValue(section, key, value);
    return ini.save(file);
}

QString ReadIniSection(const QString& file, const QString& section, int bufferSize) {
    const auto ini = IniFile::load(file);
    if (!ini || bufferSize < 2) {
        return {};
    }
    QString text;
    for (const QString& line : ini->sectionLines(section)) {
        text += line;
        text += QChar(0);
    }
    // The returned text and its closing NUL must fit in the buffer; otherwise the platform
    // hands back what fits, bufferSize - 2 characters.
    if (text.size() + 1 > bufferSize) {
        text.truncate(bufferSize - 2);
    }
    return text;
}

}  // namespace kilnward::app
