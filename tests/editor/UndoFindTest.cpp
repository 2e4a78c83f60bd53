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
#include "form/UserEdit.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "tests/editor/EditorFixture.h"

namespace kilnward::editor::testing {

namespace {

class UndoFindTest : public EditorFixture {
  protected:
    QAction* editEntry(const char* key) { return window().findChild<QAction*>(key); }
};

TEST_F(UndoFindTest, TypingIsOneStepThatUndoAndRedoTakeBackWithTheDirtyMark) {
    chooseModel(13);
    // The history starts here, after the model's own step.
    window().undoHistory().journal().clear();
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

    // A change of model is a step of its own, which Undo names and takes back whole.
    prompts.queueAnswer(app::PromptAnswer::No);  // the edited configuration is not saved
    chooseModel(14);
    EXPECT_EQ(window().undoHistory().stack().count(), 2);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Model change"));
    undo->trigger();
    EXPECT_EQ(session().window().selectedInstrumentId(), 13);
    EXPECT_EQ(form().numeric("TDBNumCOthrs").value(), 250);
    EXPECT_TRUE(window().isWindowModified());
    EXPECT_EQ(redo->text(), QStringLiteral("&Redo Model change"));
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo"));
}

TEST_F(UndoFindTest, TypedThenErasedLeavesNothingToUndoAndLeavingAFieldEndsItsTyping) {
    chooseModel(13);
    window().undoHistory().journal().clear();
    clickTab("SSTabconf", 7);
    QApplication::setActiveWindow(&window());
    auto* threshold = widget<NumericEdit>("TDBNumCOthrs");
    ASSERT_NE(threshold, nullptr);
    form::NumericItem& item = form().numeric("TDBNumCOthrs");
    const auto original = item.value();
    threshold->setFocus();
    // Another value typed, then the one it had typed again.
    const QString shown = threshold->text();
    threshold->selectAll();
    QTest::keyClicks(threshold, QStringLiteral("5"));
    ASSERT_NE(item.value(), original);
    threshold->selectAll();
    QTest::keyClicks(threshold, shown);
    EXPECT_EQ(item.value(), original);
    EXPECT_EQ(window().undoHistory().stack().count(), 0);
    EXPECT_FALSE(editEntry("mnuundo")->isEnabled());
    EXPECT_FALSE(window().isWindowModified());

    // Typed, left, typed again: two steps, the first one the value it had when left.
    threshold->selectAll();
    QTest::keyClicks(threshold, QStringLiteral("300"));
    leave(threshold);
    threshold->setFocus();
    threshold->selectAll();
    QTest::keyClicks(threshold, QStringLiteral("310"));
    EXPECT_EQ(window().undoHistory().stack().count(), 2);
    window().undoHistory().stack().undo();
    EXPECT_EQ(item.value(), 300);
}

TEST_F(UndoFindTest, UndoAndRedoShowThePageOfTheFieldAndCtrlYRedoes) {
    chooseModel(13);
    clickTab("SSTabconf", 2);
    clickTab("sstabalarms", 3);
    form::CheckItem& enabled = form().check(QStringLiteral("chkalmenabled"), 3);
    {
        const form::UserEdit edit(enabled);
        enabled.setValue(enabled.value() == 0 ? 1 : 0);
    }
    clickTab("SSTabconf", 0);
    QAction* undo = editEntry("mnuundo");
    QAction* redo = editEntry("mnuredo");
    undo->trigger();
    EXPECT_EQ(widget<QTabWidget>("SSTabconf")->currentIndex(), 2);
    EXPECT_EQ(widget<QTabWidget>("sstabalarms")->currentIndex(), 3);
    clickTab("sstabalarms", 0);
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    redo->trigger();
    EXPECT_EQ(widget<QTabWidget>("sstabalarms")->currentIndex(), 3);
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

// The open box follows a change of model and of language instead of offering what the
// window no longer has.
TEST_F(UndoFindTest, TheOpenListFollowsAModelAndALanguageChange) {
    chooseModel(13);
    QApplication::setActiveWindow(&window());
    editEntry("mnufindfield")->trigger();
    FindFieldBox& box = window().findFieldBox();
    box.search(QStringLiteral("alarm value"));
    const auto rows = [&box] {
        QStringList texts;
        for (int row = 0; row < box.results().count(); ++row) {
            texts << box.results().item(row)->text();
        }
        return texts;
    };
    EXPECT_EQ(rows().filter(QStringLiteral("Alarm 5")).size(), 1);

    chooseModel(9);  // refuses alarm 5
    QCoreApplication::processEvents();
    EXPECT_TRUE(rows().filter(QStringLiteral("Alarm 5")).isEmpty())
        << rows().join(u'\n').toStdString();
    EXPECT_FALSE(rows().isEmpty());

    box.search(QStringLiteral("alarm"));
    const QStringList english = rows();
    language::LangMan().SetLanguageIndex(2);  // Deutsch
    window().retranslate();
    QCoreApplication::processEvents();
    EXPECT_NE(rows(), english);
    EXPECT_EQ(box.windowTitle(),
              language::LangMan().TranslateString(QStringLiteral("findfieldtitle"),
                                                  QStringLiteral("Find field")));
    language::LangMan().SetLanguageIndex(0);
    window().retranslate();
}

}  // namespace

}  // namespace kilnward::editor::testing
