#include "app/VersionString.h"

namespace kilnward::app {

namespace {
constexpr int kMajorVersion = 2;
}

QString VersionString() {
    return QString::number(kMajorVersion) + QStringLiteral(".0.22");
}

QString ApplicationTitle() {
    return QStringLiteral("Kilnward");
}

}  // namespace kilnward::app
