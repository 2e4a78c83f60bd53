#pragma once

#include <QString>

namespace kilnward::app {

// The program's major version followed by ".0.22": "2.0.22".
QString VersionString();
// The title shown on message boxes and windows: "Kilnward".
QString ApplicationTitle();

}  // namespace kilnward::app
