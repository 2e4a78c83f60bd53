#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace kilnward::app {
class Translator;
}

namespace kilnward::documents {

class Documents;
class FieldSnapshot;
struct SnapshotField;

// One field whose stored values differ between two snapshots.
struct FieldDifference {
    QString key;
    // Place and caption of the field (FieldTitle), from the later snapshot.
    QString title;
    // The values as the window shows them; of a parameter tree, only the slots that differ
    // ("CO - 7"), so a long list does not hide the slot that changed.
    QString before;
    QString after;
    int document = -1;
    // The document's data name in the translator's language ("Configuration data").
    QString documentName;
    // The title's parts: the tabs that hold the field and its caption.
    QString place;
    QString caption;
};

// Whether a field held by two snapshots counts as changed from the first to the second.
using ChangedTest = std::function<bool(const SnapshotField& before, const SnapshotField& after)>;

// Whether the stored values differ: what a change in a document means.
bool StoredValuesDiffer(const SnapshotField& before, const SnapshotField& after);

// The fields held by both snapshots that `changed` finds changed (by default those whose
// stored values differ), in the order of `after` (form order). Fields only one of them holds
// are not compared.
std::vector<FieldDifference> DiffFields(const FieldSnapshot& before, const FieldSnapshot& after,
                                        const Documents& documents, app::Translator& translator,
                                        const ChangedTest& changed = StoredValuesDiffer);

}  // namespace kilnward::documents
