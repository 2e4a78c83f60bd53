#include "documents/FieldDifferences.h"

#include "app/Translator.h"
#include "documents/Documents.h"
#include "documents/FieldSnapshot.h"

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
        differences.push_back({now.key, now.title, then->text, now.text, now.document,
                               translator.TranslateString(info.FileTag + QStringLiteral("datatype"),
                                                          info.DataCaption)});
    }
    return differences;
}

}  // namespace kilnward::documents
