#pragma once

#include <QDialog>

#include <cstdint>

#include "app/SerialSettings.h"
#include "dialogs/WidgetWindow.h"
#include "transfer/LinkSettings.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace kilnward::app {
class Translator;
}

namespace kilnward::dialogs {

class ConnectionTester;
class ConnectionTestPanel;

// The serial and language settings dialog. One object lives for the program run and shows
// the serial settings the transfers use: read from Config.ini when it is created, changed
// only by confirming the serial mode (and the infrared choice by the main window's model).
class frmconfig : public QDialog {
  public:
    static constexpr int kSerialMode = 0;
    static constexpr int kLanguageMode = 1;

    // `language` translates the dialog and is the one whose language the language mode
    // changes; `debugMode` lets the user change the infrared choice; `useInfrared` is the
    // selected model's default.
    frmconfig(language::LanguageManager& language, bool debugMode, bool useInfrared,
              QWidget* parent = nullptr);

    // Shows the mode's frame only. The language mode is refused (false, after "Language
    // Manager not available.") while the language manager is not usable.
    bool definemode(int mode);
    int mode() const { return mode_; }
    // definemode, then, when allowed, loads the dialog and shows it modally. True when the
    // user confirmed.
    bool showModal(int mode);
    // Loads the dialog in the mode defined before and shows it modally.
    bool showLoaded();

    // Fills the controls from the kept values and the language manager, and translates the
    // window (done by showModal).
    void load();
    // OK: keeps and stores the mode's values, then closes.
    void cmdOK_Click();

    // The serial settings as kept: the object transfers and tools read at every use.
    const app::SerialSettings& serial() const { return serial_; }
    std::int16_t Serialport() const { return serial_.port.number(); }
    // The chosen port as stored: a number, a device path or "simulator".
    const app::PortChoice& Port() const { return serial_.port; }
    const QString& Baudrate() const { return serial_.baudRate; }
    std::uint8_t addr() const { return serial_.address; }
    bool UseInfrared() const { return serial_.useInfrared; }
    void setUseInfrared(bool value) { serial_.useInfrared = value; }
    // The infrared choice of a newly chosen model. In debug mode the choice the user
    // confirmed in the dialog stands: a model change does not undo it behind their back.
    void followModelInfrared(bool modelUsesInfrared);
    // What a transfer copies into the link, as the values are now.
    transfer::LinkSettings linkSettings() const;
    // The serial settings as the controls show them, not yet kept.
    app::SerialSettings shownSerial() const;
    transfer::LinkSettings shownSettings() const;
    // Shows the "Test" button of the serial mode, which checks the shown settings with
    // `tester`; null hides it.
    void setConnectionTester(ConnectionTester* tester);

  private:
    void build();
    void fillPorts();
    QString chosenPort() const;
    // The port the list shows, as it would be kept.
    app::PortChoice shownPort() const;
    void confirmSerial();
    void confirmLanguage();
    // The check of the sector read back after a send.
    void buildVerifyOption(QFormLayout& serialForm);
    // Who signs the printed sheets and the service reports (Config.ini [Report]).
    void buildReportOptions();
    void confirmReportOptions();

    WidgetWindow window_;
    bool debugMode_;
    int mode_ = kSerialMode;
    app::SerialSettings serial_;
    bool infraredChosen_ = false;

    QGroupBox* serialFrame_ = nullptr;
    QGroupBox* languageFrame_ = nullptr;
    QGroupBox* reportFrame_ = nullptr;
    QLineEdit* txttechnician_ = nullptr;
    QLineEdit* txtcompany_ = nullptr;
    QComboBox* lstport_ = nullptr;
    QComboBox* cbobaud_ = nullptr;
    QSpinBox* TDBnumaddress_ = nullptr;
    QCheckBox* chkinfrared_ = nullptr;
    QCheckBox* chkverify_ = nullptr;
    QListWidget* lstlang_ = nullptr;
    ConnectionTestPanel* testPanel_ = nullptr;
};

}  // namespace kilnward::dialogs
