#include "textexport/ExportSelection.h"

#include <QStringList>

#include <algorithm>

namespace kilnward::textexport {

namespace {

const std::array<const char*, kExportSectionCount> kSectionNames = {
    "general", "bargraphs", "service",       "pages",  "printer",
    "alarms",  "auxinputs", "analogoutputs", "timers", "fuels"};

}  // namespace

QString ExportSectionName(ExportSection section) {
    return QString::fromLatin1(kSectionNames[static_cast<size_t>(section)]);
}

std::optional<ExportSelection> ParseExportSections(const QString& list, QString& error) {
    ExportSelection selection{};
    if (list.trimmed() == QStringLiteral("all")) {
        selection[kExportAll] = true;
        return selection;
    }
    const QStringList names = list.split(u',');
    for (const QString& raw : names) {
        const QString name = raw.trimmed();
        const auto found =
            std::find(kSectionNames.begin(), kSectionNames.end(), name.toStdString());
        if (found == kSectionNames.end()) {
            error =
                QStringLiteral("unknown section '%1' (use all or a comma list of %2)")
                    .arg(name, QStringList(kSectionNames.begin(), kSectionNames.end()).join(u','));
            return std::nullopt;
        }
        selection[static_cast<size_t>(found - kSectionNames.begin())] = true;
    }
    return selection;
}

}  // namespace kilnward::textexport
