#include "form/ShownCaption.h"

namespace kilnward::form {

QString ShownCaption(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        shown += caption[i];
    }
    return shown.trimmed();
}

}  // namespace kilnward::form
