#pragma once

#include <QObject>

#include "documents/EditJournal.h"

class QAction;
class QUndoStack;
class QWidget;

namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::editor {

class ExtraMenus;

// Undo and redo for the window: a QUndoStack that mirrors the core's journal of user edits
// one command per step (typing in one field merged into one), with Undo and Redo in the
// Edit menu under the platform's shortcuts, enabled only when there is something to do.
// The shortcuts mean this history in every field of the window, not a text field's own.
class UndoHistory : public QObject {
    Q_OBJECT

  public:
    UndoHistory(documents::MainWindowSession& session, ExtraMenus& menus, QWidget& window);
    ~UndoHistory() override;

    QUndoStack& stack() { return *stack_; }
    documents::EditJournal& journal() { return journal_; }
    QAction& undoAction() { return *undo_; }
    QAction& redoAction() { return *redo_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    documents::EditJournal journal_;
    QWidget& window_;
    QUndoStack* stack_;
    QAction* undo_;
    QAction* redo_;
};

}  // namespace kilnward::editor
