#include "editor/CommandShortcuts.h"

namespace kilnward::editor {

QList<QKeySequence> CommandShortcuts(commands::CommandKeys keys) {
    using commands::CommandKeys;
    switch (keys) {
        case CommandKeys::None:
            return {};
        case CommandKeys::Undo:
            return QKeySequence::keyBindings(QKeySequence::Undo);
        case CommandKeys::Redo: {
            QList<QKeySequence> redo = QKeySequence::keyBindings(QKeySequence::Redo);
            const QKeySequence alsoRedo(Qt::CTRL | Qt::Key_Y);
            if (!redo.contains(alsoRedo)) {
                redo << alsoRedo;
            }
            return redo;
        }
        case CommandKeys::Find:
            return QKeySequence::keyBindings(QKeySequence::Find);
        case CommandKeys::Print:
            return QKeySequence::keyBindings(QKeySequence::Print);
    }
    return {};
}

}  // namespace kilnward::editor
