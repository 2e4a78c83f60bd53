#include "app/SubstituteArguments.h"

#include <vector>

namespace kilnward::app {

namespace {

// A stretch of the text being filled: either still the caller's text, or an argument's text
// that is copied as it is and never searched.
struct Piece {
    QString text;
    bool filled = false;
};

}  // namespace

QString SubstituteArguments(const QString& text, const QStringList& arguments) {
    if (arguments.isEmpty()) {
        return text;
    }
    // "%1%" everywhere first, then "%2%" and so on, each pass left to right over what is
    // still the caller's text: an argument holding "%2%" stays as it is.
    std::vector<Piece> pieces{{text, false}};
    for (qsizetype n = 1; n <= arguments.size(); ++n) {
        const QString placeholder = QLatin1Char('%') + QString::number(n) + QLatin1Char('%');
        std::vector<Piece> next;
        for (Piece& piece : pieces) {
            if (piece.filled) {
                next.push_back(std::move(piece));
                continue;
            }
            qsizetype from = 0;
            qsizetype at = piece.text.indexOf(placeholder, from);
            while (at >= 0) {
                if (at > from) {
                    next.push_back({piece.text.mid(from, at - from), false});
                }
                next.push_back({arguments[n - 1], true});
                from = at + placeholder.size();
                at = piece.text.indexOf(placeholder, from);
            }
            if (from < piece.text.size()) {
                next.push_back({piece.text.mid(from), false});
            }
        }
        pieces = std::move(next);
    }
    QString result;
    for (const Piece& piece : pieces) {
        result += piece.text;
    }
    return result;
}

}  // namespace kilnward::app
