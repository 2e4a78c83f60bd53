// Every entry of the menu bar and every toolbar button is served by the one registry
// (`commands::MenuCommands`): the window shows the registry's names, shortcuts and enabled
// states, in every language, and follows it when they change.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "commands/MenuCommands.h"
#include "editor/CommandShortcuts.h"
#include "editor/MainToolbar.h"
#include "editor/MainWindow.h"
#include "form/Form.h"
#include "form/MenuItem.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "tests/editor/EditorFixture.h"

namespace kilnward::editor::testing {

namespace {

constexpr int kEnglish = 0;
constexpr int kDeutsch = 2;

class MenuRegistryTest : public EditorFixture {
  protected:
    void switchTo(int language) {
        language::LangMan().SetLanguageIndex(language);
        window().retranslate();
    }
    // The menus of the bar and every action in them, by object name; unnamed separators
    // (the window's own) are left out.
    QHash<QString, QAction*> menuBarActions() {
        QHash<QString, QAction*> actions;
        for (QAction* title : window().menuBar()->actions()) {
            QMenu* menu = title->menu();
            EXPECT_NE(menu, nullptr);
            EXPECT_FALSE(actions.contains(menu->objectName())) << menu->objectName().toStdString();
            actions.insert(menu->objectName(), title);
            for (QAction* action : menu->actions()) {
                if (action->objectName().isEmpty() && action->isSeparator()) {
                    continue;
                }
                EXPECT_FALSE(actions.contains(action->objectName()))
                    << action->objectName().toStdString();
                actions.insert(action->objectName(), action);
            }
        }
        return actions;
    }
    // Every action of the bar shows its registry entry, and every entry has its action.
    void expectBarFollowsRegistry() {
        QHash<QString, QAction*> actions = menuBarActions();
        for (const commands::MenuEntry& entry : window().menuCommands().entries()) {
            const std::string name = entry.objectName.toStdString();
            QAction* action = actions.take(entry.objectName);
            ASSERT_NE(action, nullptr) << name;
            EXPECT_EQ(action->menu() != nullptr, entry.menu) << name;
            EXPECT_EQ(action->isSeparator(), entry.separator) << name;
            if (!entry.separator) {
                EXPECT_EQ(action->text(), entry.caption) << name;
            }
            EXPECT_EQ(action->isEnabled(), entry.enabled) << name;
            EXPECT_EQ(action->isVisible(), entry.visible) << name;
            const QList<QKeySequence> keys =
                entry.keys != commands::CommandKeys::None ? CommandShortcuts(entry.keys)
                : entry.shortcut.isEmpty()                ? QList<QKeySequence>()
                                                          : QList{QKeySequence(entry.shortcut)};
            EXPECT_EQ(action->shortcuts(), keys) << name;
        }
        EXPECT_TRUE(actions.isEmpty()) << actions.keys().join(u' ').toStdString();
    }
};

TEST_F(MenuRegistryTest, EveryEntryOfTheMenuBarShowsTheRegistryInEveryLanguage) {
    expectBarFollowsRegistry();
    chooseModel(13);
    switchTo(kDeutsch);
    EXPECT_EQ(window().menuCommands().caption(QStringLiteral("mnuedit")), "&Bearbeiten");
    expectBarFollowsRegistry();
    switchTo(kEnglish);
    expectBarFollowsRegistry();
}

TEST_F(MenuRegistryTest, EveryToolbarButtonIsARegistryEntryOfTheMenuBar) {
    const QHash<QString, QAction*> bar = menuBarActions();
    QStringList served;
    for (const commands::MenuEntry& entry : window().menuCommands().entries()) {
        served << entry.objectName;
    }
    int buttons = 0;
    for (QAction* action : window().mainToolbar().actions()) {
        if (action->isSeparator()) {
            continue;
        }
        ++buttons;
        EXPECT_TRUE(served.contains(action->objectName())) << action->objectName().toStdString();
        EXPECT_EQ(bar.value(action->objectName()), action) << action->objectName().toStdString();
    }
    int listed = 0;
    for (const commands::ToolbarButton& button : commands::ToolbarButtons()) {
        listed += button.command ? 1 : 0;
    }
    EXPECT_EQ(buttons, listed);
}

TEST_F(MenuRegistryTest, EntriesAndButtonsFollowTheRegistrysChanges) {
    commands::MenuCommands& registry = window().menuCommands();
    auto* find = window().findChild<QAction*>(QStringLiteral("mnufindfield"));
    ASSERT_NE(find, nullptr);
    QWidget* button = window().mainToolbar().widgetForAction(find);
    ASSERT_NE(button, nullptr);
    registry.setEnabled(QStringLiteral("mnufindfield"), false);
    registry.setCaption(QStringLiteral("mnufindfield"), QStringLiteral("Look &up"));
    EXPECT_FALSE(find->isEnabled());
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(find->text(), "Look &up");
    // A configuration entry's state is its form item's.
    form().menu(QStringLiteral("mnufilesend")).setEnabled(false);
    expectBarFollowsRegistry();
    registry.setEnabled(QStringLiteral("mnufindfield"), true);
    window().retranslate();
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(find->text(), "&Find field...");
    expectBarFollowsRegistry();
}

}  // namespace

}  // namespace kilnward::editor::testing
