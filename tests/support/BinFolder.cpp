#include "tests/support/BinFolder.h"

#include <QDir>
#include <QFile>

namespace kilnward::test {

QString BinFolder() {
    const QString bin = qEnvironmentVariable("KILNWARD_BIN");
    return bin.isEmpty() ? QStringLiteral(KILNWARD_BIN_DIR) : bin;
}

QString BinaryPath(const QString& name) {
    return QDir(BinFolder()).filePath(name);
}

bool CopyProgramData(const QString& folder) {
    for (const char* name :
         {"Param.ini", "Default.cf1", "Default.fu1", "Default.hd1", "Default.la1", "Default.sr1"}) {
        if (!QFile::copy(BinaryPath(QLatin1String(name)),
                         QDir(folder).filePath(QLatin1String(name)))) {
            return false;
        }
    }
    return true;
}

}  // namespace kilnward::test
