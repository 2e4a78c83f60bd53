#include "app/PathUtilities.h"

#include <QDir>
#include <QFileInfo>

namespace kilnward::app {

QString AddBackslash(const QString& path, wirelink::Platform platform) {
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')) ||
        (platform == wirelink::Platform::Windows && path.endsWith(QLatin1Char('\\')))) {
        return path;
    }
    return path + QLatin1Char('/');
}

bool FileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

}  // namespace kilnward::app
