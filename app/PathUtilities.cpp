#include "app/PathUtilities.h"

#include <QDir>
#include <QFileInfo>

namespace kilnward::app {

QString AddBackslash(const QString& path) {
    const QChar separator = QDir::separator();
    if (path.isEmpty() || path.endsWith(separator)) {
        return path;
    }
    return path + separator;
}

bool FileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

}  // namespace kilnward::app
