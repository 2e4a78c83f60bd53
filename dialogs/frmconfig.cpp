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
#include "app/VersionString.h"
#include "dialogs/AddressSpinBox.h"
#include "dialogs/ConnectionTestPanel.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "wirelink/PortNames.h"

namespace kilnward::dialogs {

namespace {

const char* const kBaudRates[] = {"1200",  "2400",  "4800",  "9600",
                                  "19200", "38400", "57600", "115200"};
constexpr int kDesignBaudIndex = 3;  // 9600
// Wide enough for a device path such as /dev/serial/by-id/usb-...
constexpr int kPortTextLength = 28;

}  // namespace

frmconfig::frmconfig(bool debugMode, bool useInfrared, QWidget* parent)
    : QDialog(parent),
      window_(*this, QStringLiteral("frmconfig")),
      debugMode_(debugMode),
      port_(PortChoice::fromStored(app::ReadConfigValue(app::config::Serialport))),
      baudrate_(app::ReadBaudrateSetting()),
      addr_(app::ReadAddressSetting()),
      useInfrared_(useInfrared),
      verifyAfterSend_(app::ReadVerifyAfterSendSetting()) {
    build();
}

QString frmconfig::SimulatedPortCaption() {
    return language::LangMan().TranslateString(QStringLiteral("simulatedport"),
                                               QStringLiteral("Simulated analyser"));
}

void frmconfig::build() {
    setWindowTitle(QStringLiteral("Settings"));
    setModal(true);

    serialFrame_ = new QGroupBox(QStringLiteral("Serial"), this);
    window_.name(*serialFrame_, QStringLiteral("fraconf"), 0);
    auto* serialForm = new QFormLayout(serialFrame_);
    lstport_ = new QComboBox(serialFrame_);
    lstport_->setEditable(true);
    lstport_->setInsertPolicy(QComboBox::NoInsert);
    lstport_->setMinimumContentsLength(kPortTextLength);
    lstport_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    window_.name(*lstport_, QStringLiteral("lstport"));
    auto* lblserialport = new QLabel(QStringLiteral("Serial &port"), serialFrame_);
    window_.name(*lblserialport, QStringLiteral("lblserialport"));
    lblserialport->setBuddy(lstport_);
    serialForm->addRow(lblserialport, lstport_);

    cbobaud_ = new QComboBox(serialFrame_);
    for (const char* rate : kBaudRates) {
        cbobaud_->addItem(QLatin1String(rate));
    }
    cbobaud_->setCurrentIndex(kDesignBaudIndex);
    // Numbers stay as wide as their longest value instead of stretching across the dialog.
    cbobaud_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    window_.name(*cbobaud_, QStringLiteral("cbobaud"));
    auto* lblbaudrate = new QLabel(QStringLiteral("&Baud rate"), serialFrame_);
    window_.name(*lblbaudrate, QStringLiteral("lblbaudrate"));
    lblbaudrate->setBuddy(cbobaud_);
    serialForm->addRow(lblbaudrate, cbobaud_);

    TDBnumaddress_ = new AddressSpinBox(serialFrame_);
    TDBnumaddress_->setRange(0, 255);
    TDBnumaddress_->setAlignment(Qt::AlignRight);
    TDBnumaddress_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    window_.name(*TDBnumaddress_, QStringLiteral("TDBnumaddress"));
    auto* lbladdress = new QLabel(QStringLiteral("A&ddress"), serialFrame_);
    window_.name(*lbladdress, QStringLiteral("lbladdress"));
    lbladdress->setBuddy(TDBnumaddress_);
    serialForm->addRow(lbladdress, TDBnumaddress_);

    chkinfrared_ = new QCheckBox(QStringLiteral("&Infrared"), serialFrame_);
    chkinfrared_->setEnabled(false);
    window_.name(*chkinfrared_, QStringLiteral("chkinfrared"));
    serialForm->addRow(chkinfrared_);
    buildVerifyOption(*serialForm);

    testPanel_ = new ConnectionTestPanel(
        window_, [this] { return shownSettings(); }, serialFrame_);
    serialForm->addRow(testPanel_);
    // A check still running when the dialog closes ends at its next wait.
    connect(this, &QDialog::finished, testPanel_, [this] { testPanel_->cancel(); });

    buildReportOptions();

    languageFrame_ = new QGroupBox(QStringLiteral("Language"), this);
    window_.name(*languageFrame_, QStringLiteral("fraconf"), 1);
    auto* languageLayout = new QVBoxLayout(languageFrame_);
    auto* lbllanguages = new QLabel(QStringLiteral("Available &languages"), languageFrame_);
    window_.name(*lbllanguages, QStringLiteral("lbllanguages"));
    lstlang_ = new QListWidget(languageFrame_);
    window_.name(*lstlang_, QStringLiteral("lstlang"));
    lbllanguages->setBuddy(lstlang_);
    languageLayout->addWidget(lbllanguages);
    languageLayout->addWidget(lstlang_);
    connect(lstlang_, &QListWidget::itemDoubleClicked, this, [this] { cmdOK_Click(); });

    auto* buttons = new QDialogButtonBox(this);
    auto* cmdOK = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    window_.name(*cmdOK, QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdCancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    window_.name(*cmdCancel, QStringLiteral("cmdCancel"));
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
        return language::LangMan().CanChangeLanguage();
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
    const int baud = cbobaud_->findText(baudrate_);
    if (baud >= 0) {
        cbobaud_->setCurrentIndex(baud);
    }
    TDBnumaddress_->setValue(addr_);
    chkinfrared_->setChecked(useInfrared_);
    chkverify_->setChecked(verifyAfterSend_);
    txttechnician_->setText(app::ReadConfigValue(app::config::ReportTechnician));
    txtcompany_->setText(app::ReadConfigValue(app::config::ReportCompany));
    testPanel_->reset();

    language::LanguageManager& langMan = language::LangMan();
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
    lstport_->addItem(SimulatedPortCaption(), QLatin1String(PortChoice::kSimulator));
    int current = lstport_->findData(port_.deviceName());
    if (current < 0) {
        // A port the system does not report now (unplugged, or typed by the user) stays
        // the choice.
        lstport_->insertItem(0, port_.deviceName(), port_.deviceName());
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

PortChoice frmconfig::shownPort() const {
    const QString chosen = chosenPort();
    if (chosen.isEmpty()) {
        return port_;
    }
    // A numbered port keeps its number, so the stored value means the same port on every
    // platform.
    return chosen == port_.deviceName() ? port_ : PortChoice::fromStored(chosen);
}

void frmconfig::confirmSerial() {
    port_ = shownPort();
    baudrate_ = cbobaud_->currentText();
    addr_ = static_cast<std::uint8_t>(TDBnumaddress_->value());
    useInfrared_ = chkinfrared_->checkState() != Qt::Unchecked;
    infraredChosen_ = debugMode_;
    app::WriteConfigValue(app::config::FileVersion, app::VersionString());
    app::WriteConfigValue(app::config::Serialport, port_.stored());
    app::WriteConfigValue(app::config::Baudrate, baudrate_);
    app::WriteConfigValue(app::config::Addr, QString::number(addr_));
    confirmVerifyOption();
    confirmReportOptions();
}

void frmconfig::followModelInfrared(bool modelUsesInfrared) {
    if (!infraredChosen_) {
        useInfrared_ = modelUsesInfrared;
    }
}

void frmconfig::buildVerifyOption(QFormLayout& serialForm) {
    chkverify_ = new QCheckBox(QStringLiteral("&Verify after sending"), serialFrame_);
    window_.name(*chkverify_, QStringLiteral("chkverify"));
    serialForm.addRow(chkverify_);
}

void frmconfig::confirmVerifyOption() {
    verifyAfterSend_ = chkverify_->isChecked();
    app::WriteConfigValue(app::config::VerifyAfterSend,
                          verifyAfterSend_ ? QStringLiteral("1") : QStringLiteral("0"));
}

void frmconfig::buildReportOptions() {
    reportFrame_ = new QGroupBox(QStringLiteral("Service report"), this);
    window_.name(*reportFrame_, QStringLiteral("frareport"));
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
    addLine(txttechnician_, "txttechnician", "lbltechnician", "Tec&hnician");
    addLine(txtcompany_, "txtcompany", "lblcompany", "Co&mpany");
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
    language::LanguageManager& langMan = language::LangMan();
    langMan.SetLanguageIndex(lstlang_->currentRow());
    langMan.TranslateAll();
    app::WriteConfigValue(app::config::FileVersion, app::VersionString());
    app::WriteConfigValue(app::config::LanguageIndex, QString::number(langMan.LanguageIndex()));
}

transfer::LinkSettings frmconfig::shownSettings() const {
    transfer::LinkSettings settings;
    settings.useInfrared = chkinfrared_->checkState() != Qt::Unchecked;
    settings.baudRate = cbobaud_->currentText();
    shownPort().applyTo(settings);
    settings.addr = static_cast<std::uint8_t>(TDBnumaddress_->value());
    return settings;
}

void frmconfig::setConnectionTester(ConnectionTester* tester) {
    testPanel_->setTester(tester);
}

transfer::LinkSettings frmconfig::linkSettings() const {
    transfer::LinkSettings settings;
    settings.useInfrared = useInfrared_;
    settings.baudRate = baudrate_;
    port_.applyTo(settings);
    settings.addr = addr_;
    settings.verifyAfterSend = verifyAfterSend_;
    return settings;
}

}  // namespace kilnward::dialogs
