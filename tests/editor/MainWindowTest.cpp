// The window as a whole: model switch, refused tabs, caption with the dirty mark, the
// menu commands, closing and the parameter toolbar following the pages.

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "documents/MainWindowSession.h"
#include "editor/MainWindow.h"
#include "editor/ToolbarWindow.h"
#include "form/Form.h"
#include "form/ListItem.h"
#include "form/TabStripItem.h"
#include "form/TextItem.h"
#include "tests/editor/EditorFixture.h"

namespace kilnward::editor::testing {

namespace {

using MainWindowTest = EditorFixture;

std::vector<int> DisabledTabs(const QTabWidget& strip) {
    std::vector<int> tabs;
    for (int tab = 0; tab < strip.count(); ++tab) {
        if (!strip.isTabEnabled(tab)) {
            tabs.push_back(tab);
        }
    }
    return tabs;
}

TEST_F(MainWindowTest, ModelSwitchAdaptsPagesListsAndCaption) {
    auto* outer = widget<QTabWidget>("SSTabconf");
    auto* alarms = widget<QTabWidget>("sstabalarms");
    ASSERT_NE(outer, nullptr);
    chooseModel(13);
    EXPECT_EQ(DisabledTabs(*outer), std::vector<int>({4}));
    EXPECT_TRUE(alarms->isTabEnabled(5));
    EXPECT_TRUE(window().windowTitle().endsWith(QStringLiteral("| Kestrel 580[*]")))
        << window().windowTitle().toStdString();
    EXPECT_FALSE(widget<QWidget>("cboTrhAux")->isHidden());

    chooseModel(14);
    EXPECT_EQ(DisabledTabs(*outer), std::vector<int>({0, 3, 4, 8}));
    EXPECT_EQ(outer->currentIndex(), 7);
    EXPECT_FALSE(alarms->isTabEnabled(4));
    EXPECT_TRUE(widget<QWidget>("cboTrhAux")->isHidden());
    auto* pressure = widget<QComboBox>("cbomeasunitpress");
    EXPECT_EQ(pressure->count(), 6);
    EXPECT_FALSE(widget<QWidget>("cbocoexcl")->isEnabled());
    EXPECT_NE(window().windowTitle().indexOf(QStringLiteral("Harrier 520 Plus")), -1);

    // Back to a group A model: the second "Pascal" goes, every outer page opens again.
    chooseModel(10);
    EXPECT_TRUE(DisabledTabs(*outer).empty());
    EXPECT_EQ(pressure->count(), 5);
    EXPECT_TRUE(widget<QWidget>("TDBNumtimers", 9)->isHidden());
    EXPECT_FALSE(widget<QWidget>("TDBNumtimers", 4)->isHidden());
}

TEST_F(MainWindowTest, RefusedTabSaysWhyAndReturnsToTheFirstPage) {
    chooseModel(10);
    clickTab("SSTabconf", 2);
    prompts.clear();
    clickTab("SSTabconf", 4);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages().front().startsWith(QStringLiteral("Item not available")));
    EXPECT_EQ(widget<QTabWidget>("SSTabconf")->currentIndex(), 0);

    // Model 9 has four alarms: the tabs of alarms 5 and 6 cannot be opened at all.
    chooseModel(9);
    clickTab("SSTabconf", 2);
    clickTab("sstabalarms", 4);
    EXPECT_FALSE(widget<QTabWidget>("sstabalarms")->isTabEnabled(4));
    EXPECT_EQ(widget<QTabWidget>("sstabalarms")->currentIndex(), 0);
    EXPECT_EQ(form().tabStrip(QStringLiteral("sstabalarms")).currentTab(), 0);
}

TEST_F(MainWindowTest, EditMarksItsOwnDocumentAndTheCaption) {
    ASSERT_FALSE(window().isWindowModified());
    auto* line = widget<QLineEdit>("txtheaderline", 1);
    ASSERT_NE(line, nullptr);
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("ACME"));
    EXPECT_EQ(form().text("txtheaderline", 1).text(), QStringLiteral("ACME"));
    EXPECT_TRUE(session().documents()[documents::kHeaderDocument].Dirty());
    EXPECT_FALSE(session().documents()[documents::kConfigurationDocument].Dirty());
    EXPECT_TRUE(window().isWindowModified());
}

TEST_F(MainWindowTest, ValuesSetByTheDocumentsShowInTheWidgets) {
    form().text("txtserviceline", 1).setText(QStringLiteral("Service 2"));
    form().list("cbodateformat").setListIndex(1);
    EXPECT_EQ(widget<QLineEdit>("txtserviceline", 1)->text(), QStringLiteral("Service 2"));
    EXPECT_EQ(widget<QComboBox>("cbodateformat")->currentIndex(), 1);
}

TEST_F(MainWindowTest, CommandsOpenTheirDialogs) {
    const std::pair<const char*, const char*> commands[] = {{"mnuconfigureserial", "frmconfig"},
                                                            {"mnuconfigurelanguage", "frmconfig"},
                                                            {"mnuaboutshowtip", "frmTip"},
                                                            {"mnuAboutAbout", "frmAbout"},
                                                            {"mnudataviewfiles", "frmfilesloaded"}};
    for (const auto& [name, dialog] : commands) {
        prompts.clear();
        auto* action = window().findChild<QAction*>(QStringLiteral("frmMain!") + name);
        ASSERT_NE(action, nullptr) << name;
        QString opened;
        whenModal([&opened](QDialog& shown) {
            opened = shown.objectName();
            shown.reject();
        });
        action->trigger();
        EXPECT_EQ(opened, QString::fromLatin1(dialog)) << name;
        EXPECT_TRUE(prompts.messages().empty()) << name;
    }
}

TEST_F(MainWindowTest, ShortcutsComeFromTheMenu) {
    auto* send = window().findChild<QAction*>(QStringLiteral("frmMain!mnufilesend"));
    auto* open = window().findChild<QAction*>(QStringLiteral("frmMain!mnuFileOpen"));
    EXPECT_EQ(send->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(open->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
}

TEST_F(MainWindowTest, ClosingAsksAboutChangedDocumentsAndCancelKeepsTheWindow) {
    QTest::keyClicks(widget<QLineEdit>("txtserviceline", 0), QStringLiteral("x"));
    prompts.queueAnswer(app::PromptAnswer::Cancel);
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(window().isVisible());
    prompts.queueAnswer(app::PromptAnswer::No);
    EXPECT_TRUE(window().close());
}

TEST_F(MainWindowTest, ParameterToolbarFollowsThePagesAndTheMinimisedWindow) {
    chooseModel(10);
    ToolbarWindow& toolbar = window().toolbar();
    EXPECT_TRUE(toolbar.isVisible());
    clickTab("SSTabconf", 5);
    EXPECT_FALSE(toolbar.isVisible());
    clickTab("SSTabconf", 2);
    EXPECT_TRUE(toolbar.isVisible());
    window().showMinimized();
    EXPECT_FALSE(session().window().parameterToolbarVisible());
    window().showNormal();
    EXPECT_TRUE(toolbar.isVisible());
}

}  // namespace

}  // namespace kilnward::editor::testing
