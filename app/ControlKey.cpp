#include "app/ControlKey.h"

namespace kilnward::app {

QString ControlKey(const QString& windowName, const QString& controlName,
                   std::optional<int> index) {
    QString key = windowName + QLatin1Char('!') + controlName;
    if (index) {
        key += QLatin1Char('#') + QString::number(*index);
    }
    return key;
}

QString ControlItemKey(const QString& controlKey, int item) {
    return controlKey + QLatin1Char(':') + QString::number(item);
}

}  // namespace kilnward::app
