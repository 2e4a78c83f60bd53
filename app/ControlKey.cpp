#include "app/ControlKey.h"

namespace kilnward::app {

QString IndexSuffix(std::optional<int> index) {
    return index ? QLatin1Char('#') + QString::number(*index) : QString();
}

QString ControlKey(const QString& windowName, const QString& controlName,
                   std::optional<int> index) {
    return windowName + QLatin1Char('!') + controlName + IndexSuffix(index);
}

QString ControlItemKey(const QString& controlKey, int item) {
    return controlKey + QLatin1Char(':') + QString::number(item);
}

}  // namespace kilnward::app
