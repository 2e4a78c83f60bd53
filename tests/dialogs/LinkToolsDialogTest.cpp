// The serial settings' "Test" button and the link trace window, against the simulated
// analyser.

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include "dialogs/ConnectionTester.h"
#include "dialogs/LinkTraceWindow.h"
#include "language/LanguageManager.h"
#include "simulator/AnalyserSimulator.h"
#include "simulator/FaultSpec.h"
#include "tests/dialogs/TransferFixture.h"

namespace kilnward::dialogs {
namespace {

class LinkToolsDialogTest : public testing::TransferDialogTest {
  protected:
    void SetUp() override {
        TransferDialogTest::SetUp();
        traceWindow = std::make_unique<LinkTraceWindow>(languages(), prompts);
        tester = std::make_unique<ConnectionTester>(
            *simulated, languages(), [this] { return session->window().currentDriver(); },
            [this] { return traceWindow->activeTrace(); });
        settings->setConnectionTester(tester.get());
        settings->definemode(frmconfig::kSerialMode);
        settings->load();
    }

    QString clickTest() {
        auto* button = settings->findChild<QPushButton*>(QStringLiteral("frmconfig!cmdtest"));
        EXPECT_NE(button, nullptr);
        EXPECT_TRUE(button && button->isVisibleTo(settings.get()));
        if (button) {
            button->click();
            EXPECT_TRUE(button->isEnabled());
        }
        auto* result = settings->findChild<QLabel*>(QStringLiteral("frmconfig!lbltestresult"));
        // Lines are broken to fit the dialog.
        return result ? result->text().replace(QLatin1Char('\n'), QLatin1Char(' ')) : QString();
    }

    void TearDown() override {
        // The transfer dialog may still hold the trace; the window goes before the manager.
        dialog.reset();
        traceWindow.reset();
        TransferDialogTest::TearDown();
    }

    std::unique_ptr<LinkTraceWindow> traceWindow;
    std::unique_ptr<ConnectionTester> tester;
};

TEST_F(LinkToolsDialogTest, TestReadsTheClockWithTheShownSettingsAndTracesIt) {
    traceWindow->show();
    const QString ok = clickTest();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Connection OK: the analyser's clock reads "
                                                  "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d\\.$"))
                    .match(ok)
                    .hasMatch())
        << ok.toStdString();
    EXPECT_TRUE(traceWindow->text().contains(QStringLiteral("#1 answered (data)")))
        << traceWindow->text().toStdString();

    // A transfer reports to the shown window as well; a hidden one records nothing.
    dialog->setTrace(traceWindow->activeTrace());
    ASSERT_EQ(dialog->run(transfer::TransferKind::SetClock), transfer::TransferOutcome::Done);
    EXPECT_TRUE(traceWindow->text().contains(QStringLiteral("note Set instrument clock")));
    // Save... writes what the window shows; a file that cannot be written is reported.
    prompts.queueFile(file("trace.txt"));
    traceWindow->save();
    QFile saved(file("trace.txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly | QIODevice::Text));
    EXPECT_EQ(QString::fromUtf8(saved.readAll()), traceWindow->text() + '\n');
    prompts.queueFile(file("missing/trace.txt"));
    traceWindow->save();
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_TRUE(prompts.messages()[0].startsWith("The trace was not saved: "));
    traceWindow->clear();
    traceWindow->hide();
    EXPECT_EQ(traceWindow->activeTrace(), nullptr);
    clickTest();
    EXPECT_EQ(traceWindow->text().count(QLatin1Char('\n')), 0) << traceWindow->text().toStdString();

    // A port that is not there: the error with its hint; the dialog's values stay unkept.
    settings->findChild<QComboBox*>(QStringLiteral("frmconfig!lstport"))
        ->setEditText(QStringLiteral("/nonexistent/ttyKW0"));
    const QString missing = clickTest();
    EXPECT_TRUE(missing.startsWith(QStringLiteral("The connection failed: ")))
        << missing.toStdString();
    EXPECT_TRUE(missing.contains(QStringLiteral("This port does not exist.")))
        << missing.toStdString();
    // The port's own wording (and its advice) is the tip, not said twice.
    EXPECT_FALSE(missing.contains(QStringLiteral("/nonexistent/ttyKW0"))) << missing.toStdString();
    EXPECT_TRUE(settings->findChild<QLabel*>(QStringLiteral("frmconfig!lbltestresult"))
                    ->toolTip()
                    .contains(QStringLiteral("/nonexistent/ttyKW0")));
    EXPECT_EQ(settings->linkSettings().portName, QStringLiteral("simulator"));
}

TEST_F(LinkToolsDialogTest, ACableLinkGetsNoAdviceAboutAnInfraredAdapter) {
    simulated->analyser(kModel, kAddr).addFault(sim::ParseFaultSpec("silent,count=0"));
    ASSERT_FALSE(settings->linkSettings().useInfrared);
    const QString silent = clickTest();
    EXPECT_TRUE(silent.contains(QStringLiteral("The analyser did not answer.")))
        << silent.toStdString();
    EXPECT_TRUE(silent.contains(QStringLiteral("the cable"))) << silent.toStdString();
    EXPECT_FALSE(silent.contains(QStringLiteral("infrared"), Qt::CaseInsensitive))
        << silent.toStdString();
}

TEST_F(LinkToolsDialogTest, WindowsOwnedByTheMainWindowStayUsableDuringATransfer) {
    // As in the program: the transfer dialog and the trace window belong to the main window,
    // which the transfer disables.
    auto* trace = new LinkTraceWindow(languages(), prompts, mainWindow.get());
    trace->show();
    dialog = std::make_unique<frmadvance>(*session, languages(), settings->serial(), *simulated,
                                          std::vector<QWidget*>{mainWindow.get(), toolbar.get()},
                                          mainWindow.get());
    bool checked = false;
    dialog->setWait([&](int) {});
    dialog->setTrace(trace->activeTrace());
    testing::TransferDialogTest::whenProgressPasses(-1, [&] {
        checked = true;
        EXPECT_FALSE(mainWindow->isEnabled());
        EXPECT_TRUE(dialog->isEnabled());
        EXPECT_TRUE(trace->isEnabled());
    });
    ASSERT_EQ(dialog->run(transfer::TransferKind::Receive), transfer::TransferOutcome::Done);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(trace->text().contains(QStringLiteral("answered (data)")));
}

}  // namespace
}  // namespace kilnward::dialogs
