#pragma once

#include "language/TranslationTable.h"

namespace kilnward::language {

// What importing a translation table over the current database changes.
struct ImportSummary {
    int added = 0;    // keys the database did not hold
    int changed = 0;  // keys whose text differs in some language
    int removed = 0;  // keys of the database the table lacks, removed
    int kept = 0;     // keys of the database the table lacks, kept
};

// The table to store when `incoming` is imported over `current`: the incoming rows as they
// are, then (unless `removeMissing`) the current rows whose key the incoming table lacks, with
// their texts moved to the incoming table's languages by name. A table cut short therefore
// never removes keys unless asked to.
TranslationTable MergeImport(const TranslationTable& current, const TranslationTable& incoming,
                             bool removeMissing, ImportSummary& summary);

}  // namespace kilnward::language
