#include "editor/UndoHistory.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QUndoStack>

#include "documents/MainWindowSession.h"
#include "editor/ExtraMenus.h"

namespace kilnward::editor {

namespace {

// One step of the journal. The edit is already done when the command is pushed, so its
// first redo does nothing; later ones move the journal.
class EditCommand : public QUndoCommand {
  public:
    explicit EditCommand(documents::EditJournal& journal) : journal_(journal) {}

    int id() const override { return 1; }
    void undo() override { journal_.undo(); }
    void redo() override {
        if (!pushed_) {
            pushed_ = true;
            return;
        }
        journal_.redo();
    }
    // The journal decides whether the newest step continues this one.
    bool mergeWith(const QUndoCommand* /*newer*/) override { return journal_.mergeNewest(); }

  private:
    documents::EditJournal& journal_;
    bool pushed_ = false;
};

bool IsUndoOrRedo(const QKeyEvent& key) {
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo);
}

}  // namespace

UndoHistory::UndoHistory(documents::MainWindowSession& session, ExtraMenus& menus, QWidget& window)
    : QObject(&window),
      journal_(session.window().form(), session.documents()),
      window_(window),
      stack_(new QUndoStack(this)) {
    journal_.onRecorded = [this] { stack_->push(new EditCommand(journal_)); };
    journal_.onCleared = [this] { stack_->clear(); };
    undo_ = menus.addCommand(menus.edit(), "mnuundo", "&Undo", QKeySequence::Undo);
    redo_ = menus.addCommand(menus.edit(), "mnuredo", "&Redo", QKeySequence::Redo);
    // Every binding the platform has for the two, not only its first.
    undo_->setShortcuts(QKeySequence::Undo);
    redo_->setShortcuts(QKeySequence::Redo);
    undo_->setEnabled(false);
    redo_->setEnabled(false);
    connect(undo_, &QAction::triggered, stack_, &QUndoStack::undo);
    connect(redo_, &QAction::triggered, stack_, &QUndoStack::redo);
    connect(stack_, &QUndoStack::canUndoChanged, undo_, &QAction::setEnabled);
    connect(stack_, &QUndoStack::canRedoChanged, redo_, &QAction::setEnabled);
    qApp->installEventFilter(this);
}

UndoHistory::~UndoHistory() {
    journal_.onRecorded = nullptr;
    journal_.onCleared = nullptr;
}

bool UndoHistory::eventFilter(QObject* watched, QEvent* event) {
    // A text field claims Ctrl+Z for its own undo, which would undo typing behind the
    // history's back; left unclaimed, the key reaches the Edit menu's entry.
    if (event->type() == QEvent::ShortcutOverride && qobject_cast<QLineEdit*>(watched) &&
        IsUndoOrRedo(*static_cast<QKeyEvent*>(event)) &&
        window_.isAncestorOf(static_cast<QWidget*>(watched))) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kilnward::editor
