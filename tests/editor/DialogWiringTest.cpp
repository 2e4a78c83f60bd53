// The main window over the real dialogs: the serial settings reach the status bar and the
// next transfer, and a technician without hardware receives from the simulated analyser,
// edits, sends and receives the edit back, all through the menus.

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <utility>

#include "app/ConfigSettings.h"
#include "app/Notices.h"
#include "dialogs/LinkTraceWindow.h"
#include "dialogs/frmadvance.h"
#include "dialogs/frmconfig.h"
#include "documents/DocumentCommands.h"
#include "documents/MainWindowSession.h"
#include "documents/MessageBoxes.h"
#include "drivers/InstrumentDriver.h"
#include "editor/EditorApp.h"
#include "editor/LinkTools.h"
#include "editor/MainWindow.h"
#include "editor/StatusLine.h"
#include "form/Form.h"
#include "form/TextItem.h"
#include "tests/editor/EditorFixture.h"
#include "transfer/LinkTrace.h"

namespace kilnward::editor::testing {

namespace {

class DialogWiringTest : public EditorFixture {
  protected:
    QString modelName() {
        return QString::fromStdString(session().window().currentDriver()->Instrument_Name());
    }
};

TEST_F(DialogWiringTest, StatusBarFollowsTheSettingsDialogAndTheModelMenu) {
    chooseModel(10);
    chooseSimulator(7);
    const QString link = window().statusLine().linkText();
    EXPECT_TRUE(
        link.contains(QStringLiteral("Port: ") +
                      app::PortChoice::SimulatedCaption(session().messageBoxes().translator())))
        << link.toStdString();
    EXPECT_TRUE(link.contains(QStringLiteral("Address: 7"))) << link.toStdString();
    EXPECT_TRUE(link.contains(QStringLiteral("Model: ") + modelName())) << link.toStdString();
    EXPECT_EQ(app::ReadConfigValue(QStringLiteral("Serial"), QStringLiteral("Serialport"), {}),
              QStringLiteral("simulator"));

    chooseModel(9);
    EXPECT_TRUE(window().statusLine().linkText().contains(QStringLiteral("Model: ") + modelName()));
    EXPECT_EQ(editor->services().settings.UseInfrared(),
              session().window().currentDriver()->Use_Infrared());
}

// The window starting with a line speed the settings do not offer and an address that is no
// byte in Config.ini: each is told once, and the status line, the settings dialog with its
// "Test" and the transfers all use the default in its place.
TEST_F(DialogWiringTest, AStoredLineSpeedOrAddressTheSettingsRefuseIsToldAndNotUsed) {
    editor.reset();
    app::WriteConfigValue(app::config::Serialport, QStringLiteral("simulator"));
    app::WriteConfigValue(app::config::Baudrate, QStringLiteral("1234"));
    app::WriteConfigValue(app::config::Addr, QStringLiteral("300"));
    std::vector<QString> told;
    app::SetNoticeSink([&told](const QString& text) { told.push_back(text); });
    EditorApp::Options options;
    options.prompts = &prompts;
    options.restoresGeometry = false;
    editor = std::make_unique<EditorApp>(options);
    window().show();
    app::SetNoticeSink({});
    ASSERT_EQ(told.size(), 2u);
    EXPECT_TRUE(told[0].contains(QStringLiteral("Baudrate=\"1234\""))) << told[0].toStdString();
    EXPECT_TRUE(told[1].contains(QStringLiteral("Addr=\"300\""))) << told[1].toStdString();

    dialogs::frmconfig& settings = editor->services().settings;
    EXPECT_EQ(settings.linkSettings().baudRate, QStringLiteral("9600"));
    EXPECT_EQ(settings.linkSettings().addr, 0);
    EXPECT_TRUE(window().statusLine().linkText().contains(QStringLiteral("Address: 0")))
        << window().statusLine().linkText().toStdString();
    settings.load();
    EXPECT_EQ(settings.shownSettings(), settings.linkSettings());
    chooseModel(10);
    EXPECT_EQ(transferThroughMenu("mnufileget"), QStringLiteral("Receiving...Done"));
}

TEST_F(DialogWiringTest, ReceiveEditSendAndReceiveAgainThroughTheMenus) {
    chooseModel(10);
    chooseSimulator(0);
    EXPECT_EQ(transferThroughMenu("mnufileget"), QStringLiteral("Receiving...Done"));

    auto* header = widget<QLineEdit>("txtheaderline", 1);
    ASSERT_NE(header, nullptr);
    header->selectAll();
    QTest::keyClicks(header, QStringLiteral("Boiler room 3"));
    EXPECT_EQ(transferThroughMenu("mnufilesend"), QStringLiteral("Sending...Done, verified"));

    // Back to the defaults without saving, then the analyser's memory again.
    app::WriteConfigValue(QStringLiteral("General"), QStringLiteral("AskForSave"),
                          QStringLiteral("NO"));
    EXPECT_EQ(transferThroughMenu("mnufileget"), QStringLiteral("Receiving...Done"));
    EXPECT_EQ(form().text(QStringLiteral("txtheaderline"), 1).text(), "Boiler room 3");
    EXPECT_EQ(header->text(), QStringLiteral("Boiler room 3"));
    EXPECT_TRUE(prompts.messages().empty());
}

// With the trace window open, every command that opens a port shows in the trace: those of
// the transfer dialog (a send takes the receive's way) and Compare with its dialog of its own.
TEST_F(DialogWiringTest, EveryCommandThatOpensAPortIsTraced) {
    chooseModel(10);
    chooseSimulator(0);
    window().linkTools().showTrace();
    ASSERT_NE(window().linkTools().traceWindow(), nullptr);
    transfer::LinkTrace& trace = window().linkTools().traceWindow()->trace();
    const auto compare = [this] {
        whenModal([](QDialog& shown) { shown.reject(); });
        auto* entry = window().findChild<QAction*>(QStringLiteral("mnucomparewithanalyser"));
        ASSERT_NE(entry, nullptr);
        entry->trigger();
    };
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"receive", [this] { transferThroughMenu("mnufileget"); }},
        {"set clock", [this] { transferThroughMenu("mnuconfiguresetclock"); }},
        {"compare with analyser", compare},
    };
    for (const auto& [name, command] : commands) {
        trace.clear();
        command();
        // More than the heading a cleared trace keeps: the frames the command sent.
        EXPECT_FALSE(trace.lines().filter(QStringLiteral(" send #")).isEmpty()) << name;
    }
}

