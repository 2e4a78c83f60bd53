#include "app/SubstituteArguments.h"

namespace kilnward::app {

QString SubstituteArguments(const QString& text, const QStringList& arguments) {
    if (arguments.isEmpty()) {
        return text;
    }
    // One left-to-right pass: an argument's own text is copied, never searched, so an
    // argument holding "%2%" stays as it is.
    QString result;
    result.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == QLatin1Char('%')) {
            qsizetype j = i + 1;
            while (j < text.size() && text[j].isDigit() && text[j].unicode() < 0x80) {
                ++j;
            }
            if (j > i + 1 && j < text.size() && text[j] == QLatin1Char('%')) {
                bool ok = false;
                const qsizetype n = text.mid(i + 1, j - i - 1).toLongLong(&ok);
                if (ok && n >= 1 && n <= arguments.size()) {
                    result += arguments[n - 1];
                    i = j + 1;
                    continue;
                }
            }
        }
        result += text[i];
        ++i;
    }
    return result;
}

}  // namespace kilnward::app
