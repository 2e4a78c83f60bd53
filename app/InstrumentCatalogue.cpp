#include "app/InstrumentCatalogue.h"

#include "app/ProfileFunctions.h"
#include "app/TextSplitting.h"

namespace kilnward::app {

namespace {
constexpr quint8 kFallbackModel = 10;
}

int InstrumentCatalogue::load(const QString& paramIniPath, const InstrumentNamer& nameOf) {
    entries_.clear();
    const QString section =
        ReadIniSection(paramIniPath, QStringLiteral("Instruments"), kInstrumentSectionBufferSize);
    if (section.isEmpty()) {
        if (auto name = nameOf(kFallbackModel)) {
            entries_.push_back({*name, kFallbackModel});
        }
        return count();
    }
    for (const QString& line : SplitNonEmpty(section, QString(QChar(0)))) {
        const QStringList pieces = SplitNonEmpty(line, QStringLiteral("="));
        if (pieces.size() < 2) {
            continue;
        }
        bool ok = false;
        const int id = pieces[1].trimmed().toInt(&ok, 10);
        if (!ok || id < 0 || id > 255) {
            continue;
        }
        if (auto name = nameOf(static_cast<quint8>(id))) {
            entries_.push_back({*name, static_cast<quint8>(id)});
        }
    }
    return count();
}

}  // namespace kilnward::app
