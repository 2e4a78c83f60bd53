#pragma once

#include <QObject>

#include "documents/EditJournal.h"
#include "form/FieldFinder.h"

class QAction;
class QUndoStack;
class QWidget;

namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::editor {

class ExtraMenus;

// Undo and redo for the window: a QUndoStack that mirrors the core's journal one command per
// step (typing in one field merged into one, a receive, a load, New or a change of model one
// each), with Undo and Redo in the Edit menu under the platform's shortcuts and Ctrl+Y,
// enabled only when there is something to do and naming the command they take back. Undoing
// or redoing an edit shows the page of the field it changes. The shortcuts mean this history
// in every field of the window, not a text field's own; leaving a field ends its typing.
class UndoHistory : public QObject {
    Q_OBJECT

  public:
    UndoHistory(documents::MainWindowSession& session, ExtraMenus& menus, QWidget& window);
    ~UndoHistory() override;

    QUndoStack& stack() { return *stack_; }
    documents::EditJournal& journal() { return journal_; }
    QAction& undoAction() { return *undo_; }
    QAction& redoAction() { return *redo_; }
    // The entries' texts in the current language.
    void retranslate();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Shows the page of the field the step at `index` changes.
    void showStep(int index);

    documents::EditJournal journal_;
    form::FieldFinder finder_;
    QWidget& window_;
    QUndoStack* stack_;
    QAction* undo_;
    QAction* redo_;
};

}  // namespace kilnward::editor
