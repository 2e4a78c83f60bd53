// Arbitrary bytes as a profile (INI) file: parsing never fails, every key the file lists can
// be looked up, and a value written is the value read back.
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/IniFile.h"
#include "app/Windows1252.h"

using kilnward::app::IniFile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IniFile ini = IniFile::parse(kilnward::app::DecodeProfileText(bytes));
    const QStringList sections = ini.sectionNames();
    for (const QString& section : sections) {
        for (const QString& line : ini.sectionLines(section)) {
            const QString key = line.section(QLatin1Char('='), 0, 0);
            ini.value(section, key, QString());
        }
    }
    const QString section = sections.isEmpty() ? QStringLiteral("S") : sections.first();
    ini.setValue(section, QStringLiteral("fuzzkey"), QStringLiteral("fuzz value"));
    if (ini.value(section, QStringLiteral("FUZZKEY"), QString()) != QStringLiteral("fuzz value")) {
        std::abort();
    }
    // What is written reads back the same.
    const IniFile again = IniFile::parse(ini.toText());
    if (again.value(section, QStringLiteral("fuzzkey"), QString()) !=
        QStringLiteral("fuzz value")) {
        std::abort();
    }
    return 0;
}
