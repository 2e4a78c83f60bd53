#pragma once

#include <QString>

#include <QtGlobal>

namespace kilnward::app {

// One parameter (gas) of the catalogue.
struct ParamEntry {
    QString Name;     // display name in the current language
    quint8 Id = 0;    // identifier as the analyser stores it
    QString IconKey;  // icon key, lower case
    QString Overlay;  // "overlay" when the overlay image is drawn over the icon, else empty

    // Key of the node image: IconKey followed by Overlay ("co" + "overlay").
    QString imageKey() const { return IconKey + Overlay; }
};

}  // namespace kilnward::app
