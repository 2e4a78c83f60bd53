#pragma once

#include <QString>
#include <QStringList>

class QSqlDatabase;

namespace kilnward::language {

// `name` as a quoted SQL identifier: any column name is safe in SQL text this way.
QString QuoteSqlIdentifier(const QString& name);
// A connection name no other database connection of this process uses.
QString UniqueConnectionName(const QString& prefix);
// The column names of `table` in their order; none when the table does not exist.
QStringList TableColumns(const QSqlDatabase& db, const QString& table);

}  // namespace kilnward::language
