#include "editor/ParamIcons.h"

#include <QFileInfo>

#include "app/ProgramFolder.h"
#include "editor/SvgIconEngine.h"

namespace kilnward::editor {

namespace {

constexpr auto kOverlay = "overlay";

QString ImagePath(const QString& key) {
    return app::ProgramFolder::dataFile(QStringLiteral("icons/") + key + QStringLiteral(".svg"));
}

}  // namespace

QIcon ParamIcons::icon(const QString& imageKey) {
    const QString key = imageKey.toLower();
    if (auto found = cache_.constFind(key); found != cache_.cend()) {
        return *found;
    }
    QStringList layers;
    const QString overlay = QString::fromLatin1(kOverlay);
    const bool combined = key.size() > overlay.size() && key.endsWith(overlay);
    const QString base = combined ? key.chopped(overlay.size()) : key;
    if (QFileInfo::exists(ImagePath(base))) {
        layers << ImagePath(base);
        if (combined && QFileInfo::exists(ImagePath(overlay))) {
            layers << ImagePath(overlay);
        }
    }
    QIcon icon = layers.isEmpty() ? QIcon() : QIcon(new SvgIconEngine(layers));
    cache_.insert(key, icon);
    return icon;
}

}  // namespace kilnward::editor
