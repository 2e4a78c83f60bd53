// The transfer dialog over the simulated analyser: its status lines, the button, the
// windows it disables, Abort and closing while a transfer runs, and the error messages.

#include <QElapsedTimer>
#include <QPushButton>

#include <ctime>
#include <iostream>

#include "app/SerialSettings.h"
#include "dialogs/frmadvance.h"
#include "simulator/AnalyserSimulator.h"
#include "simulator/FaultSpec.h"
#include "tests/dialogs/TransferFixture.h"
#include "tests/support/MissingPort.h"

namespace kilnward::dialogs {
namespace {

using testing::TransferDialogTest;
using transfer::TransferKind;
using transfer::TransferOutcome;

QString Button(frmadvance& dialog) {
    return dialog.findChild<QPushButton*>("frmadvance!cmdAbort")->text();
}

TEST_F(TransferDialogTest, AReceiveEndsDoneAndTheDialogWaitsForClose) {
    EXPECT_EQ(dialog->run(TransferKind::Receive), TransferOutcome::Done);
    EXPECT_EQ(dialog->status(), "Receiving...Done");
    EXPECT_EQ(dialog->progress(), 100);
    EXPECT_EQ(Button(*dialog), "&Close");
    EXPECT_TRUE(windowPrompts.messages().empty());
    // One opening attempt and its pause.
    EXPECT_EQ(waits, std::vector<int>{1000});
    // The main and toolbar windows stay disabled until the dialog is closed.
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(mainWindow->isEnabled());
    EXPECT_FALSE(toolbar->isEnabled());
    dialog->cmdAbort_Click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(mainWindow->isEnabled());
    EXPECT_TRUE(toolbar->isEnabled());
}

TEST_F(TransferDialogTest, SendAndSetClockShowTheirOwnOutcome) {
    EXPECT_EQ(dialog->run(TransferKind::Send), TransferOutcome::Done);
    EXPECT_EQ(dialog->status(), "Sending...Done, verified");
    EXPECT_EQ(dialog->run(TransferKind::SetClock), TransferOutcome::Done);
    EXPECT_EQ(dialog->status(), "Setting clock...Done");
}

TEST_F(TransferDialogTest, AFailingRequestShowsTheFailureAfterThePointerAndButtonAreBack) {
    simulated->analyser(kModel, kAddr).addFault(sim::ParseFaultSpec("fail=34,from=10,count=0"));
    bool busyPointer = true;
    QString buttonAtMessage;
    windowPrompts.onMessage = [&](const QString&) {
        busyPointer = dialog->cursor().shape() == Qt::WaitCursor;
        buttonAtMessage = Button(*dialog);
    };
    EXPECT_EQ(dialog->run(TransferKind::Receive), TransferOutcome::Failed);
    EXPECT_EQ(dialog->status(), "Receiving...Failed");
    ASSERT_EQ(windowPrompts.messages().size(), 1u);
    EXPECT_FALSE(busyPointer);
    EXPECT_EQ(buttonAtMessage, "&Close");
}

TEST_F(TransferDialogTest, APortThatNeverOpensIsTriedTenTimes) {
    writeConfig("Serial", "Serialport", kilnward::test::MissingPortName());
    settings = std::make_unique<frmconfig>(languages(), false, false);
    dialog = std::make_unique<frmadvance>(*session, languages(), settings->serial(), *simulated,
                                          std::vector<QWidget*>{mainWindow.get()});
    dialog->setWait([this](int ms) { waits.push_back(ms); });
    EXPECT_EQ(dialog->run(TransferKind::Receive), TransferOutcome::PortNotOpened);
    EXPECT_EQ(waits, std::vector<int>(10, 1000));
    // The status line says which attempt failed and why; the message says why as well.
    const QString reason = kilnward::test::MissingPortName() + ": This port does not exist.";
    EXPECT_TRUE(
        dialog->status().startsWith("Opening the port failed (attempt 10 of 10): " + reason))
        << dialog->status().toStdString();
    EXPECT_EQ(Button(*dialog), "&Close");
    ASSERT_EQ(windowPrompts.messages().size(), 1u);
    EXPECT_TRUE(windowPrompts.messages().front().startsWith("Error Opening commport.\n\n" + reason))
        << windowPrompts.messages().front().toStdString();
}

// A line speed from Config.ini that no port takes fails the transfer with the same reason on
// the simulated analyser as on a serial device.
// Config.ini cannot bring such a rate (the settings refuse it when they load); the transfer
// still fails as at an opening when its settings hold one.
TEST_F(TransferDialogTest, ALineSpeedThePortRefusesFailsAlikeOnEveryPort) {
    app::SerialSettings serial;
    serial.baudRate = QStringLiteral("fast");
    for (const QString& port : {QStringLiteral("simulator"), kilnward::test::MissingPortName()}) {
        SCOPED_TRACE(port.toStdString());
        serial.port = app::PortChoice::fromStored(port);
        dialog = std::make_unique<frmadvance>(*session, languages(), serial, *simulated,
                                              std::vector<QWidget*>{mainWindow.get()});
        windowPrompts.clear();
        EXPECT_NE(dialog->run(TransferKind::Receive), TransferOutcome::Done);
        ASSERT_EQ(windowPrompts.messages().size(), 1u);
        EXPECT_TRUE(windowPrompts.messages().front().contains("Invalid property value: fast,n,8,1"))
            << windowPrompts.messages().front().toStdString();
    }
    // The dialog keeps the settings it was given.
    dialog.reset();
}

TEST_F(TransferDialogTest, ClosingTheDialogWhileThePortOpensEndsTheAttemptsAtOnce) {
    writeConfig("Serial", "Serialport", kilnward::test::MissingPortName());
    settings = std::make_unique<frmconfig>(languages(), false, false);
    dialog = std::make_unique<frmadvance>(*session, languages(), settings->serial(), *simulated,
                                          std::vector<QWidget*>{mainWindow.get()});
    // Closed during the second pause between opening attempts.
    dialog->setWait([this](int ms) {
        waits.push_back(ms);
        if (waits.size() == 2) {
            dialog->close();
        }
    });
    EXPECT_EQ(dialog->run(TransferKind::Receive), TransferOutcome::Failed);
    EXPECT_EQ(waits.size(), 2u);
    EXPECT_EQ(dialog->status(), "Receiving...Failed");
    // Closed by the user: no message follows.
    EXPECT_TRUE(windowPrompts.messages().empty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(mainWindow->isEnabled());
}

TEST_F(TransferDialogTest, AbortCancelsTheRunningTransferAndSaysSoInTheChosenLanguage) {
    useLanguage(testing::kGerman);
    whenProgressPasses(10, [this] {
        EXPECT_EQ(Button(*dialog), "&Abbrechen");
        dialog->cmdAbort_Click();
    });
    EXPECT_EQ(dialog->run(TransferKind::Receive), TransferOutcome::Failed);
    EXPECT_EQ(dialog->status(), "Empfang...Fehlgeschlagen");
    EXPECT_LT(dialog->progress(), 100);
    ASSERT_EQ(windowPrompts.messages().size(), 1u);
    EXPECT_EQ(windowPrompts.messages().front(), "Vorgang abgebrochen.");
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(TransferDialogTest, ClosingTheDialogWhileATransferRunsAbortsItSilently) {
    whenProgressPasses(10, [this] { dialog->close(); });
    EXPECT_EQ(dialog->run(TransferKind::Send), TransferOutcome::Failed);
    EXPECT_EQ(dialog->status(), "Sending...Failed");
    EXPECT_TRUE(windowPrompts.messages().empty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(mainWindow->isEnabled());

    // The next transfer on the dialog is not taken for a closing one.
    EXPECT_EQ(dialog->run(TransferKind::Receive), TransferOutcome::Done);
}

TEST_F(TransferDialogTest, TheCommandAsksFirstAndANoStopsIt) {
    windowPrompts.queueAnswer(app::PromptAnswer::No);
    EXPECT_FALSE(dialog->runCommand(TransferKind::Send).has_value());
    EXPECT_FALSE(dialog->isVisible());
    windowPrompts.queueAnswer(app::PromptAnswer::Yes);
    EXPECT_EQ(dialog->runCommand(TransferKind::SetClock), TransferOutcome::Done);
}

TEST_F(TransferDialogTest, WaitingForAnAnalyserThatDoesNotAnswerTakesNextToNoProcessorTime) {
    // The dialog's own waits, not the test's.
    dialog = std::make_unique<frmadvance>(*session, languages(), settings->serial(), *simulated,
                                          std::vector<QWidget*>{mainWindow.get()});
    simulated->analyser(kModel, kAddr).addFault(sim::ParseFaultSpec("silent,count=0"));
    QElapsedTimer wall;
    wall.start();
    const std::clock_t processor = std::clock();
    EXPECT_EQ(dialog->run(TransferKind::SetClock), TransferOutcome::Failed);
    const double processorMs = 1000.0 * double(std::clock() - processor) / CLOCKS_PER_SEC;
    const auto wallMs = double(wall.elapsed());
    // The link's time-outs: seconds of waiting.
    EXPECT_GT(wallMs, 1000.0);
    EXPECT_LT(processorMs, 0.2 * wallMs)
        << processorMs << " ms of processor time in " << wallMs << " ms";
    RecordProperty("processor_ms", std::to_string(processorMs));
    RecordProperty("wall_ms", std::to_string(wallMs));
    std::cout << "waiting: " << processorMs << " ms of processor time in " << wallMs << " ms\n";
}

}  // namespace
}  // namespace kilnward::dialogs
