#include "editor/export/frmPrintConfig.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Translator.h"

namespace kilnward::editor {

namespace {

const QString kWindowName = QStringLiteral("frmPrintConfig");

const std::array<const char*, textexport::kExportSectionCount + 1> kOptionCaptions = {
    "Print general",          "Print graph bar",       "Print services",   "Print pages",
    "Print printer settings", "Print alarms settings", "Print aux inputs", "Print analog outputs",
    "Print timers",           "Print fuels",           "Print All"};

// The control's key in the language database, its translated caption, and the names
// assistive tools read.
template <typename Widget>
void Translate(app::Translator& translator, Widget& widget, const QString& control,
               const char* english) {
    const QString key = kWindowName + u'!' + control;
    const QString caption = translator.TranslateString(key, QString::fromLatin1(english));
    widget.setObjectName(key);
    widget.setText(caption);
    widget.setAccessibleName(QString(caption).remove(u'&'));
    widget.setAccessibleDescription(key);
}

}  // namespace

frmPrintConfig::frmPrintConfig(textexport::PrintConfigAnswer& answer, app::Translator& translator,
                               QWidget* parent)
    : QDialog(parent), answer_(answer) {
    setObjectName(kWindowName);
    setWindowTitle(translator.TranslateString(kWindowName, "Select config to print"));
    auto* layout = new QVBoxLayout(this);
    for (size_t i = 0; i < ckPrintOption_.size(); ++i) {
        ckPrintOption_[i] = new QCheckBox(this);
        Translate(translator, *ckPrintOption_[i], QStringLiteral("ckPrintOption#%1").arg(i),
                  kOptionCaptions[i]);
        layout->addWidget(ckPrintOption_[i]);
    }
    auto* buttons = new QDialogButtonBox(this);
    cmdOK_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    cmdAbort_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    Translate(translator, *cmdOK_, QStringLiteral("cmdOK"), "OK");
    Translate(translator, *cmdAbort_, QStringLiteral("cmdAbort"), "Abort");
    cmdOK_->setDefault(true);
    layout->addWidget(buttons);
    connect(cmdOK_, &QPushButton::clicked, this, &frmPrintConfig::cmdOK_Click);
    connect(cmdAbort_, &QPushButton::clicked, this, &frmPrintConfig::cmdAbort_Click);

    answer_.cancelled = false;
    ckPrintOption_[textexport::kExportAll]->setChecked(true);
    ckPrintOption_[0]->setFocus();
}

void frmPrintConfig::keyPressEvent(QKeyEvent* event) {
    // Escape is the keyboard's Abort; the close box stays a plain close.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdAbort_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmPrintConfig::cmdOK_Click() {
    for (size_t i = 0; i < ckPrintOption_.size(); ++i) {
        answer_.selection[i] = ckPrintOption_[i]->checkState() == Qt::Checked;
    }
    accept();
}

void frmPrintConfig::cmdAbort_Click() {
    answer_.cancelled = true;
    reject();
}

}  // namespace kilnward::editor
