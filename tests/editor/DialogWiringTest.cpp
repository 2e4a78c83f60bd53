// The main window over the real dialogs: the serial settings reach the status bar and the
// next transfer, and a technician without hardware receives from the simulated analyser,
// edits, sends and receives the edit back, all through the menus.

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "app/ConfigSettings.h"
#include "dialogs/frmadvance.h"
#include "dialogs/frmconfig.h"
#include "documents/DocumentCommands.h"
#include "documents/MainWindowSession.h"
#include "drivers/InstrumentDriver.h"
#include "editor/MainWindow.h"
#include "editor/StatusLine.h"
#include "form/Form.h"
#include "form/TextItem.h"
#include "tests/editor/EditorFixture.h"

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
        link.contains(QStringLiteral("Port: ") + dialogs::frmconfig::SimulatedPortCaption()))
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

TEST_F(DialogWiringTest, ReceiveEditSendAndReceiveAgainThroughTheMenus) {
    chooseModel(10);
    chooseSimulator(0);
    EXPECT_EQ(transferThroughMenu("mnufileget"), QStringLiteral("Receiving...Done"));

    auto* header = widget<QLineEdit>("txtheaderline", 1);
    ASSERT_NE(header, nullptr);
    header->selectAll();
    QTest::keyClicks(header, QStringLiteral("Boiler room 3"));
    EXPECT_EQ(transferThroughMenu("mnufilesend"), QStringLiteral("Sending...Done"));

    // Back to the defaults without saving, then the analyser's memory again.
    app::WriteConfigValue(QStringLiteral("General"), QStringLiteral("AskForSave"),
                          QStringLiteral("NO"));
    EXPECT_EQ(transferThroughMenu("mnufileget"), QStringLiteral("Receiving...Done"));
    EXPECT_EQ(form().text(QStringLiteral("txtheaderline"), 1).text(), "Boiler room 3");
    EXPECT_EQ(header->text(), QStringLiteral("Boiler room 3"));
    EXPECT_TRUE(prompts.messages().empty());
}

}  // namespace

}  // namespace kilnward::editor::testing
