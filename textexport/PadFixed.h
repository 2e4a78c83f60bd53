#pragma once

#include <QString>

namespace kilnward::textexport {

// `text` cut to `width` characters, or filled with blanks up to `width`.
QString padfixed(const QString& text, int width);

}  // namespace kilnward::textexport
