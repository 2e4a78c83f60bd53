#include "tests/support/BinFolder.h"

#include <QDir>

namespace kilnward::test {

QString BinFolder() {
    const QString bin = qEnvironmentVariable("KILNWARD_BIN");
    return bin.isEmpty() ? QStringLiteral(KILNWARD_BIN_DIR) : bin;
}

QString BinaryPath(const QString& name) {
    return QDir(BinFolder()).filePath(name);
}

}  // namespace kilnward::test
