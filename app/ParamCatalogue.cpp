#include "app/ParamCatalogue.h"

#include "app/DecimalText.h"
#include "app/ProfileFunctions.h"
#include "app/TextSplitting.h"
#include "app/Translator.h"

#include <optional>

namespace kilnward::app {

namespace {

ParamEntry EndMarker() {
    return {QStringLiteral("####"), kEndMarkerId, QStringLiteral("endlist"), QString()};
}

// "name=id,[^]icon"; doubled separators read like single ones. nullopt for a malformed line.
std::optional<ParamEntry> ParseLine(const QString& line, Translator& translator) {
    const QStringList halves = SplitNonEmpty(line, QStringLiteral("="));
    if (halves.size() < 2) {
        return std::nullopt;
    }
    const QStringList fields = SplitNonEmpty(halves[1], QStringLiteral(","));
    if (fields.size() < 2) {
        return std::nullopt;
    }
    const auto id = ByteValue(fields[0]);
    if (!id) {
        return std::nullopt;
    }
    ParamEntry entry;
    entry.Id = *id;
    entry.Name = translator.TranslateString(QStringLiteral("gas:") + QString::number(*id),
                                            halves[0].trimmed());
    QString icon = fields[1].trimmed();
    if (icon.startsWith(QLatin1Char('^'))) {
        entry.Overlay = QStringLiteral("overlay");
        icon.remove(0, 1);
    }
    entry.IconKey = icon.toLower();
    return entry;
}

}  // namespace

ParamCatalogue::ParamCatalogue() {
    clear();
}

void ParamCatalogue::clear() {
    table_.fill(ParamEntry());
    table_[kEndMarkerIndex] = EndMarker();
    count_ = 0;
}

int ParamCatalogue::load(const QString& paramIniPath, Translator& translator) {
    clear();
    const QString section =
        ReadIniSection(paramIniPath, QStringLiteral("Parameters"), kParameterSectionBufferSize);
    for (const QString& line : SplitNonEmpty(section, QString(QChar(0)))) {
        if (count_ >= kEndMarkerIndex) {
            break;  // the last slot belongs to the end marker
        }
        if (auto entry = ParseLine(line, translator)) {
            table_[count_++] = std::move(*entry);
        }
    }
    if (count_ == 0) {
        table_[0] = {translator.TranslateString(QStringLiteral("gas:0"), QStringLiteral("None")), 0,
                     QStringLiteral("empty"), QString()};
        count_ = 1;
    }
    return count_;
}

const ParamEntry& ParamCatalogue::entry(int index) const {
    return table_.at(static_cast<std::size_t>(index));
}

int ParamCatalogue::findParamIndex(quint8 id) const {
    for (int i = 0; i < kParamTableSize; ++i) {
        if (table_[i].Id == id) {
            return i;
        }
    }
    return 0;
}

const ParamEntry& ParamCatalogue::entryForId(quint8 id) const {
    return table_[findParamIndex(id)];
}

}  // namespace kilnward::app
