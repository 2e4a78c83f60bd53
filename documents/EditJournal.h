#pragma once

#include <QHash>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "documents/Documents.h"
#include "documents/DocumentsListener.h"
#include "documents/FieldSnapshot.h"
#include "documents/ValueEncoding.h"
#include "form/FormListener.h"

namespace kilnward::form {
class Form;
class FormItem;
class MainForm;
}  // namespace kilnward::form

namespace kilnward::documents {

class ChangeTracker;
class MainWindowSession;

// The history of the user's edits and of the commands that replace values as a whole, for
// undo and redo. It records at the form's setter boundary: everything between the start and
// the end of one user edit (see form::UserEdit) is one step, holding each stored value that
// changed before and after, whether the user or a rule changed it. A command (New, a load,
// a receive, a change of model: see form::CommandStep) is one step too, holding the whole
// form, the model, the documents' names and saved states, and the baseline of the changed
// marks on either side. Undo and redo put values back through the same setters as a program
// change, so the edit rules run as for a load, and nothing new is recorded. A step that
// changes no value is not kept.
//
// Each document remembers the position in the history where its contents match its file
// (set when it is saved or loaded), so moving back to that position clears its dirty mark
// and moving away from it sets it again. A change of a value outside an edit and outside a
// command makes the history meaningless: it is cleared.
class EditJournal : public form::FormListener, public DocumentsListener {
  public:
    using Values = QHash<const form::FormItem*, std::vector<StoredValue>>;

    // One item's stored values around a step.
    struct Change {
        form::FormItem* item;
        std::vector<StoredValue> before;
        std::vector<StoredValue> after;
    };
    // A document as a command found or left it.
    struct DocumentState {
        QString fileName;
        bool dirty = false;
        // The position where it matches its file, or -1.
        int cleanAt = -1;
    };
    // Everything a command step puts back on one side of it.
    struct CommandSide {
        Values values;
        std::uint8_t model = 0;
        std::array<DocumentState, kDocumentCount> documents;
        std::optional<FieldSnapshot> baseline;
    };
    struct Step {
        std::vector<Change> changes;
        // The documents whose contents the step changed (or, for a command, replaced).
        std::array<bool, kDocumentCount> touches{};
        // A command's name (translation key and English text); null for a user edit.
        const char* key = nullptr;
        const char* english = nullptr;
        std::shared_ptr<CommandSide> before;
        std::shared_ptr<CommandSide> after;

        bool isCommand() const { return key != nullptr; }
    };

    EditJournal(form::Form& form, Documents& documents);
    // The window's history: model changes and the changed marks' baseline are undone too.
    explicit EditJournal(MainWindowSession& session);
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

    enum class Merge {
        // The newest step stays a step of its own.
        None,
        // It was folded into the one before it.
        Merged,
        // Folded in, the two changed nothing together: both are gone.
        Cancelled,
    };
    // Folds the newest step into the one before it when both are typing in the same text or
    // numeric field with no boundary between them (a save, a command, a transfer, the field
    // left, an undo: see endMerge).
    Merge mergeNewest();
    // The next step starts afresh instead of continuing the typing before it.
    void endMerge();
    void clear();

    // Told after a step was recorded, and after the history was cleared.
    std::function<void()> onRecorded;
    std::function<void()> onCleared;

    // form::FormListener
    void itemChanged(form::FormItem& item, form::ItemChange change,
                     form::ChangeOrigin origin) override;
    void userEditStarted(form::FormItem& item) override;
    void userEditFinished(form::FormItem& item) override;
    void commandStarted(const char* key, const char* english) override;
    void commandFinished() override;
    void commitPendingEdits() override;
    // DocumentsListener
    void documentChanged(int document, DocumentChange change) override;

  private:
    void record(Step step);
    void apply(Step& step, bool forward);
    void applyCommand(Step& step, bool forward);
    void putValues(const Values& values);
    void selectModel(std::uint8_t model);
    void followDirtyMarks();
    // Takes the newest step off the end (merged into the one before, or cancelled).
    void dropNewestStep();
    bool dirtyAt(int document, int position) const;
    // Whether a step between the two positions changes the document.
    bool touchedBetween(int document, int from, int to) const;
    void dropRedoSteps();
    void noteChange(form::FormItem& item, std::vector<StoredValue> before,
                    std::vector<StoredValue> after);
    DocumentState documentState(int document) const;
    void finishCommand();

    form::Form& form_;
    Documents& documents_;
    form::MainForm* window_ = nullptr;
    ChangeTracker* changes_ = nullptr;
    std::vector<Step> steps_;
    int position_ = 0;
    // Steps below this index are never merged with a newer one.
    int mergeFloor_ = 0;
    // Per document: the position where it matches its file, or -1 when none does.
    std::array<int, kDocumentCount> cleanAt_{};
    // The stored values as they were after the last change, to tell what an edit changed.
    Values stored_;
    // The step being recorded while a user edit runs.
    bool editing_ = false;
    Step pending_;
    // The command being recorded: how deep its steps nest, its first side, and the
    // documents whose values it changed so far.
    int commandDepth_ = 0;
    Step command_;
    std::array<bool, kDocumentCount> commandTouched_{};
    // True from a save's hand-over of pending edits to the document's clean mark.
    bool commandSaving_ = false;
    // True while undo or redo puts values back.
    bool applying_ = false;
};

}  // namespace kilnward::documents
