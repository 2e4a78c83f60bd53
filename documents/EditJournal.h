#pragma once

#include <QHash>

#include <array>
#include <functional>
#include <vector>

#include "documents/Documents.h"
#include "documents/DocumentsListener.h"
#include "documents/ValueEncoding.h"
#include "form/FormListener.h"

namespace kilnward::form {
class Form;
class FormItem;
}  // namespace kilnward::form

namespace kilnward::documents {

// The history of the user's edits, for undo and redo. It records at the form's setter
// boundary: everything between the start and the end of one user edit (see form::UserEdit)
// is one step, holding each stored value that changed before and after, whether the user
// or a rule changed it. Undo and redo put values back through the same setters as a program
// change, so the edit rules run as for a load, and nothing new is recorded.
//
// Each document remembers the position in the history where its contents match its file
// (set when it is saved or loaded), so moving back to that position clears its dirty mark
// and moving away from it sets it again. Any other change of a value (a load, New, a
// receive, a change of model) makes the history meaningless: it is cleared.
class EditJournal : public form::FormListener, public DocumentsListener {
  public:
    // One item's stored values around a step.
    struct Change {
        form::FormItem* item;
        std::vector<StoredValue> before;
        std::vector<StoredValue> after;
    };
    struct Step {
        std::vector<Change> changes;
        // The documents whose contents the step changed.
        std::array<bool, kDocumentCount> touches{};
    };

    EditJournal(form::Form& form, Documents& documents);
    ~EditJournal() override;
    EditJournal(const EditJournal&) = delete;
    EditJournal& operator=(const EditJournal&) = delete;

    int count() const { return static_cast<int>(steps_.size()); }
    // How many steps are applied: undo goes back from here, redo forward.
    int position() const { return position_; }
    const Step& step(int index) const { return steps_.at(static_cast<size_t>(index)); }
    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < count(); }
    void undo();
    void redo();
    // Folds the newest step into the one before it when both are typing in the same text or
    // numeric field and no document was saved between them; false, and nothing changes,
    // otherwise.
    bool mergeNewest();
    void clear();

    // Told after a step was recorded, and after the history was cleared.
    std::function<void()> onRecorded;
    std::function<void()> onCleared;

    // form::FormListener
    void itemChanged(form::FormItem& item, form::ItemChange change,
                     form::ChangeOrigin origin) override;
    void userEditStarted(form::FormItem& item) override;
    void userEditFinished(form::FormItem& item) override;
    // DocumentsListener
    void documentChanged(int document, DocumentChange change) override;

  private:
    void record(Step step);
    void apply(const Step& step, bool forward);
    void followDirtyMarks();
    bool dirtyAt(int document, int position) const;
    // Whether a step between the two positions changes the document.
    bool touchedBetween(int document, int from, int to) const;
    void dropRedoSteps();
    void noteChange(form::FormItem& item, std::vector<StoredValue> before,
                    std::vector<StoredValue> after);

    form::Form& form_;
    Documents& documents_;
    std::vector<Step> steps_;
    int position_ = 0;
    // Per document: the position where it matches its file, or -1 when none does.
    std::array<int, kDocumentCount> cleanAt_{};
    // The stored values as they were after the last change, to tell what an edit changed.
    QHash<const form::FormItem*, std::vector<StoredValue>> stored_;
    // The step being recorded while a user edit runs.
    bool editing_ = false;
    Step pending_;
    // True while undo or redo puts values back.
    bool applying_ = false;
};

}  // namespace kilnward::documents
