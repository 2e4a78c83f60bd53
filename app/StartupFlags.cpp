#include "app/StartupFlags.h"

namespace kilnward::app {

StartupFlags StartupFlags::fromArguments(const QStringList& arguments) {
    StartupFlags flags;
    const QStringList words = arguments.join(QLatin1Char(' ')).split(QLatin1Char(' '));
    for (const QString& word : words) {
        if (word == QLatin1String("create")) {
            flags.CreateMode = true;
        } else if (word == QLatin1String("debug")) {
            flags.DebugMode = true;
        }
    }
    return flags;
}

}  // namespace kilnward::app
