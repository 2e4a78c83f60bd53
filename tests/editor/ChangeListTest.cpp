// What changed since the last receive: the marks beside the fields, the change list of the
// Edit menu, the count in the send confirmation, and the same list against the analyser.

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <stdexcept>

#include "app/ScriptedPrompts.h"
#include "documents/ChangeTracker.h"
#include "documents/DocumentCommands.h"
#include "documents/DocumentFiles.h"
#include "documents/MainWindowSession.h"
#include "editor/ChangeMarks.h"
#include "editor/MainWindow.h"
#include "form/Form.h"
#include "form/TextItem.h"
#include "tests/editor/EditorFixture.h"

namespace kilnward::editor::testing {

namespace {

class ChangeListTest : public EditorFixture {
  protected:
    // The rows of the next differences dialog that `open` shows: key, before, after.
    QStringList rowsShownBy(const std::function<void()>& open) {
        QStringList rows;
        whenModal([&rows](QDialog& shown) {
            auto* list =
                shown.findChild<QTreeWidget*>(QStringLiteral("frmdifferences!lstdifferences"));
            for (int row = 0; list && row < list->topLevelItemCount(); ++row) {
                const QTreeWidgetItem* item = list->topLevelItem(row);
                rows << item->data(0, Qt::UserRole).toString() + u' ' + item->text(1) + u'>' +
                            item->text(2);
            }
            shown.reject();
        });
        open();
        return rows;
    }
    // An entry of the Edit or Tools menu, by its key.
    QAction& entry(const char* key) {
        auto* action = window().findChild<QAction*>(QLatin1String(key));
        if (!action) {
            throw std::out_of_range(key);
        }
        return *action;
    }
    bool marked(const char* name, int index) {
        return window().changeMarks().isMarked(form().item(QLatin1String(name), index));
    }
};

TEST_F(ChangeListTest, AfterAReceiveAndTwoEditsExactlyThoseTwoFieldsAreChanged) {
    chooseModel(10);
    chooseSimulator(0);
    ASSERT_EQ(transferThroughMenu("mnufileget"), QStringLiteral("Receiving...Done"));
    EXPECT_TRUE(session().changes().changes().empty());

    auto* header = widget<QLineEdit>("txtheaderline", 1);
    auto* alarm = widget<QCheckBox>("chkalmenabled", 2);
    ASSERT_TRUE(header && alarm);
    const QString headerBefore = header->text();
    const QString alarmBefore = alarm->isChecked() ? "Yes" : "No";
    const QString alarmAfter = alarm->isChecked() ? "No" : "Yes";
    header->selectAll();
    QTest::keyClicks(header, QStringLiteral("Boiler room 3"));
    alarm->click();

    const QStringList expected = {"frmMain!txtheaderline#1 " + headerBefore + ">Boiler room 3",
                                  "frmMain!chkalmenabled#2 " + alarmBefore + '>' + alarmAfter};
    EXPECT_EQ(rowsShownBy([&] { entry("mnushowchanges").trigger(); }), expected);
    EXPECT_TRUE(marked("txtheaderline", 1));
    EXPECT_TRUE(marked("chkalmenabled", 2));
    EXPECT_FALSE(marked("txtheaderline", 2));
    EXPECT_TRUE(header->accessibleDescription().contains(QStringLiteral("changed")));

    // The send question counts them; answered No, nothing is sent.
    prompts.clear();
    prompts.queueAnswer(app::PromptAnswer::No);
    trigger("mnufilesend");
    ASSERT_FALSE(prompts.records().empty());
    EXPECT_TRUE(prompts.records().front().text.contains(
        QStringLiteral("Fields changed since the last load or receive: 2")))
        << prompts.records().front().text.toStdString();

    // The analyser still holds what was received: the same two fields differ from it, the
    // editor's value first.
    const QStringList fromAnalyser = {"frmMain!txtheaderline#1 Boiler room 3>" + headerBefore,
                                      "frmMain!chkalmenabled#2 " + alarmAfter + '>' + alarmBefore};
    EXPECT_EQ(rowsShownBy([&] { entry("mnucomparewithanalyser").trigger(); }), fromAnalyser);

    // A reset takes a new baseline: nothing is changed, no mark stays.
    session().changes().takeBaseline();
    EXPECT_FALSE(marked("txtheaderline", 1));
    EXPECT_EQ(header->accessibleDescription(), header->objectName());
}

// Right after a send the analyser holds the editor's configuration as far as its model keeps
// it: a Harrier 520 has no printer boxes 18 to 23 and no "other" alarm, which is no difference.
TEST_F(ChangeListTest, NothingDiffersFromTheAnalyserRightAfterASend) {
    chooseModel(9);
    chooseSimulator(0);
    ASSERT_EQ(transferThroughMenu("mnufilesend"), QStringLiteral("Sending...Done, verified"));
    EXPECT_EQ(rowsShownBy([&] { entry("mnucomparewithanalyser").trigger(); }).join(u'\n'), "");
}

TEST_F(ChangeListTest, ComparingWithSavedFilesListsOnlyTheirDocuments) {
    const QString saved = folder.filePath(QStringLiteral("saved.hdr"));
    session().documents().setFileName(2, saved);
    ASSERT_TRUE(session().files().SaveDocument(2));
    form().text(QStringLiteral("txtheaderline"), 3).setText(QStringLiteral("Elsewhere"));
    form().text(QStringLiteral("txtlawline"), 6).setText(QStringLiteral("Other law"));

    prompts.queueFile(saved);
    const QStringList rows = rowsShownBy([&] { entry("mnucomparewithfiles").trigger(); });
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows.front().startsWith("frmMain!txtheaderline#3 Elsewhere>"))
        << rows.front().toStdString();
}

}  // namespace

}  // namespace kilnward::editor::testing
