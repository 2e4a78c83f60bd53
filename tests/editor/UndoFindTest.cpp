// Undo and redo in the window, with the dirty mark of the caption, and the Find field box
// taking the user to a field on another page and tab.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

#include "documents/MainWindowSession.h"
#include "editor/FindFieldBox.h"
#include "editor/MainWindow.h"
#include "editor/NumericEdit.h"
#include "editor/UndoHistory.h"
#include "form/CheckItem.h"
#include "form/Form.h"
#include "form/NumericItem.h"
#include "tests/editor/EditorFixture.h"

namespace kilnward::editor::testing {

namespace {

class UndoFindTest : public EditorFixture {
  protected:
    QAction* editEntry(const char* key) { return window().findChild<QAction*>(key); }
};

TEST_F(UndoFindTest, TypingIsOneStepThatUndoAndRedoTakeBackWithTheDirtyMark) {
    chooseModel(13);
    clickTab("SSTabconf", 7);
    QApplication::setActiveWindow(&window());
    auto* threshold = widget<NumericEdit>("TDBNumCOthrs");
    ASSERT_NE(threshold, nullptr);
    form::NumericItem& item = form().numeric("TDBNumCOthrs");
    const auto original = item.value();
    QAction* undo = editEntry("mnuundo");
    QAction* redo = editEntry("mnuredo");
    ASSERT_TRUE(undo && redo);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(window().isWindowModified());

    threshold->setFocus();
    threshold->selectAll();
    QTest::keyClicks(threshold, QStringLiteral("250"));
    EXPECT_EQ(item.value(), 250);
    EXPECT_EQ(window().undoHistory().stack().count(), 1);
    EXPECT_TRUE(window().isWindowModified());
    EXPECT_TRUE(undo->isEnabled());

    // The platform's key in the field undoes the window's step, not the field's typing.
    QTest::keyClick(threshold, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(item.value(), original);
    EXPECT_EQ(threshold->text(), item.displayText());
    EXPECT_FALSE(window().isWindowModified());
    EXPECT_TRUE(redo->isEnabled());
    redo->trigger();
    EXPECT_EQ(item.value(), 250);
    EXPECT_TRUE(window().isWindowModified());
    EXPECT_TRUE(window().windowTitle().contains(form().caption()));

    prompts.queueAnswer(app::PromptAnswer::No);  // the edited configuration is not saved
    chooseModel(14);
    EXPECT_EQ(window().undoHistory().stack().count(), 0);
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(UndoFindTest, FindOpensThePageAndTabOfTheFieldAndFocusesIt) {
    chooseModel(13);
    clickTab("SSTabconf", 0);
    // Alarm 3 is switched on, so its value can take the cursor.
    form().check(QStringLiteral("chkalmenabled"), 2).setValue(1);
    QApplication::setActiveWindow(&window());
    QAction* find = editEntry("mnufindfield");
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->shortcut(), QKeySequence(QKeySequence::Find));
    find->trigger();
    FindFieldBox& box = window().findFieldBox();
    ASSERT_TRUE(box.isVisible());
    box.search(QStringLiteral("VALUE"));
    const auto rows = box.results().findItems(QStringLiteral("Alarm 3"), Qt::MatchContains);
    ASSERT_EQ(rows.size(), 1);
    box.results().setCurrentItem(rows.first());
    QTest::keyClick(&box.query(), Qt::Key_Return);

    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(widget<QTabWidget>("SSTabconf")->currentIndex(), 2);
    EXPECT_EQ(widget<QTabWidget>("sstabalarms")->currentIndex(), 2);
    EXPECT_EQ(QApplication::focusWidget(), widget<NumericEdit>("TDBNumalmval", 2));

    // A caption nothing has says so.
    find->trigger();
    box.search(QStringLiteral("no such caption"));
    EXPECT_EQ(box.results().count(), 0);
    EXPECT_FALSE(box.findChild<QLabel*>(QStringLiteral("findfieldoutcome"))->text().isEmpty());
}

}  // namespace

}  // namespace kilnward::editor::testing
