#include "editor/UndoHistory.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QUndoStack>

#include "app/Translator.h"
#include "commands/MenuCommands.h"
#include "documents/MainWindowSession.h"
#include "editor/CommandShortcuts.h"
#include "editor/FieldPage.h"

namespace kilnward::editor {

namespace {

// One step of the journal. The edit is already done when the command is pushed, so its
// first redo does nothing; later ones move the journal.
class EditCommand : public QUndoCommand {
  public:
    EditCommand(documents::EditJournal& journal, std::function<void(int)> show)
        : journal_(journal), show_(std::move(show)) {}

    int id() const override { return 1; }
    void undo() override {
        journal_.undo();
        show_(journal_.position());
    }
    void redo() override {
        if (!pushed_) {
            pushed_ = true;
            return;
        }
        journal_.redo();
        show_(journal_.position() - 1);
    }
    // The journal decides whether the newest step continues this one, and whether the two
    // together changed anything at all.
    bool mergeWith(const QUndoCommand* /*newer*/) override {
        const documents::EditJournal::Merge merge = journal_.mergeNewest();
        setObsolete(merge == documents::EditJournal::Merge::Cancelled);
        return merge != documents::EditJournal::Merge::None;
    }

  private:
    documents::EditJournal& journal_;
    std::function<void(int)> show_;
    bool pushed_ = false;
};

bool IsUndoOrRedo(const QKeyEvent& key) {
    const QKeySequence pressed(key.keyCombination());
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) ||
           CommandShortcuts(commands::CommandKeys::Redo).contains(pressed);
}

// "&Undo Receive": the entry with the name of the command it takes back, if it has one.
QString EntryText(app::Translator& translator, const char* key, const char* english,
                  const char* namedKey, const char* namedEnglish,
                  const documents::EditJournal::Step* step) {
    if (!step || !step->isCommand()) {
        return app::Translated(translator, key, english);
    }
    return app::Translated(translator, namedKey, namedEnglish,
                           {app::Translated(translator, step->key, step->english)});
}

}  // namespace

UndoHistory::UndoHistory(documents::MainWindowSession& session, commands::MenuCommands& menus,
                         QWidget& window)
    : QObject(&window),
      journal_(session),
      finder_(session.window()),
      menus_(menus),
      translator_(session.messageBoxes().translator()),
      window_(window),
      stack_(new QUndoStack(this)) {
    journal_.onRecorded = [this] {
        stack_->push(new EditCommand(journal_, [this](int index) { showStep(index); }));
    };
    journal_.onCleared = [this] { stack_->clear(); };
    menus_.setEnabled(QStringLiteral("mnuundo"), false);
    menus_.setEnabled(QStringLiteral("mnuredo"), false);
    connect(stack_, &QUndoStack::canUndoChanged, this,
            [this](bool can) { menus_.setEnabled(QStringLiteral("mnuundo"), can); });
    connect(stack_, &QUndoStack::canRedoChanged, this,
            [this](bool can) { menus_.setEnabled(QStringLiteral("mnuredo"), can); });
    connect(stack_, &QUndoStack::indexChanged, this, &UndoHistory::retranslate);
    qApp->installEventFilter(this);
}

UndoHistory::~UndoHistory() {
    // The stack empties itself as it goes; the window it tells is going away too.
    stack_->blockSignals(true);
    journal_.onRecorded = nullptr;
    journal_.onCleared = nullptr;
}

void UndoHistory::retranslate() {
    const int position = journal_.position();
    const auto at = [this](int index) {
        return index >= 0 && index < journal_.count() ? &journal_.step(index) : nullptr;
    };
    menus_.setCaption(
        QStringLiteral("mnuundo"),
        EntryText(translator_, "mnuundo", "&Undo", "mnuundostep", "&Undo %1%", at(position - 1)));
    menus_.setCaption(
        QStringLiteral("mnuredo"),
        EntryText(translator_, "mnuredo", "&Redo", "mnuredostep", "&Redo %1%", at(position)));
}

void UndoHistory::showStep(int index) {
    if (index < 0 || index >= journal_.count()) {
        return;
    }
    const documents::EditJournal::Step& step = journal_.step(index);
    if (!step.changes.empty()) {
        OpenFieldPage(finder_, *step.changes.front().item);
    }
}

bool UndoHistory::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::FocusOut) {
        return QObject::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !window_.isAncestorOf(widget)) {
        return QObject::eventFilter(watched, event);
    }
    // A text field claims Ctrl+Z for its own undo, which would undo typing behind the
    // history's back; left unclaimed, the key reaches the Edit menu's entry.
    if (type == QEvent::ShortcutOverride && qobject_cast<QLineEdit*>(watched) &&
        IsUndoOrRedo(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    // Typing resumed after leaving a field is a new step.
    if (type == QEvent::FocusOut) {
        journal_.endMerge();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kilnward::editor
