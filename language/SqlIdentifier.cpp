#include "language/SqlIdentifier.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

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

QStringList TableColumns(const QSqlDatabase& db, const QString& table) {
    QSqlQuery query(db);
    QStringList names;
    if (query.exec(QStringLiteral("PRAGMA table_info(") + QuoteSqlIdentifier(table) +
                   QLatin1Char(')'))) {
        while (query.next()) {
            names << query.value(1).toString();
        }
    }
    return names;
}

}  // namespace kilnward::language
