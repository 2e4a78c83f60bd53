#pragma once

#include <QString>
#include <QStringList>

namespace kilnward::app {

// Fills "%n%" from `arguments` (n from 1), left to right; replaced text is not searched
// again; placeholders without an argument stay.
QString SubstituteArguments(const QString& text, const QStringList& arguments);

}  // namespace kilnward::app
