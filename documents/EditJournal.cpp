#include "documents/EditJournal.h"

#include <algorithm>
#include <utility>

#include "documents/ChangeTracker.h"
#include "documents/MainWindowSession.h"
#include "form/Form.h"
#include "form/FormItem.h"
#include "form/MainForm.h"

namespace kilnward::documents {

namespace {

// Rules that follow one value can move another that was already put back: a few rounds
// settle every value the form can hold together.
constexpr int kPutBackRounds = 3;

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

void PutBack(form::FormItem& item, const std::vector<StoredValue>& values) {
    DecodeControl(item, [&values](const QString& key, const QString& current) {
        for (const StoredValue& stored : values) {
            if (stored.key == key) {
                return stored.value;
            }
        }
        return current;
    });
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

EditJournal::EditJournal(MainWindowSession& session)
    : EditJournal(session.window().form(), session.documents()) {
    window_ = &session.window();
    changes_ = &session.changes();
}

EditJournal::~EditJournal() {
    documents_.removeListener(this);
    form_.removeListener(this);
}

void EditJournal::clear() {
    steps_.clear();
    position_ = 0;
    mergeFloor_ = 0;
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
    if (applying_) {
        return;
    }
    if (commandDepth_ > 0) {
        commandSaving_ = false;
        const int d = documents_.FindDocumentByTag(item.documentTag());
        if (d >= 0) {
            commandTouched_[static_cast<size_t>(d)] = true;
        }
    } else if (editing_) {
        noteChange(item, std::move(before), std::move(now));
    } else if (count() > 0) {
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
        // Whatever dirty mark the edit's rules set, the documents are as they were.
        followDirtyMarks();
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

EditJournal::DocumentState EditJournal::documentState(int document) const {
    const DocumentInfo& info = documents_[document];
    return {info.FileName(), info.Dirty(), cleanAt_[static_cast<size_t>(document)]};
}

void EditJournal::commandStarted(const char* key, const char* english) {
    if (applying_ || commandDepth_++ > 0) {
        return;
    }
    endMerge();
    command_ = Step();
    command_.key = key;
    command_.english = english;
    commandSaving_ = false;
    command_.before = std::make_shared<CommandSide>();
    CommandSide& before = *command_.before;
    before.values = stored_;
    before.model = window_ ? window_->selectedInstrumentId() : 0;
    for (int d = 0; d < kDocumentCount; ++d) {
        before.documents[static_cast<size_t>(d)] = documentState(d);
    }
    if (changes_) {
        before.baseline = changes_->baseline();
    }
    commandTouched_.fill(false);
}

void EditJournal::commandFinished() {
    if (applying_ || commandDepth_ == 0 || --commandDepth_ > 0) {
        return;
    }
    finishCommand();
}

void EditJournal::finishCommand() {
    Step step = std::exchange(command_, Step());
    CommandSide& before = *step.before;
    const std::uint8_t model = window_ ? window_->selectedInstrumentId() : 0;
    const bool valuesChanged =
        std::any_of(before.values.constKeyValueBegin(), before.values.constKeyValueEnd(),
                    [this](const auto& entry) {
                        return !SameValues(entry.second, stored_.value(entry.first));
                    });
    std::array<bool, kDocumentCount> replaced{};
    for (int d = 0; d < kDocumentCount; ++d) {
        const DocumentState& was = before.documents[static_cast<size_t>(d)];
        const DocumentInfo& info = documents_[d];
        replaced[static_cast<size_t>(d)] = commandTouched_[static_cast<size_t>(d)] ||
                                           was.fileName != info.FileName() ||
                                           was.dirty != info.Dirty();
    }
    if (!valuesChanged && model == before.model) {
        // Nothing to undo; a document it renamed or saved matches its file from here.
        for (int d = 0; d < kDocumentCount; ++d) {
            if (replaced[static_cast<size_t>(d)]) {
                cleanAt_[static_cast<size_t>(d)] = documents_[d].Dirty() ? -1 : position_;
            }
        }
        return;
    }
    dropRedoSteps();
    step.touches = replaced;
    step.after = std::make_shared<CommandSide>();
    CommandSide& after = *step.after;
    after.values = stored_;
    after.model = model;
    if (changes_) {
        after.baseline = changes_->baseline();
    }
    for (int d = 0; d < kDocumentCount; ++d) {
        const auto i = static_cast<size_t>(d);
        after.documents[i] = documentState(d);
        if (replaced[i]) {
            // The matching state before the command, as it is now that the redo steps are gone.
            before.documents[i].cleanAt = cleanAt_[i];
            after.documents[i].cleanAt = documents_[d].Dirty() ? -1 : position_ + 1;
        }
    }
    record(std::move(step));
    for (int d = 0; d < kDocumentCount; ++d) {
        const auto i = static_cast<size_t>(d);
        if (steps_.back().touches[i]) {
            cleanAt_[i] = steps_.back().after->documents[i].cleanAt;
        }
    }
}

void EditJournal::commitPendingEdits() {
    // A save (or a send) hands over the value being typed: what follows is a new step.
    endMerge();
    commandSaving_ = commandDepth_ > 0;
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
    mergeFloor_ = std::min(mergeFloor_, position_);
}

void EditJournal::endMerge() {
    mergeFloor_ = count();
}

EditJournal::Merge EditJournal::mergeNewest() {
    if (count() < 2 || position_ != count() || mergeFloor_ > count() - 2) {
        return Merge::None;
    }
    Step& older = steps_[steps_.size() - 2];
    const Step& newer = steps_.back();
    if (older.isCommand() || newer.isCommand() || older.changes.size() != 1 ||
        newer.changes.size() != 1 || older.changes.front().item != newer.changes.front().item ||
        !IsTyped(*newer.changes.front().item)) {
        return Merge::None;
    }
    // A document saved between the two keeps that position to come back to.
    for (int d = 0; d < kDocumentCount; ++d) {
        if (newer.touches[static_cast<size_t>(d)] &&
            cleanAt_[static_cast<size_t>(d)] == count() - 1) {
            return Merge::None;
        }
    }
    older.changes.front().after = newer.changes.front().after;
    for (size_t d = 0; d < older.touches.size(); ++d) {
        older.touches[d] = older.touches[d] || newer.touches[d];
    }
    dropNewestStep();
    if (!SameValues(older.changes.front().before, older.changes.front().after)) {
        return Merge::Merged;
    }
    // Typed and erased again: the field is as it was before the first key.
    dropNewestStep();
    mergeFloor_ = std::min(mergeFloor_, position_);
    followDirtyMarks();
    return Merge::Cancelled;
}

void EditJournal::dropNewestStep() {
    // A document clean at the dropped step is clean at the one before it.
    for (int& clean : cleanAt_) {
        if (clean == count()) {
            --clean;
        }
    }
    steps_.pop_back();
    position_ = count();
}

void EditJournal::undo() {
    if (!canUndo()) {
        return;
    }
    endMerge();
    --position_;
    apply(steps_[static_cast<size_t>(position_)], false);
}

void EditJournal::redo() {
    if (!canRedo()) {
        return;
    }
    endMerge();
    ++position_;
    apply(steps_[static_cast<size_t>(position_ - 1)], true);
}

void EditJournal::apply(Step& step, bool forward) {
    applying_ = true;
    if (step.isCommand()) {
        applyCommand(step, forward);
    } else {
        // Back in reverse order, so a value that two changes passed through ends as it began.
        const auto put = [forward](const Change& change) {
            PutBack(*change.item, forward ? change.after : change.before);
        };
        if (forward) {
            std::for_each(step.changes.begin(), step.changes.end(), put);
        } else {
            std::for_each(step.changes.rbegin(), step.changes.rend(), put);
        }
    }
    followDirtyMarks();
    applying_ = false;
}

void EditJournal::applyCommand(Step& step, bool forward) {
    CommandSide& target = forward ? *step.after : *step.before;
    CommandSide& left = forward ? *step.before : *step.after;
    if (window_ && window_->selectedInstrumentId() != target.model) {
        selectModel(target.model);
    }
    putValues(target.values);
    for (int d = 0; d < kDocumentCount; ++d) {
        const auto i = static_cast<size_t>(d);
        if (!step.touches[i]) {
            continue;
        }
        // The side left behind keeps what happened there meanwhile (a save), for coming back.
        left.documents[i] = documentState(d);
        documents_.setFileName(d, target.documents[i].fileName);
        cleanAt_[i] = target.documents[i].cleanAt;
    }
    if (changes_ && target.baseline) {
        changes_->restoreBaseline(*target.baseline);
    }
}

void EditJournal::selectModel(std::uint8_t model) {
    // The configuration is put back whole afterwards, so the model's question about
    // replacing it does not apply here.
    documents_.setDirty(kConfigurationDocument, false);
    window_->selectModel(model);
}

void EditJournal::putValues(const Values& values) {
    for (int round = 0; round < kPutBackRounds; ++round) {
        bool changed = false;
        for (form::FormItem* item : form_.items()) {
            const auto wanted = values.constFind(item);
            if (wanted != values.constEnd() && !SameValues(EncodeControl(*item), *wanted)) {
                PutBack(*item, *wanted);
                changed = true;
            }
        }
        if (!changed) {
            return;
        }
    }
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
    if (applying_ || editing_) {
        return;
    }
    const auto d = static_cast<size_t>(document);
    if (commandDepth_ > 0) {
        // Inside a command, a document it has not replaced yet that a save makes clean (its
        // save question) starts the command from the saved state. Made clean without a
        // save (the answer No) it was still changed.
        if (commandSaving_ && !commandTouched_[d] && !documents_[document].Dirty()) {
            command_.before->documents[d] = documentState(document);
            command_.before->documents[d].cleanAt = position_;
            cleanAt_[d] = position_;
        }
        if (change == DocumentChange::Dirty) {
            commandSaving_ = false;
        }
        return;
    }
    if (change != DocumentChange::Dirty) {
        return;
    }
    // Saved or loaded: it matches its file here. Changed outside the history: nowhere.
    cleanAt_[d] = documents_[document].Dirty() ? -1 : position_;
}

}  // namespace kilnward::documents
