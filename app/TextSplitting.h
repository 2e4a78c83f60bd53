#pragma once

#include <QString>
#include <QStringList>

namespace kilnward::app {

// Splits `text` at `separator` (which may be longer than one character), dropping empty
// pieces. An empty text returns at once and leaves `count` and `pieces` untouched;
// otherwise they are replaced. Pieces are 0-based here. An empty separator yields the whole
// text as one piece.
void SplitNonEmpty(const QString& text, const QString& separator, int& count, QStringList& pieces);
// Convenience form: the non-empty pieces.
QStringList SplitNonEmpty(const QString& text, const QString& separator);

}  // namespace kilnward::app
