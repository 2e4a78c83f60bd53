#include "editor/MainToolbar.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>

#include "app/ProgramFolder.h"
#include "app/Translator.h"
#include "commands/WindowCommand.h"
#include "editor/SvgIconEngine.h"

namespace kilnward::editor {

namespace {

QIcon ButtonIcon(const commands::ToolbarButton& button) {
    for (const QString& name : button.themeIcons) {
        if (QIcon::hasThemeIcon(name)) {
            return QIcon::fromTheme(name);
        }
    }
    return QIcon(new SvgIconEngine(
        {app::ProgramFolder::dataFile(QStringLiteral("icons/toolbar/") +
                                      QLatin1String(button.fallback) + QStringLiteral(".svg"))}));
}

}  // namespace

MainToolbar::MainToolbar(QMainWindow& window, const std::function<QAction*(const QString&)>& entry,
                         QAction& show, app::Translator& translator)
    : QToolBar(&window), show_(&show), translator_(translator) {
    setObjectName(QStringLiteral("maintoolbar"));
    retranslate();
    setMovable(true);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    bool separatorDue = false;
    for (const commands::ToolbarButton& button : commands::ToolbarButtons()) {
        if (!button.command) {
            separatorDue = !actions().isEmpty();
            continue;
        }
        // A command this build lacks leaves no button behind.
        QAction* action = entry(QLatin1String(button.command));
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

    show_->setChecked(true);
    // A restored window state or the toolbar area's own menu may hide it too.
    connect(this, &QToolBar::visibilityChanged, show_, [this] { show_->setChecked(!isHidden()); });
}

void MainToolbar::retranslate() {
    setWindowTitle(
        translator_.TranslateString(QStringLiteral("maintoolbar"), QStringLiteral("Main toolbar")));
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
