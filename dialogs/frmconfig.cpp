#include "dialogs/frmconfig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/ConfigSettings.h"
#include "app/ReportSettings.h"
#include "app/SerialDefaults.h"
#include "app/Translator.h"
#include "app/VersionString.h"
#include "dialogs/AddressSpinBox.h"
#include "dialogs/ConnectionTestPanel.h"
#include "dialogs/ControlNames.h"
#include "language/LanguageManager.h"
#include "transfer/LinkSetup.h"
#include "wirelink/PortNames.h"

namespace kilnward::dialogs {

namespace {

// Wide enough for a device path such as /dev/serial/by-id/usb-...
constexpr int kPortTextLength = 28;

}  // namespace

frmconfig::frmconfig(language::LanguageManager& language, bool debugMode, bool useInfrared,
                     QWidget* parent)
    : QDialog(parent),
      window_(language, *this, QStringLiteral("frmconfig")),
      debugMode_(debugMode),
      serial_(app::SerialSettings::Load(useInfrared)) {
    build();
}

void frmconfig::build() {
    setWindowTitle(QStringLiteral("Settings"));
    setModal(true);

    serialFrame_ = new QGroupBox(QStringLiteral("Serial"), this);
    window_.name(*serialFrame_, control::fraconf, 0);
    auto* serialForm = new QFormLayout(serialFrame_);
    lstport_ = new QComboBox(serialFrame_);
    lstport_->setEditable(true);
    lstport_->setInsertPolicy(QComboBox::NoInsert);
    lstport_->setMinimumContentsLength(kPortTextLength);
    lstport_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    window_.name(*lstport_, control::lstport);
    auto* lblserialport = new QLabel(QStringLiteral("Serial &port"), serialFrame_);
    window_.name(*lblserialport, control::lblserialport);
    lblserialport->setBuddy(lstport_);
    serialForm->addRow(lblserialport, lstport_);

    cbobaud_ = new QComboBox(serialFrame_);
    cbobaud_->addItems(app::SerialSettings::BaudRates());
    cbobaud_->setCurrentText(QLatin1String(app::serial::kDefaultBaudRate));
    // Numbers stay as wide as their longest value instead of stretching across the dialog.
    cbobaud_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    window_.name(*cbobaud_, control::cbobaud);
    auto* lblbaudrate = new QLabel(QStringLiteral("&Baud rate"), serialFrame_);
    window_.name(*lblbaudrate, control::lblbaudrate);
    lblbaudrate->setBuddy(cbobaud_);
    serialForm->addRow(lblbaudrate, cbobaud_);

    TDBnumaddress_ = new AddressSpinBox(serialFrame_);
    TDBnumaddress_->setRange(0, 255);
    TDBnumaddress_->setAlignment(Qt::AlignRight);
    TDBnumaddress_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    window_.name(*TDBnumaddress_, control::TDBnumaddress);
    auto* lbladdress = new QLabel(QStringLiteral("A&ddress"), serialFrame_);
    window_.name(*lbladdress, control::lbladdress);
    lbladdress->setBuddy(TDBnumaddress_);
    serialForm->addRow(lbladdress, TDBnumaddress_);

    chkinfrared_ = new QCheckBox(QStringLiteral("&Infrared"), serialFrame_);
    chkinfrared_->setEnabled(false);
    window_.name(*chkinfrared_, control::chkinfrared);
    serialForm->addRow(chkinfrared_);
    buildVerifyOption(*serialForm);

    testPanel_ = new ConnectionTestPanel(
        window_, [this] { return shownSettings(); }, serialFrame_);
    serialForm->addRow(testPanel_);
    // A check still running when the dialog closes ends at its next wait.
    connect(this, &QDialog::finished, testPanel_, [this] { testPanel_->cancel(); });

    buildReportOptions();

    languageFrame_ = new QGroupBox(QStringLiteral("Language"), this);
    window_.name(*languageFrame_, control::fraconf, 1);
    auto* languageLayout = new QVBoxLayout(languageFrame_);
    auto* lbllanguages = new QLabel(QStringLiteral("Available &languages"), languageFrame_);
    window_.name(*lbllanguages, control::lbllanguages);
    lstlang_ = new QListWidget(languageFrame_);
    window_.name(*lstlang_, control::lstlang);
    lbllanguages->setBuddy(lstlang_);
    languageLayout->addWidget(lbllanguages);
    languageLayout->addWidget(lstlang_);
    connect(lstlang_, &QListWidget::itemDoubleClicked, this, [this] { cmdOK_Click(); });

    auto* buttons = new QDialogButtonBox(this);
    auto* cmdOK = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    window_.name(*cmdOK, control::cmdOK);
    cmdOK->setDefault(true);
    auto* cmdCancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    window_.name(*cmdCancel, control::cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(serialFrame_);
    layout->addWidget(reportFrame_);
    layout->addWidget(languageFrame_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    definemode(kSerialMode);
}

bool frmconfig::definemode(int mode) {
    serialFrame_->setVisible(mode == kSerialMode);
    reportFrame_->setVisible(mode == kSerialMode);
    languageFrame_->setVisible(mode == kLanguageMode);
    mode_ = mode;
    if (mode == kLanguageMode) {
        return window_.language().CanChangeLanguage();
    }
    return true;
}

bool frmconfig::showModal(int mode) {
    return definemode(mode) && showLoaded();
}

bool frmconfig::showLoaded() {
    load();
    return exec() == QDialog::Accepted;
}

void frmconfig::load() {
    chkinfrared_->setEnabled(debugMode_);
    fillPorts();
    const int baud = cbobaud_->findText(serial_.baudRate);
    if (baud >= 0) {
        cbobaud_->setCurrentIndex(baud);
    }
    TDBnumaddress_->setValue(serial_.address);
    chkinfrared_->setChecked(serial_.useInfrared);
    chkverify_->setChecked(serial_.verifyAfterSend);
    txttechnician_->setText(app::ReadConfigValue(app::config::ReportTechnician));
    txtcompany_->setText(app::ReadConfigValue(app::config::ReportCompany));
    testPanel_->reset();

    language::LanguageManager& langMan = window_.language();
    lstlang_->clear();
    if (langMan.LanguageCount() >= 2) {
        for (int i = 0; i < langMan.LanguageCount(); ++i) {
            lstlang_->addItem(langMan.Language(i));
        }
        lstlang_->setCurrentRow(langMan.LanguageIndex());
    }
    window_.translateNow();
    // The port list's own entry follows the language too.
    fillPorts();
}

void frmconfig::fillPorts() {
    lstport_->clear();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString name = QString::fromStdString(
            wirelink::ListedPortName(info.portName().toStdString(),
                                     info.systemLocation().toStdString(), wirelink::kThisPlatform));
        lstport_->addItem(name, name);
    }
    lstport_->addItem(app::PortChoice::SimulatedCaption(window_.language()),
                      QLatin1String(app::serial::kSimulatorPort));
    const QString port = serial_.port.deviceName();
    int current = lstport_->findData(port);
    if (current < 0) {
        // A port the system does not report now (unplugged, or typed by the user) stays
        // the choice.
        lstport_->insertItem(0, port, port);
        current = 0;
    }
    lstport_->setCurrentIndex(current);
}

QString frmconfig::chosenPort() const {
    const QString text = lstport_->currentText().trimmed();
    const int listed = lstport_->findText(text);
    if (listed >= 0) {
        return lstport_->itemData(listed).toString();
    }
    return text;
}

void frmconfig::cmdOK_Click() {
    if (mode_ == kSerialMode) {
        confirmSerial();
    } else {
        confirmLanguage();
    }
    accept();
}

app::PortChoice frmconfig::shownPort() const {
    const QString chosen = chosenPort();
    if (chosen.isEmpty()) {
        return serial_.port;
    }
    // A numbered port keeps its number, so the stored value means the same port on every
    // platform.
    return chosen == serial_.port.deviceName() ? serial_.port : app::PortChoice::fromStored(chosen);
}

void frmconfig::confirmSerial() {
    serial_ = shownSerial();
    infraredChosen_ = debugMode_;
    serial_.store();
    confirmReportOptions();
}

void frmconfig::followModelInfrared(bool modelUsesInfrared) {
    if (!infraredChosen_) {
        serial_.useInfrared = modelUsesInfrared;
    }
}

void frmconfig::buildVerifyOption(QFormLayout& serialForm) {
    chkverify_ = new QCheckBox(QStringLiteral("&Verify after sending"), serialFrame_);
    window_.name(*chkverify_, control::chkverify);
    serialForm.addRow(chkverify_);
}

void frmconfig::buildReportOptions() {
    reportFrame_ = new QGroupBox(QStringLiteral("Service report"), this);
    window_.name(*reportFrame_, control::frareport);
    auto* form = new QFormLayout(reportFrame_);
    const auto addLine = [this, form](QLineEdit*& edit, const char* name, const char* label,
                                      const char* caption) {
        edit = new QLineEdit(reportFrame_);
        edit->setMinimumWidth(fontMetrics().averageCharWidth() * kPortTextLength);
        window_.name(*edit, QLatin1String(name));
        auto* lbl = new QLabel(QLatin1String(caption), reportFrame_);
        window_.name(*lbl, QLatin1String(label));
        lbl->setBuddy(edit);
        form->addRow(lbl, edit);
    };
    addLine(txttechnician_, control::txttechnician, control::lbltechnician, "Tec&hnician");
    addLine(txtcompany_, control::txtcompany, control::lblcompany, "Co&mpany");
}

void frmconfig::confirmReportOptions() {
    app::WriteConfigValue(app::config::ReportTechnician, txttechnician_->text().trimmed());
    app::WriteConfigValue(app::config::ReportCompany, txtcompany_->text().trimmed());
}

void frmconfig::confirmLanguage() {
    // With nothing chosen (no list of languages) the stored language stays as it is, so a
    // first start without a usable choice does not ask again for ever.
    if (lstlang_->currentRow() < 0) {
        return;
    }
    language::LanguageManager& langMan = window_.language();
    langMan.SetLanguageIndex(lstlang_->currentRow());
    langMan.TranslateAll();
    app::WriteConfigValue(app::config::FileVersion, app::VersionString());
    app::WriteConfigValue(app::config::LanguageIndex, QString::number(langMan.LanguageIndex()));
}

app::SerialSettings frmconfig::shownSerial() const {
    app::SerialSettings shown;
    shown.port = shownPort();
    shown.baudRate = cbobaud_->currentText();
    shown.address = static_cast<std::uint8_t>(TDBnumaddress_->value());
    shown.useInfrared = chkinfrared_->checkState() != Qt::Unchecked;
    shown.verifyAfterSend = chkverify_->isChecked();
    return shown;
}

transfer::LinkSettings frmconfig::shownSettings() const {
    return transfer::LinkSettingsOf(shownSerial());
}

void frmconfig::setConnectionTester(ConnectionTester* tester) {
    testPanel_->setTester(tester);
}

transfer::LinkSettings frmconfig::linkSettings() const {
    return transfer::LinkSettingsOf(serial_);
}

}  // namespace kilnward::dialogs
