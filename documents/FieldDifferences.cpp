#include "documents/FieldDifferences.h"

#include "app/Translator.h"
#include "documents/Documents.h"
#include "documents/FieldSnapshot.h"
#include "documents/FieldText.h"

namespace kilnward::documents {

namespace {

// The difference between two moments of one field, whether or not their stored values differ.
FieldDifference DiffField(const SnapshotField& then, const SnapshotField& now,
                          const Documents& documents, app::Translator& translator) {
    const DocumentInfo& info = documents[now.document];
    const bool perSlot = now.perSlot && then.perSlot;
    QString before = perSlot ? ChangedSlotsText(then.stored, now.stored) : then.text;
    QString after = perSlot ? ChangedSlotsText(now.stored, then.stored) : now.text;
    if (perSlot && before.isEmpty() && after.isEmpty()) {
        // Stored alike slot by slot (bytes past a list's end mark): the whole lists.
        before = then.text;
        after = now.text;
    }
    return {now.key,
            now.title,
            before,
            after,
            now.document,
            translator.TranslateString(info.FileTag + QStringLiteral("datatype"), info.DataCaption),
            now.place,
            now.caption};
}

}  // namespace

bool StoredValuesDiffer(const SnapshotField& before, const SnapshotField& after) {
    return before.stored != after.stored;
}

std::vector<FieldDifference> DiffFields(const FieldSnapshot& before, const FieldSnapshot& after,
                                        const Documents& documents, app::Translator& translator,
                                        const ChangedTest& changed) {
    std::vector<FieldDifference> differences;
    for (const SnapshotField& now : after.fields()) {
        const SnapshotField* then = before.find(now.key);
        if (then && changed(*then, now)) {
            differences.push_back(DiffField(*then, now, documents, translator));
        }
    }
    return differences;
}

}  // namespace kilnward::documents
