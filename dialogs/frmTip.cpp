#include "dialogs/frmTip.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/ConfigSettings.h"
#include "app/ProgramFolder.h"
#include "app/Translator.h"
#include "app/Windows1252.h"
#include "dialogs/ControlNames.h"
#include "dialogs/OkButtonBox.h"
#include "language/LanguageManager.h"

namespace kilnward::dialogs {

namespace {

constexpr int kTipTextLength = 60;  // characters per line before the tip wraps
constexpr int kTipTextLines = 6;

}  // namespace

frmTip::frmTip(language::LanguageManager& language, QWidget* parent)
    : QDialog(parent), window_(language, *this, QStringLiteral("frmTip")) {
    setWindowTitle(QStringLiteral("Tip of the Day"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Did you know..."), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    window_.name(*heading, control::lblDidYouKnow);
    layout->addWidget(heading);

    lblTipText_ = new QLabel(this);
    lblTipText_->setTextFormat(Qt::PlainText);
    lblTipText_->setWordWrap(true);
    lblTipText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText_->setFrameShape(QFrame::StyledPanel);
    lblTipText_->setMargin(style()->pixelMetric(QStyle::PM_LayoutLeftMargin));
    const QFontMetrics metrics = fontMetrics();
    lblTipText_->setMinimumSize(metrics.averageCharWidth() * kTipTextLength,
                                metrics.lineSpacing() * kTipTextLines);
    window_.name(*lblTipText_, control::lblTipText, {}, QStringLiteral("x"));
    layout->addWidget(lblTipText_, 1);

    chkLoadTipsAtStartup_ = new QCheckBox(QStringLiteral("&Show tips at startup"), this);
    window_.name(*chkLoadTipsAtStartup_, control::chkLoadTipsAtStartup);
    connect(chkLoadTipsAtStartup_, &QCheckBox::clicked, this,
            [this] { chkLoadTipsAtStartup_Click(); });

    QDialogButtonBox* buttons = OkButtonBox(*this, window_);
    auto* cmdNextTip =
        buttons->addButton(QStringLiteral("&Next Tip"), QDialogButtonBox::ActionRole);
    window_.name(*cmdNextTip, control::cmdNextTip);
    connect(cmdNextTip, &QPushButton::clicked, this, [this] { cmdNextTip_Click(); });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkLoadTipsAtStartup_);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
}

QString frmTip::TipsFileName(app::Translator& translator) {
    return app::Translated(translator, "tipfile", "TIPENG.TXT");
}

void frmTip::load() {
    window_.translateNow();
    chkLoadTipsAtStartup_->setChecked(app::ReadShowTipsSetting());
    tips_.clear();
    currentTip_ = 0;
    const QString fileName = TipsFileName(window_.language());
    if (!LoadTips(app::ProgramFolder::dataFile(fileName))) {
        lblTipText_->setText(app::Translated(
            window_.language(), "tipnotfound",
            "That the %1% file was not found?\r\n\r\nCreate a text file named %1% using NotePad "
            "with 1 tip per line. Then place it in the same directory as the application. ",
            {fileName}));
    }
}

bool frmTip::LoadTips(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QString text = app::DecodeProfileText(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    // The line break ending the last line starts no tip of its own.
    if (!lines.isEmpty() && lines.constLast().isEmpty()) {
        lines.removeLast();
    }
    tips_ << lines;
    cmdNextTip_Click();
    return true;
}

void frmTip::cmdNextTip_Click() {
    ++currentTip_;
    if (currentTip_ > tips_.size()) {
        currentTip_ = 1;
    }
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    if (!tips_.isEmpty()) {
        lblTipText_->setText(tips_.at(currentTip_ - 1));
    }
}

QString frmTip::tipText() const {
    return lblTipText_->text();
}

void frmTip::chkLoadTipsAtStartup_Click() {
    app::WriteConfigValue(app::config::ShowTips, chkLoadTipsAtStartup_->isChecked()
                                                     ? QStringLiteral("1")
                                                     : QStringLiteral("0"));
}

void ShowTipOfTheDay(language::LanguageManager& language, QWidget* parent) {
    frmTip tip(language, parent);
    tip.load();
    tip.exec();
}

}  // namespace kilnward::dialogs
