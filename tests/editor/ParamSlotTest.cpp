// Parameter slotView: drag from the parameter list and drop on a slot, Delete and Insert.

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

#include <memory>
#include <vector>

#include "documents/MainWindowSession.h"
#include "editor/MainWindow.h"
#include "editor/ParamListView.h"
#include "editor/ParamSlotView.h"
#include "editor/ToolbarWindow.h"
#include "editor/UndoHistory.h"
#include "form/Form.h"
#include "form/TreeItem.h"
#include "tests/editor/EditorFixture.h"

namespace kilnward::editor::testing {

namespace {

class ParamSlotTest : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        clickTab("SSTabconf", 0);
        slotView = widget<ParamSlotView>("trvpage", 0);
        ASSERT_NE(slotView, nullptr);
        session().documents().cleardirtyall();
    }

    // Picks parameter row `row` in the toolbar's list and returns the drag data it gives.
    std::unique_ptr<QMimeData> pickParameter(int row) {
        ParamListView& list = window().toolbar().list();
        list.setCurrentItem(list.topLevelItem(row));
        QMimeData* data = list.model()->mimeData({list.currentIndex()});
        return std::unique_ptr<QMimeData>(data);
    }

    QPoint slotCentre(int number) {
        return slotView->visualItemRect(slotView->topLevelItem(number - 1)).center();
    }

    void dragAndDrop(const QMimeData& data, const QPoint& at) {
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(slotView->viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(slotView->viewport(), &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(slotView->viewport(), &drop);
    }

    form::TreeItem& tree() { return form().tree(QStringLiteral("trvpage"), 0); }
    bool configurationDirty() {
        return session().documents()[documents::kConfigurationDocument].Dirty();
    }

    ParamSlotView* slotView = nullptr;
};

TEST_F(ParamSlotTest, DroppedParameterFillsTheSlotUnderThePointer) {
    auto data = pickParameter(9);  // Hydrocarbons, identifier 9
    QPoint at = slotCentre(3);
    QDragEnterEvent hover(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(slotView->viewport(), &hover);
    EXPECT_EQ(slotView->dropHighlight(), 3);
    dragAndDrop(*data, at);
    EXPECT_EQ(tree().node(3).parameterId(), 9);
    EXPECT_EQ(slotView->topLevelItem(2)->text(0), tree().node(3).text());
    EXPECT_TRUE(slotView->topLevelItem(2)->text(0).endsWith(QStringLiteral(" - 3")));
    EXPECT_FALSE(slotView->topLevelItem(2)->icon(0).isNull());
    EXPECT_EQ(slotView->dropHighlight(), 0);
    EXPECT_EQ(slotView->currentItem(), slotView->topLevelItem(2));
    EXPECT_TRUE(configurationDirty());
}

TEST_F(ParamSlotTest, UndoTakesBackADropAsOneStep) {
    tree().assignParameter(3, 5);
    session().documents().cleardirtyall();
    QUndoStack& history = window().undoHistory().stack();
    auto data = pickParameter(9);
    dragAndDrop(*data, slotCentre(3));
    ASSERT_EQ(tree().node(3).parameterId(), 9);
    EXPECT_EQ(history.count(), 1);
    history.undo();
    EXPECT_EQ(tree().node(3).parameterId(), 5);
    EXPECT_TRUE(slotView->topLevelItem(2)->text(0).startsWith(tree().node(3).text()));
    EXPECT_FALSE(configurationDirty());
    history.redo();
    EXPECT_EQ(tree().node(3).parameterId(), 9);
    EXPECT_TRUE(configurationDirty());
}

TEST_F(ParamSlotTest, DropOnTheEmptyAreaChangesNothing) {
    std::vector<int> before;
    for (int n = 1; n <= tree().nodeCount(); ++n) {
        before.push_back(tree().node(n).parameterId());
    }
    auto data = pickParameter(9);
    dragAndDrop(*data, QPoint(5, slotView->viewport()->height() + 50));
    for (int n = 1; n <= tree().nodeCount(); ++n) {
        EXPECT_EQ(tree().node(n).parameterId(), before[static_cast<size_t>(n - 1)]);
    }
    EXPECT_FALSE(configurationDirty());
}

TEST_F(ParamSlotTest, DeleteEmptiesTheSelectedSlotAndOnlyAChangeMarksTheDocument) {
    tree().assignParameter(2, 5);
    session().documents().cleardirtyall();
    QTest::mouseClick(slotView->viewport(), Qt::LeftButton, {}, slotCentre(2));
    QTest::keyClick(slotView, Qt::Key_Delete);
    EXPECT_EQ(tree().node(2).parameterId(), 0);
    EXPECT_TRUE(configurationDirty());
    session().documents().cleardirtyall();
    QTest::keyClick(slotView, Qt::Key_Delete);
    EXPECT_FALSE(configurationDirty());
}

TEST_F(ParamSlotTest, InsertTakesTheParameterSelectedInTheList) {
    pickParameter(4);
    const auto chosen = window().toolbar().selectedParameter();
    ASSERT_TRUE(chosen.has_value());
    QTest::mouseClick(slotView->viewport(), Qt::LeftButton, {}, slotCentre(5));
    QTest::keyClick(slotView, Qt::Key_Insert);
    EXPECT_EQ(tree().node(5).parameterId(), *chosen);
}

TEST_F(ParamSlotTest, EveryParameterOfTheCatalogueIsInTheListWithItsIcon) {
    ParamListView& list = window().toolbar().list();
    EXPECT_GT(list.topLevelItemCount(), 30);
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        EXPECT_FALSE(list.topLevelItem(row)->icon(0).isNull()) << row;
    }
}

}  // namespace

}  // namespace kilnward::editor::testing
