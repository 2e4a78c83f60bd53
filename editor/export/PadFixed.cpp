#include "editor/export/PadFixed.h"

namespace kilnward::editor {

QString padfixed(const QString& text, int width) {
    return text.left(width).leftJustified(width, u' ');
}

}  // namespace kilnward::editor
