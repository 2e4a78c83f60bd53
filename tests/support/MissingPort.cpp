#include "tests/support/MissingPort.h"

#include <QCoreApplication>

namespace kilnward::test {

QString MissingPortName() {
    return QStringLiteral("/dev/kilnward-no-such-port-%1").arg(QCoreApplication::applicationPid());
}

}  // namespace kilnward::test