// Tools > "Restore analyser from backup...": the backup the send kept, chosen, confirmed and
// written back, gives the analyser its configuration from before the send.
TEST_F(DialogWiringTest, TheToolsMenuRestoresTheBackupOfASend) {
    QTemporaryDir data;
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    chooseModel(10);
    chooseSimulator(0);
    EXPECT_EQ(transferThroughMenu("mnufileget"), QStringLiteral("Receiving...Done"));
    const QString shipped = form().text(QStringLiteral("txtheaderline"), 1).text();
    form().text(QStringLiteral("txtheaderline"), 1).setText(QStringLiteral("Boiler room 3"));
    EXPECT_EQ(transferThroughMenu("mnufilesend"), QStringLiteral("Sending...Done, verified"));
    const QDir backups(data.filePath(QStringLiteral("kilnward/backups")));
    // Beside the backup: its service report and the sector as written.
    const QStringList kept = backups.entryList({QStringLiteral("*.kwb")}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(backups.entryList(QDir::Files).size(), 3);

    prompts.queueFile(backups.filePath(kept.first()));
    auto* restore = window().findChild<QAction*>(QStringLiteral("mnurestorebackup"));
    ASSERT_NE(restore, nullptr);
    EXPECT_EQ(restore->text(), QStringLiteral("&Restore analyser from backup..."));
    prompts.queueAnswer(app::PromptAnswer::Yes);
    restore->trigger();
    ASSERT_NE(window().transferDialog(), nullptr);
    window().transferDialog()->cmdAbort_Click();
    EXPECT_EQ(window().statusLine().outcomeText(), QStringLiteral("Restoring...Done, verified"));
    EXPECT_TRUE(prompts.records().back().text.contains(modelName() + " (address 0) backed up on"));

    app::WriteConfigValue(QStringLiteral("General"), QStringLiteral("AskForSave"),
                          QStringLiteral("NO"));
    EXPECT_EQ(transferThroughMenu("mnufileget"), QStringLiteral("Receiving...Done"));
    EXPECT_EQ(form().text(QStringLiteral("txtheaderline"), 1).text(), shipped);
    qputenv("XDG_DATA_HOME", dataHome);
}

}  // namespace

}  // namespace kilnward::editor::testing
