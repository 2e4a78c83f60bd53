// The settings dialog: the serial values it keeps and stores, the port list with its
// simulated analyser and typed device paths, and the language choice.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include "app/Notices.h"
#include "app/PortChoice.h"
#include "app/SerialSettings.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmconfig.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "language/TranslationTable.h"
#include "tests/dialogs/DialogsFixture.h"
#include "transfer/LinkSettings.h"
#include "transfer/LinkSetup.h"

namespace kilnward::dialogs {
namespace {

class ConfigDialogTest : public testing::DialogsTest {
  protected:
    template <typename T>
    static T* control(frmconfig& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QStringLiteral("frmconfig!") + name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(ConfigDialogTest, SerialModeKeepsAndStoresWhatIsConfirmed) {
    writeConfig("Serial", "Baudrate", "4800");
    writeConfig("Serial", "Addr", "7");
    frmconfig dialog(languages(), true, false);
    ASSERT_TRUE(dialog.definemode(frmconfig::kSerialMode));
    dialog.load();
    EXPECT_EQ(control<QComboBox>(dialog, "cbobaud")->currentText(), "4800");
    EXPECT_EQ(control<QSpinBox>(dialog, "TDBnumaddress")->value(), 7);
    EXPECT_FALSE(control<QGroupBox>(dialog, "fraconf#1")->isVisibleTo(&dialog));

    control<QComboBox>(dialog, "lstport")->setEditText("/dev/ttyUSB7");
    control<QComboBox>(dialog, "cbobaud")->setCurrentText("19200");
    control<QSpinBox>(dialog, "TDBnumaddress")->setValue(12);
    control<QCheckBox>(dialog, "chkinfrared")->setChecked(true);
    dialog.cmdOK_Click();

    const transfer::LinkSettings link = dialog.linkSettings();
    EXPECT_EQ(link.portName, "/dev/ttyUSB7");
    EXPECT_EQ(link.serialPort, 0);
    EXPECT_EQ(link.baudRate, "19200");
    EXPECT_EQ(link.addr, 12);
    EXPECT_TRUE(link.useInfrared);
    EXPECT_EQ(readConfig("Serial", "Serialport"), "/dev/ttyUSB7");
    EXPECT_EQ(readConfig("Serial", "Baudrate"), "19200");
    EXPECT_EQ(readConfig("Serial", "Addr"), "12");
    EXPECT_EQ(readConfig("General", "FileVersion"), "2.0.22");
    // The infrared choice belongs to the model, not to Config.ini.
    EXPECT_EQ(readConfig("Serial", "Infrared"), "<missing>");

    // The next start finds the typed port selected.
    frmconfig next(languages(), false, false);
    next.load();
    EXPECT_EQ(control<QComboBox>(next, "lstport")->currentText(), "/dev/ttyUSB7");
    EXPECT_EQ(next.linkSettings().portName, "/dev/ttyUSB7");
}

// The dialog is a view over the serial settings: it keeps what the settings object loads,
// shows it unchanged, and offers only values the settings' rules accept.
TEST_F(ConfigDialogTest, ShowsTheSerialSettingsAndOffersOnlyValuesTheirRulesAccept) {
    struct Case {
        const char* port;
        const char* baud;
        const char* addr;
    };
    for (const Case& c : {Case{"", "", ""}, Case{"4", "57600", "200"},
                          Case{"simulator", "1200", "0"}, Case{"/dev/ttyACM0", "115200", "9"}}) {
        SCOPED_TRACE(c.port);
        // The first case has no "Serial" section at all.
        if (*c.port != '\0') {
            writeConfig("Serial", "Serialport", c.port);
            writeConfig("Serial", "Baudrate", c.baud);
            writeConfig("Serial", "Addr", c.addr);
        }
        frmconfig dialog(languages(), false, true);
        const app::SerialSettings loaded = app::SerialSettings::Load(true);
        EXPECT_EQ(dialog.linkSettings(), transfer::LinkSettingsOf(loaded));
        dialog.definemode(frmconfig::kSerialMode);
        dialog.load();
        // Nothing changed in the controls: they show what is kept.
        EXPECT_EQ(dialog.shownSettings(), dialog.linkSettings());
    }

    frmconfig dialog(languages(), false, false);
    auto* rates = control<QComboBox>(dialog, "cbobaud");
    ASSERT_EQ(rates->count(), app::SerialSettings::BaudRates().size());
    for (int i = 0; i < rates->count(); ++i) {
        EXPECT_TRUE(app::SerialSettings::IsBaudRate(rates->itemText(i)));
    }
    auto* address = control<QSpinBox>(dialog, "TDBnumaddress");
    EXPECT_TRUE(app::SerialSettings::AddressOf(QString::number(address->minimum())));
    EXPECT_TRUE(app::SerialSettings::AddressOf(QString::number(address->maximum())));
    EXPECT_FALSE(app::SerialSettings::AddressOf(QString::number(address->maximum() + 1)));
}

// A model change sets the infrared choice, except one the user confirmed in debug mode.
TEST_F(ConfigDialogTest, AModelChangeKeepsTheInfraredChoiceConfirmedInDebugMode) {
    struct Case {
        const char* name;
        bool debugMode;
        bool confirmed;
        bool expected;
    };
    const Case cases[] = {
        {"debug, confirmed without infrared", true, true, false},
        {"debug, never confirmed", true, false, true},
        {"normal mode, confirmed", false, true, true},
    };
    for (const Case& c : cases) {
        frmconfig dialog(languages(), c.debugMode, true);
        ASSERT_TRUE(dialog.definemode(frmconfig::kSerialMode));
        dialog.load();
        if (c.confirmed) {
            control<QCheckBox>(dialog, "chkinfrared")->setChecked(false);
            dialog.cmdOK_Click();
        }
        dialog.followModelInfrared(true);
        EXPECT_EQ(dialog.UseInfrared(), c.expected) << c.name;
        EXPECT_EQ(dialog.linkSettings().useInfrared, c.expected) << c.name;
    }
}

// A number typed beyond the range stays as typed until the field is left, then takes the
// nearest end of the range (the third digit of "300" is not refused).
TEST_F(ConfigDialogTest, AnAddressTypedOutsideItsRangeIsClampedWhenTheFieldIsLeft) {
    frmconfig dialog(languages(), true, false);
    ASSERT_TRUE(dialog.definemode(frmconfig::kSerialMode));
    dialog.load();
    auto* address = control<QSpinBox>(dialog, "TDBnumaddress");
    const std::pair<const char*, int> cases[] = {
        {"300", 255}, {"256", 255}, {"99999999999999999999", 255}, {"255", 255}, {"42", 42},
        {"0", 0},     {"-5", 0},
    };
    for (const auto& [typed, kept] : cases) {
        address->setValue(7);
        address->selectAll();
        QTest::keyClicks(address, QString::fromLatin1(typed));
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(address, &out);
        EXPECT_EQ(address->value(), kept) << typed;
        EXPECT_EQ(address->text(), QString::number(kept)) << typed;
    }
    address->selectAll();
    QTest::keyClicks(address, QStringLiteral("300"));
    QTest::keyClick(address, Qt::Key_Return);
    dialog.cmdOK_Click();
    EXPECT_EQ(readConfig("Serial", "Addr"), "255");
}

// Who signs the sheets and reports: shown in serial mode, stored in [Report] on OK only.
TEST_F(ConfigDialogTest, TheTechnicianAndCompanyAreKeptInTheReportSection) {
    writeConfig("Report", "Technician", "Jürgen Weiß");
    frmconfig dialog(languages(), false, false);
    ASSERT_TRUE(dialog.definemode(frmconfig::kSerialMode));
    dialog.load();
    EXPECT_TRUE(control<QGroupBox>(dialog, "frareport")->isVisibleTo(&dialog));
    EXPECT_EQ(control<QLineEdit>(dialog, "txttechnician")->text(), "Jürgen Weiß");
    EXPECT_EQ(control<QLineEdit>(dialog, "txtcompany")->text(), "");

    control<QLineEdit>(dialog, "txtcompany")->setText(" Kessel & Söhne ");
    dialog.reject();
    EXPECT_EQ(readConfig("Report", "Company"), "<missing>");
    dialog.load();
    EXPECT_EQ(control<QLineEdit>(dialog, "txtcompany")->text(), "");

    control<QLineEdit>(dialog, "txtcompany")->setText(" Kessel & Söhne ");
    control<QLineEdit>(dialog, "txttechnician")->setText("Ana Núñez");
    dialog.cmdOK_Click();
    EXPECT_EQ(readConfig("Report", "Company"), "Kessel & Söhne");
    EXPECT_EQ(readConfig("Report", "Technician"), "Ana Núñez");

    dialog.definemode(frmconfig::kLanguageMode);
    EXPECT_FALSE(control<QGroupBox>(dialog, "frareport")->isVisibleTo(&dialog));
}

TEST_F(ConfigDialogTest, CancelAndAnUnlistedBaudRateChangeNothing) {
    writeConfig("Serial", "Baudrate", "31250");
    std::vector<QString> told;
    app::SetNoticeSink([&told](const QString& text) { told.push_back(text); });
    frmconfig dialog(languages(), false, true);
    app::SetNoticeSink({});
    dialog.load();
    // An unknown rate is told and the default kept in its place: the list shows the rate the
    // transfers use. Infrared follows the model.
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].contains("Baudrate=\"31250\"")) << told[0].toStdString();
    EXPECT_EQ(control<QComboBox>(dialog, "cbobaud")->currentText(), "9600");
    EXPECT_EQ(dialog.Baudrate(), "9600");
    EXPECT_TRUE(control<QCheckBox>(dialog, "chkinfrared")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(dialog, "chkinfrared")->isEnabled());
    control<QSpinBox>(dialog, "TDBnumaddress")->setValue(99);
    dialog.reject();
    EXPECT_EQ(dialog.addr(), 0);
    EXPECT_EQ(dialog.Baudrate(), "9600");
    EXPECT_EQ(readConfig("Serial", "Addr"), "<missing>");
    // Cancel writes nothing, not even the replacement.
    EXPECT_EQ(readConfig("Serial", "Baudrate"), "31250");
}

// A stored value the dialog cannot show is told once; the dialog, its "Test" and the
// transfers (the kept settings) then use one and the same value, which OK stores.
TEST_F(ConfigDialogTest, AStoredValueTheDialogCannotShowIsToldAndOneValueIsUsedEverywhere) {
    struct Case {
        const char* key;
        const char* stored;
        const char* baud;
        int addr;
    };
    for (const Case& c : {Case{"Baudrate", "1234", "9600", 0}, Case{"Addr", "300", "9600", 0},
                          Case{"Addr", "-5", "9600", 0}, Case{"Addr", "abc", "9600", 0}}) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
        QFile::remove(file("Config.ini"));
        writeConfig("Serial", c.key, c.stored);
        std::vector<QString> told;
        app::SetNoticeSink([&told](const QString& text) { told.push_back(text); });
        frmconfig dialog(languages(), false, false);
        dialog.load();
        app::SetNoticeSink({});
        ASSERT_EQ(told.size(), 1u);
        EXPECT_TRUE(told[0].contains(QStringLiteral("%1=\"%2\"").arg(c.key, c.stored)))
            << told[0].toStdString();
        const transfer::LinkSettings kept = dialog.linkSettings();
        EXPECT_EQ(kept.baudRate, c.baud);
        EXPECT_EQ(kept.addr, c.addr);
        EXPECT_EQ(dialog.shownSettings(), kept);
        dialog.cmdOK_Click();
        EXPECT_EQ(readConfig("Serial", "Baudrate"), c.baud);
        EXPECT_EQ(readConfig("Serial", "Addr"), QString::number(c.addr));
    }
}

TEST_F(ConfigDialogTest, TheSimulatedAnalyserIsAPortThatIsStoredByItsOwnName) {
    useLanguage(testing::kFrench);
    frmconfig dialog(languages(), false, false);
    dialog.load();
    auto* ports = control<QComboBox>(dialog, "lstport");
    const int simulated = ports->findText(app::PortChoice::SimulatedCaption(languages()));
    ASSERT_GE(simulated, 0);
    EXPECT_EQ(ports->itemText(simulated), "Analyseur simulé");
    ports->setCurrentIndex(simulated);
    dialog.cmdOK_Click();
    EXPECT_EQ(readConfig("Serial", "Serialport"), "simulator");
    EXPECT_EQ(dialog.linkSettings().portName, "simulator");

    frmconfig next(languages(), false, false);
    next.load();
    EXPECT_EQ(control<QComboBox>(next, "lstport")->currentText(), "Analyseur simulé");
}

TEST_F(ConfigDialogTest, ChoosingALanguageRetranslatesOpenWindowsAndStoresIt) {
    useLanguage(testing::kEnglish);
    frmAbout about(languages());
    EXPECT_EQ(about.windowTitle(), "About Kilnward");
    frmconfig dialog(languages(), false, false);
    ASSERT_TRUE(dialog.definemode(frmconfig::kLanguageMode));
    dialog.load();
    auto* languages = control<QListWidget>(dialog, "lstlang");
    ASSERT_EQ(languages->count(), 5);
    EXPECT_EQ(languages->currentRow(), 0);
    languages->setCurrentRow(testing::kGerman);
    dialog.cmdOK_Click();
    EXPECT_EQ(readConfig("Language", "LanguageIndex"), "2");
    EXPECT_EQ(about.windowTitle(), "Über Kilnward");
    EXPECT_EQ(dialog.windowTitle(), "Einstellungen");
}

TEST_F(ConfigDialogTest, ConfirmingWithoutAChoiceKeepsTheStoredLanguage) {
    // A database with one language offers no list to choose from.
    language::TranslationTable table;
    table.languages = {"English"};
    table.rows = {{"done", {"Done."}}};
    QString error;
    ASSERT_TRUE(table.writeDatabase(file("One.mdb"), &error)) << error.toStdString();
    ASSERT_TRUE(language::LangMan().OpenLanguageDataBase(file("One.mdb"), false));
    writeConfig("Language", "LanguageIndex", "-1");

    frmconfig dialog(languages(), false, false);
    ASSERT_TRUE(dialog.definemode(frmconfig::kLanguageMode));
    dialog.load();
    EXPECT_EQ(control<QListWidget>(dialog, "lstlang")->count(), 0);
    dialog.cmdOK_Click();
    EXPECT_EQ(readConfig("Language", "LanguageIndex"), "-1");
}

TEST_F(ConfigDialogTest, LanguageModeIsRefusedWithoutALanguageManager) {
    frmconfig dialog(languages(), false, false);
    EXPECT_FALSE(dialog.showModal(frmconfig::kLanguageMode));
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages().front(), "Language Manager not available.");
    EXPECT_TRUE(dialog.definemode(frmconfig::kSerialMode));
}

