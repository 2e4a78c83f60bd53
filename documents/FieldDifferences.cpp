#include "documents/FieldDifferences.h"

#include "app/Translator.h"
#include "documents/Documents.h"
#include "documents/FieldSnapshot.h"
#include "documents/FieldText.h"

namespace kilnward::documents {

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

std::vector<FieldDifference> DiffFields(const FieldSnapshot& before, const FieldSnapshot& after,
                                        const Documents& documents, app::Translator& translator) {
    std::vector<FieldDifference> differences;
    for (const SnapshotField& now : after.fields()) {
        const SnapshotField* then = before.find(now.key);
        if (then && then->stored != now.stored) {
            differences.push_back(DiffField(*then, now, documents, translator));
        }
    }
    return differences;
}

}  // namespace kilnward::documents
