#pragma once

#include <QStringList>

#include <vector>

class QFont;

namespace kilnward::records {

// How a table is laid out: the share of its width, in percent, each column takes (adding up
// to 100), and the size of its text.
struct ColumnLayout {
    std::vector<double> shares;
    double fontPoints = 0.0;
};

// Sizes a table's columns from what they hold as `font` draws it (the headers in bold): no
// column is narrower than its longest word, so no header and no word is broken; the room left
// goes to the columns whose texts would otherwise wrap, in proportion to their length. When the
// longest words together are wider than `widthPoints`, the text is made smaller until they fit
// (down to `leastPoints`).
ColumnLayout SizeColumns(const QStringList& headers, const std::vector<QStringList>& rows,
                         const QFont& font, double widthPoints, double leastPoints);

}  // namespace kilnward::records
