// The main toolbar: the menus' own commands with icons, tooltips naming their shortcut and
// accessible names, enabled as the commands are, and shown or hidden from the Settings menu.

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "editor/MainToolbar.h"
#include "editor/MainWindow.h"
#include "editor/UndoHistory.h"
#include "tests/editor/EditorFixture.h"

namespace kilnward::editor::testing {

namespace {

using MainToolbarTest = EditorFixture;

TEST_F(MainToolbarTest, ButtonsAreTheMenuCommandsWithIconsShortcutTipsAndNames) {
    MainToolbar& bar = window().mainToolbar();
    const struct {
        const char* action;
        const char* tip;
    } buttons[] = {
        {"frmMain!mnufileget", "Receive (F6)"},
        {"frmMain!mnufilesend", "Send (F5)"},
        {"frmMain!mnuFileOpen", "Open (Ctrl+O)"},
        {"frmMain!mnuFileSave", "Save (Ctrl+S)"},
        {"mnuundo", "Undo (Ctrl+Z)"},
        {"mnuredo", "Redo"},
        {"mnufindfield", "Find field (Ctrl+F)"},
    };
    for (const auto& button : buttons) {
        auto* action = window().findChild<QAction*>(QLatin1String(button.action));
        ASSERT_NE(action, nullptr) << button.action;
        EXPECT_TRUE(bar.actions().contains(action)) << button.action;
        EXPECT_FALSE(action->icon().isNull()) << button.action;
        EXPECT_TRUE(action->toolTip().startsWith(QLatin1String(button.tip)))
            << action->toolTip().toStdString();
        auto* widget = qobject_cast<QToolButton*>(bar.widgetForAction(action));
        ASSERT_NE(widget, nullptr) << button.action;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << button.action;
        EXPECT_FALSE(widget->accessibleName().contains(u'&')) << button.action;
        EXPECT_FALSE(widget->icon().pixmap(32, 32).isNull()) << button.action;
    }
    EXPECT_TRUE(bar.isMovable());
}

TEST_F(MainToolbarTest, ButtonsAreEnabledAsTheirCommandsAre) {
    chooseModel(13);
    // The model change is a step of its own; the buttons are watched from an empty history.
    window().undoHistory().journal().clear();
    auto* undo = window().findChild<QAction*>(QStringLiteral("mnuundo"));
    ASSERT_NE(undo, nullptr);
    QWidget* button = window().mainToolbar().widgetForAction(undo);
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isEnabled());
    auto* line = widget<QLineEdit>("txtserviceline", 0);
    ASSERT_NE(line, nullptr);
    const QString before = line->text();
    QTest::keyClicks(line, QStringLiteral("x"));
    leave(line);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(button->isEnabled());
    static_cast<QToolButton*>(button)->click();
    EXPECT_EQ(line->text(), before);
    EXPECT_FALSE(button->isEnabled());
}

TEST_F(MainToolbarTest, TheSettingsMenuHidesAndShowsIt) {
    MainToolbar& bar = window().mainToolbar();
    QAction& entry = bar.showAction();
    EXPECT_EQ(entry.objectName(), "mnumaintoolbar");
    EXPECT_EQ(entry.text(), "Main &toolbar");
    EXPECT_TRUE(entry.isChecked());
    EXPECT_TRUE(bar.isVisible());
    entry.trigger();
    EXPECT_FALSE(bar.isVisible());
    EXPECT_FALSE(entry.isChecked());
    bar.show();
    EXPECT_TRUE(entry.isChecked());
}

}  // namespace

}  // namespace kilnward::editor::testing
