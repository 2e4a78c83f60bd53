#pragma once

#include <QKeySequence>
#include <QString>

#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace kilnward::editor {

// The window's own menus beside the configuration's: "Edit" after the Profile menu and
// "Tools" after the Settings menu. Their entries are window commands (undo, find, compare,
// restore, trace), not fields of a configuration, so they are made here rather than declared
// in the form; each carries a translation key and follows a change of language.
class ExtraMenus {
  public:
    // `editBefore` and `toolsBefore`: the configuration's menus the two go in front of (the
    // end of the bar when null).
    ExtraMenus(QMenuBar& bar, QMenu* editBefore, QMenu* toolsBefore);

    QMenu& edit() { return *edit_; }
    QMenu& tools() { return *tools_; }

    // A new entry at the end of `menu`; its object name is `key`, its text the translation of
    // `key` (`english` when the table lacks it).
    QAction* addCommand(QMenu& menu, const char* key, const char* english,
                        const QKeySequence& shortcut = {});
    // Takes over an entry made elsewhere (a QUndoStack's action, say) under a translation key.
    void addTranslated(QAction& action, const char* key, const char* english);

    // After a change of language.
    void retranslate();

  private:
    struct Entry {
        QAction* action;
        const char* key;
        const char* english;
    };
    QMenu* edit_;
    QMenu* tools_;
    std::vector<Entry> entries_;
};

}  // namespace kilnward::editor
