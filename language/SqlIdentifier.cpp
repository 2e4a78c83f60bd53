#include "language/SqlIdentifier.h"

#include <atomic>

namespace kilnward::language {

QString QuoteSqlIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString UniqueConnectionName(const QString& prefix) {
    static std::atomic<int> next{0};
    return prefix + QLatin1Char('-') + QString::number(next++);
}

}  // namespace kilnward::language
