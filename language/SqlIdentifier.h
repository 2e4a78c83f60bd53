#pragma once

#include <QString>

namespace kilnward::language {

// `name` as a quoted SQL identifier: any column name is safe in SQL text this way.
QString QuoteSqlIdentifier(const QString& name);
// A connection name no other database connection of this process uses.
QString UniqueConnectionName(const QString& prefix);

}  // namespace kilnward::language
