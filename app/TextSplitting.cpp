#include "app/TextSplitting.h"

namespace kilnward::app {

void SplitNonEmpty(const QString& text, const QString& separator, int& count, QStringList& pieces) {
    if (text.isEmpty()) {
        return;
    }
    pieces.clear();
    if (separator.isEmpty()) {
        pieces << text;
    } else {
        qsizetype start = 0;
        while (start <= text.size()) {
            qsizetype next = text.indexOf(separator, start);
            if (next < 0) {
                next = text.size();
            }
            if (next > start) {
                pieces << text.mid(start, next - start);
            }
            start = next + separator.size();
        }
    }
    count = static_cast<int>(pieces.size());
}

QStringList SplitNonEmpty(const QString& text, const QString& separator) {
    int count = 0;
    QStringList pieces;
    SplitNonEmpty(text, separator, count, pieces);
    return pieces;
}

}  // namespace kilnward::app
