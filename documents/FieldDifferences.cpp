#include "documents/FieldDifferences.h"

#include "app/Translator.h"
#include "documents/Documents.h"
#include "documents/FieldSnapshot.h"
#include "documents/FieldText.h"

namespace kilnward::documents {

std::vector<FieldDifference> DiffFields(const FieldSnapshot& before, const FieldSnapshot& after,
                                        const Documents& documents, app::Translator& translator) {
    std::vector<FieldDifference> differences;
    for (const SnapshotField& now : after.fields()) {
        const SnapshotField* then = before.find(now.key);
        if (!then || then->stored == now.stored) {
            continue;
        }
        const DocumentInfo& info = documents[now.document];
        const bool perSlot = now.perSlot && then->perSlot;
        differences.push_back(
            {now.key, now.title, perSlot ? ChangedSlotsText(then->stored, now.stored) : then->text,
             perSlot ? ChangedSlotsText(now.stored, then->stored) : now.text, now.document,
             translator.TranslateString(info.FileTag + QStringLiteral("datatype"),
                                        info.DataCaption),
             now.place, now.caption});
    }
    return differences;
}

}  // namespace kilnward::documents
