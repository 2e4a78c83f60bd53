#pragma once

#include "language/TranslationTable.h"

namespace kilnward::language {

// What an import changes in one language (a column of the stored table).
struct LanguageSummary {
    QString language;
    bool inFile = false;  // false: the file lacks the language, its texts are kept
    bool isNew = false;   // the database lacked the language
    int added = 0;        // texts where there was none
    int changed = 0;      // texts replaced by another text
    int removed = 0;      // texts emptied by the file or gone with a removed key
};

// What importing a translation table over the current database changes.
struct ImportSummary {
    int added = 0;                           // keys the database did not hold
    int changed = 0;                         // keys whose text differs in some language
    int removed = 0;                         // keys of the database the table lacks, removed
    int kept = 0;                            // keys of the database the table lacks, kept
    std::vector<LanguageSummary> languages;  // in the stored column order
};

// The table to store when `incoming` is imported over `current`: the incoming rows as they
// are, then (unless `removeMissing`) the current rows whose key the incoming table lacks, with
// their texts moved to the incoming table's languages by name. A table cut short therefore
// never removes keys unless asked to.
TranslationTable MergeImport(const TranslationTable& current, const TranslationTable& incoming,
                             bool removeMissing, ImportSummary& summary);

}  // namespace kilnward::language
