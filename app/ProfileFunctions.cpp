#include "app/ProfileFunctions.h"

#include "app/IniFile.h"
#include "app/Notices.h"

namespace kilnward::app {

namespace {

// The file, or nothing when it is missing or cannot be used; the latter is told once.
std::optional<IniFile> LoadProfile(const QString& file, bool& unusable) {
    QString error;
    std::optional<IniFile> ini = IniFile::load(file, &error);
    unusable = !error.isEmpty();
    if (unusable) {
        TellNotice("noticenotread", "%1%: not read: %2%", {file, error});
    }
    return ini;
}

std::optional<IniFile> LoadProfile(const QString& file) {
    bool unusable = false;
    return LoadProfile(file, unusable);
}

}  // namespace

QString ReadIniValue(const QString& file, const QString& section, const QString& key,
                     const QString& defaultValue) {
    const auto ini = LoadProfile(file);
    const QString value = ini ? ini->value(section, key, defaultValue) : defaultValue;
    return value.left(kIniValueBufferSize - 1);
}

bool WriteIniValue(const QString& file, const QString& section, const QString& key,
                   const QString& value) {
    bool unusable = false;
    IniFile ini = LoadProfile(file, unusable).value_or(IniFile());
    if (unusable) {
        return false;  // writing one key would replace what could not be read
    }
    ini.setValue(section, key, value);
    return ini.save(file);
}

QString ReadIniSection(const QString& file, const QString& section, int bufferSize) {
    const auto ini = LoadProfile(file);
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
