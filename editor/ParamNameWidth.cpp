#include "editor/ParamNameWidth.h"

#include <QFontMetrics>

#include <algorithm>

#include "app/Catalogue.h"

namespace kilnward::editor {

int ParamNameWidth(const QFontMetrics& metrics, const QString& suffix) {
    int width = metrics.horizontalAdvance(QStringLiteral("None") + suffix);
    const auto& table = app::ParamTable();
    for (int i = 0; i < app::ParamCount(); ++i) {
        width =
            std::max(width, metrics.horizontalAdvance(table[static_cast<size_t>(i)].Name + suffix));
    }
    return width;
}

}  // namespace kilnward::editor