// What Config.ini keeps for a chosen port, and the name the list shows for it, per platform:
// a Windows port name is kept as its number whichever way it was written.
TEST(PortChoiceTest, StoresWindowsPortNamesAsNumbersAndShowsThePlatformsName) {
    using app::PortChoice;
    using wirelink::Platform;
    struct Case {
        const char* chosen;
        Platform platform;
        const char* stored;
        int number;
        const char* shown;
    };
    for (const Case& c : {
             Case{"COM3", Platform::Windows, "3", 3, "COM3"},
             Case{" com12 ", Platform::Windows, "12", 12, "COM12"},
             Case{"\\\\.\\COM4", Platform::Windows, "4", 4, "COM4"},
             Case{"2", Platform::Windows, "2", 2, "COM2"},
             Case{"", Platform::Windows, "1", 1, "COM1"},
             Case{"simulator", Platform::Windows, "simulator", 0, "simulator"},
             Case{"COM3", Platform::Posix, "COM3", 0, "COM3"},
             Case{"2", Platform::Posix, "2", 2, "/dev/ttyS1"},
             Case{"/dev/ttyUSB0", Platform::Posix, "/dev/ttyUSB0", 0, "/dev/ttyUSB0"},
         }) {
        const PortChoice choice = PortChoice::fromStored(QString::fromUtf8(c.chosen), c.platform);
        EXPECT_EQ(choice.stored(), c.stored) << c.chosen;
        EXPECT_EQ(choice.number(), c.number) << c.chosen;
        EXPECT_EQ(choice.deviceName(c.platform), c.shown) << c.chosen;
    }
}

}  // namespace
}  // namespace kilnward::dialogs
