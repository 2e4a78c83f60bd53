#include "textexport/PadFixed.h"

namespace kilnward::textexport {

QString padfixed(const QString& text, int width) {
    return text.left(width).leftJustified(width, u' ');
}

}  // namespace kilnward::textexport
