#pragma once

#include <QObject>

#include "documents/EditJournal.h"
#include "form/FieldFinder.h"

class QUndoStack;
class QWidget;

namespace kilnward::app {
class Translator;
}
namespace kilnward::commands {
class MenuCommands;
}
namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::editor {

// Undo and redo for the window: a QUndoStack that mirrors the core's journal one command per
// step (typing in one field merged into one, a receive, a load, New or a change of model one
// each). It keeps the registry's Undo and Redo entries enabled only when there is something
// to do and naming the command they take back. Undoing
// or redoing an edit shows the page of the field it changes. The shortcuts mean this history
// in every field of the window, not a text field's own; leaving a field ends its typing.
class UndoHistory : public QObject {
    Q_OBJECT

  public:
    UndoHistory(documents::MainWindowSession& session, commands::MenuCommands& menus,
                QWidget& window);
    ~UndoHistory() override;

    QUndoStack& stack() { return *stack_; }
    documents::EditJournal& journal() { return journal_; }
    // The entries' texts in the current language.
    void retranslate();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Shows the page of the field the step at `index` changes.
    void showStep(int index);

    documents::EditJournal journal_;
    form::FieldFinder finder_;
    commands::MenuCommands& menus_;
    app::Translator& translator_;
    QWidget& window_;
    QUndoStack* stack_;
};

}  // namespace kilnward::editor
