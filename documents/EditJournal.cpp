#include "documents/EditJournal.h"

#include <algorithm>
#include <utility>

#include "form/Form.h"
#include "form/FormItem.h"

namespace kilnward::documents {

namespace {

bool SameValues(const std::vector<StoredValue>& a, const std::vector<StoredValue>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const StoredValue& x, const StoredValue& y) {
                          return x.key == y.key && x.value == y.value;
                      });
}

bool ChangesValue(form::ItemChange change) {
    return change == form::ItemChange::Value || change == form::ItemChange::Nodes;
}

// Typing in one field is one step however many characters it takes.
bool IsTyped(const form::FormItem& item) {
    return item.kind() == form::ItemKind::Numeric || item.kind() == form::ItemKind::Text;
}

}  // namespace

EditJournal::EditJournal(form::Form& form, Documents& documents)
    : form_(form), documents_(documents) {
    for (const form::FormItem* item : form.items()) {
        stored_.insert(item, EncodeControl(*item));
    }
    clear();
    form_.addListener(this);
    documents_.addListener(this);
}

EditJournal::~EditJournal() {
    documents_.removeListener(this);
    form_.removeListener(this);
}

void EditJournal::clear() {
    steps_.clear();
    position_ = 0;
    for (int d = 0; d < kDocumentCount; ++d) {
        cleanAt_[static_cast<size_t>(d)] = documents_[d].Dirty() ? -1 : 0;
    }
    if (onCleared) {
        onCleared();
    }
}

void EditJournal::itemChanged(form::FormItem& item, form::ItemChange change,
                              form::ChangeOrigin /*origin*/) {
    if (!ChangesValue(change)) {
        return;
    }
    std::vector<StoredValue> now = EncodeControl(item);
    std::vector<StoredValue>& last = stored_[&item];
    if (SameValues(last, now)) {
        return;
    }
    std::vector<StoredValue> before = std::exchange(last, now);
    if (editing_) {
        noteChange(item, std::move(before), std::move(now));
    } else if (!applying_ && count() > 0) {
        clear();
    }
}

void EditJournal::noteChange(form::FormItem& item, std::vector<StoredValue> before,
                             std::vector<StoredValue> after) {
    for (Change& change : pending_.changes) {
        if (change.item == &item) {
            change.after = std::move(after);
            return;
        }
    }
    pending_.changes.push_back({&item, std::move(before), std::move(after)});
}

void EditJournal::userEditStarted(form::FormItem& /*item*/) {
    editing_ = true;
    pending_ = Step();
}

void EditJournal::userEditFinished(form::FormItem& /*item*/) {
    editing_ = false;
    Step step = std::exchange(pending_, Step());
    // A value the edit changed and then changed back is no change.
    std::erase_if(step.changes,
                  [](const Change& change) { return SameValues(change.before, change.after); });
    if (step.changes.empty()) {
        return;
    }
    for (const Change& change : step.changes) {
        const int d = documents_.FindDocumentByTag(change.item->documentTag());
        if (d >= 0) {
            step.touches[static_cast<size_t>(d)] = true;
        }
    }
    record(std::move(step));
}

void EditJournal::record(Step step) {
    dropRedoSteps();
    steps_.push_back(std::move(step));
    position_ = count();
    if (onRecorded) {
        onRecorded();
    }
}

void EditJournal::dropRedoSteps() {
    for (int d = 0; d < kDocumentCount; ++d) {
        int& clean = cleanAt_[static_cast<size_t>(d)];
        if (clean > position_) {
            // The matching state survives only when the dropped steps never touched it.
            clean = touchedBetween(d, position_, clean) ? -1 : position_;
        }
    }
    steps_.resize(static_cast<size_t>(position_));
}

bool EditJournal::mergeNewest() {
    if (count() < 2 || position_ != count()) {
        return false;
    }
    Step& older = steps_[steps_.size() - 2];
    const Step& newer = steps_.back();
    if (older.changes.size() != 1 || newer.changes.size() != 1 ||
        older.changes.front().item != newer.changes.front().item ||
        !IsTyped(*newer.changes.front().item)) {
        return false;
    }
    // A document saved between the two keeps that position to come back to.
    for (int d = 0; d < kDocumentCount; ++d) {
        if (newer.touches[static_cast<size_t>(d)] &&
            cleanAt_[static_cast<size_t>(d)] == count() - 1) {
            return false;
        }
    }
    older.changes.front().after = newer.changes.front().after;
    for (size_t d = 0; d < older.touches.size(); ++d) {
        older.touches[d] = older.touches[d] || newer.touches[d];
    }
    for (int& clean : cleanAt_) {
        if (clean == count()) {
            --clean;
        }
    }
    steps_.pop_back();
    position_ = count();
    return true;
}

void EditJournal::undo() {
    if (!canUndo()) {
        return;
    }
    --position_;
    apply(steps_[static_cast<size_t>(position_)], false);
}

void EditJournal::redo() {
    if (!canRedo()) {
        return;
    }
    ++position_;
    apply(steps_[static_cast<size_t>(position_ - 1)], true);
}

void EditJournal::apply(const Step& step, bool forward) {
    applying_ = true;
    // Back in reverse order, so a value that two changes passed through ends as it began.
    const auto put = [forward](const Change& change) {
        const std::vector<StoredValue>& values = forward ? change.after : change.before;
        DecodeControl(*change.item, [&values](const QString& key, const QString& current) {
            for (const StoredValue& stored : values) {
                if (stored.key == key) {
                    return stored.value;
                }
            }
            return current;
        });
    };
    if (forward) {
        std::for_each(step.changes.begin(), step.changes.end(), put);
    } else {
        std::for_each(step.changes.rbegin(), step.changes.rend(), put);
    }
    followDirtyMarks();
    applying_ = false;
}

void EditJournal::followDirtyMarks() {
    for (int d = 0; d < kDocumentCount; ++d) {
        documents_.setDirty(d, dirtyAt(d, position_));
    }
}

bool EditJournal::dirtyAt(int document, int position) const {
    const int clean = cleanAt_[static_cast<size_t>(document)];
    return clean < 0 ||
           touchedBetween(document, std::min(clean, position), std::max(clean, position));
}

bool EditJournal::touchedBetween(int document, int from, int to) const {
    for (int i = from; i < to; ++i) {
        if (steps_[static_cast<size_t>(i)].touches[static_cast<size_t>(document)]) {
            return true;
        }
    }
    return false;
}

void EditJournal::documentChanged(int document, DocumentChange change) {
    if (change != DocumentChange::Dirty || applying_ || editing_) {
        return;
    }
    // Saved or loaded: it matches its file here. Changed outside the history: nowhere.
    cleanAt_[static_cast<size_t>(document)] = documents_[document].Dirty() ? -1 : position_;
}

}  // namespace kilnward::documents
