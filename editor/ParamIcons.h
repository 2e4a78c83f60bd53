#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

namespace kilnward::editor {

// The image list of the parameter trees: an icon per image key, read from the shipped SVG
// images ("icons/<key>.svg" in the program's data folder). A key ending in "overlay" (as
// "cooverlay") is the icon of the key before it with the overlay image drawn on top.
class ParamIcons {
  public:
    // The icon for `imageKey`; a null icon when there is no such image.
    QIcon icon(const QString& imageKey);

  private:
    QHash<QString, QIcon> cache_;
};

}  // namespace kilnward::editor
