#include "documents/ChangeTracker.h"

#include <algorithm>

#include "documents/BaselineListener.h"
#include "documents/ControlKey.h"
#include "documents/FieldText.h"
#include "form/Form.h"

namespace kilnward::documents {

ChangeTracker::ChangeTracker(const form::Form& form, const Documents& documents,
                             app::Translator& translator)
    : form_(form), documents_(documents), translator_(translator) {}

FieldSnapshot ChangeTracker::now(DocumentSet which) const {
    return FieldSnapshot::Take(form_, documents_, translator_, which);
}

void ChangeTracker::takeBaseline() {
    baseline_ = now();
    announce();
}

void ChangeTracker::takeBaseline(int document) {
    baseline_.adopt(now(DocumentSet().set(static_cast<std::size_t>(document))), document);
    announce();
}

void ChangeTracker::restoreBaseline(const FieldSnapshot& baseline) {
    baseline_ = baseline;
    announce();
}

std::vector<FieldDifference> ChangeTracker::changes() const {
    std::vector<FieldDifference> differences =
        DiffFields(baseline_, now(), documents_, translator_);
    if (differences.empty()) {
        return differences;
    }
    // The baseline's texts are in the language of its moment (a list's entries, yes and no);
    // read its values again the way the window shows them now.
    QHash<QString, const form::FormItem*> items;
    for (const form::FormItem* item : form_.items()) {
        items.insert(ControlKey(*item), item);
    }
    for (FieldDifference& difference : differences) {
        const form::FormItem* head = items.value(difference.key, nullptr);
        // A parameter list's slots are named now already (DiffFields).
        if (const SnapshotField* then = baseline_.find(difference.key);
            head && then && !then->perSlot) {
            difference.before = FieldText(form_, *head, then->stored, translator_);
        }
    }
    return differences;
}

bool ChangeTracker::isChanged(const form::FormItem& item) const {
    const auto current = FieldSnapshot::StoredField(form_, item);
    if (!current) {
        return false;
    }
    const SnapshotField* then = baseline_.find(current->first);
    return then && then->stored != current->second;
}

void ChangeTracker::addListener(BaselineListener* listener) {
    listeners_.push_back(listener);
}

void ChangeTracker::removeListener(BaselineListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void ChangeTracker::announce() {
    for (BaselineListener* listener : listeners_) {
        listener->baselineTaken();
    }
}

}  // namespace kilnward::documents
