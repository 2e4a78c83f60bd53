#include "editor/ExtraMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "language/LangMan.h"
#include "language/LanguageManager.h"

namespace kilnward::editor {

namespace {

QMenu* InsertMenu(QMenuBar& bar, const char* key, QMenu* next) {
    auto* menu = new QMenu(&bar);
    menu->setObjectName(QLatin1String(key));
    if (next) {
        bar.insertMenu(next->menuAction(), menu);
    } else {
        bar.addMenu(menu);
    }
    return menu;
}

}  // namespace

ExtraMenus::ExtraMenus(QMenuBar& bar, QMenu* editBefore, QMenu* toolsBefore)
    : edit_(InsertMenu(bar, "mnuedit", editBefore)),
      tools_(InsertMenu(bar, "mnutools", toolsBefore)) {
    addTranslated(*edit_->menuAction(), "mnuedit", "&Edit");
    addTranslated(*tools_->menuAction(), "mnutools", "&Tools");
}

QAction* ExtraMenus::addCommand(QMenu& menu, const char* key, const char* english,
                                const QKeySequence& shortcut) {
    auto* action = menu.addAction(QString());
    action->setObjectName(QLatin1String(key));
    action->setShortcut(shortcut);
    addTranslated(*action, key, english);
    return action;
}

void ExtraMenus::addTranslated(QAction& action, const char* key, const char* english) {
    entries_.push_back({&action, key, english});
    action.setText(language::LangMan().TranslateString(QLatin1String(key), QLatin1String(english)));
}

void ExtraMenus::retranslate() {
    auto& langMan = language::LangMan();
    for (const auto& entry : entries_) {
        entry.action->setText(
            langMan.TranslateString(QLatin1String(entry.key), QLatin1String(entry.english)));
    }
}

}  // namespace kilnward::editor
