#include "app/InstrumentCatalogue.h"

#include "app/DecimalText.h"
#include "app/ProfileFunctions.h"
#include "app/TextSplitting.h"
#include "drivers/ModelIds.h"

namespace kilnward::app {

namespace {
constexpr quint8 kFallbackModel = drivers::model_id::kHarrier530;
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
        const std::optional<quint8> id = ByteValue(pieces[1]);
        if (!id) {
            continue;
        }
        if (auto name = nameOf(*id)) {
            entries_.push_back({*name, *id});
        }
    }
    return count();
}

}  // namespace kilnward::app
