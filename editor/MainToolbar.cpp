#include "editor/MainToolbar.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>

#include "app/ProgramFolder.h"
#include "editor/ExtraMenus.h"
#include "editor/SvgIconEngine.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"

namespace kilnward::editor {

namespace {

struct Button {
    // The menu action the button shows, by object name.
    const char* action;
    // Names in the desktop's icon theme, the first one the theme has wins.
    QStringList themeIcons;
    // The shipped SVG in data/icons/toolbar.
    const char* fallback;
};

const Button kButtons[] = {
    {"frmMain!mnufileget", {"document-import", "go-down"}, "receive"},
    {"frmMain!mnufilesend", {"document-export", "go-up"}, "send"},
    {nullptr, {}, nullptr},
    {"frmMain!mnuFileOpen", {"document-open"}, "open"},
    {"frmMain!mnuFileSave", {"document-save"}, "save"},
    {nullptr, {}, nullptr},
    {"mnuundo", {"edit-undo"}, "undo"},
    {"mnuredo", {"edit-redo"}, "redo"},
    {"mnufindfield", {"edit-find"}, "find"},
    {nullptr, {}, nullptr},
    {"mnuprint", {"document-print"}, "print"},
};

QIcon ButtonIcon(const Button& button) {
    for (const QString& name : button.themeIcons) {
        if (QIcon::hasThemeIcon(name)) {
            return QIcon::fromTheme(name);
        }
    }
    return QIcon(new SvgIconEngine(
        {app::ProgramFolder::dataFile(QStringLiteral("icons/toolbar/") +
                                      QLatin1String(button.fallback) + QStringLiteral(".svg"))}));
}

QString Title() {
    return language::LangMan().TranslateString(QStringLiteral("maintoolbar"),
                                               QStringLiteral("Main toolbar"));
}

}  // namespace

MainToolbar::MainToolbar(QMainWindow& window, ExtraMenus& menus, QMenu& menu) : QToolBar(&window) {
    setObjectName(QStringLiteral("maintoolbar"));
    setWindowTitle(Title());
    setMovable(true);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    bool separatorDue = false;
    for (const Button& button : kButtons) {
        if (!button.action) {
            separatorDue = !actions().isEmpty();
            continue;
        }
        // A command this build lacks leaves no button behind.
        auto* action = window.findChild<QAction*>(QLatin1String(button.action));
        if (!action) {
            continue;
        }
        if (separatorDue) {
            addSeparator();
            separatorDue = false;
        }
        action->setIcon(ButtonIcon(button));
        addAction(action);
        describe(*action);
        connect(action, &QAction::changed, this, [this, action] { describe(*action); });
    }
    window.addToolBar(Qt::TopToolBarArea, this);

    show_ = menus.addCommand(menu, "mnumaintoolbar", "Main &toolbar");
    show_->setCheckable(true);
    show_->setChecked(true);
    connect(show_, &QAction::toggled, this, &QToolBar::setVisible);
    // A restored window state or the toolbar area's own menu may hide it too.
    connect(this, &QToolBar::visibilityChanged, show_, [this] { show_->setChecked(!isHidden()); });
}

void MainToolbar::retranslate() {
    setWindowTitle(Title());
}

void MainToolbar::describe(QAction& action) {
    const QString text = action.iconText();
    const QString shortcut = action.shortcut().toString(QKeySequence::NativeText);
    action.setToolTip(shortcut.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, shortcut));
    if (QWidget* button = widgetForAction(&action)) {
        button->setAccessibleName(text);
    }
}

}  // namespace kilnward::editor
