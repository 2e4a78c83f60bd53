#include "dialogs/frmSplash.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "app/VersionString.h"
#include "dialogs/ControlNames.h"
#include "dialogs/ProgramInfo.h"
#include "language/LanguageManager.h"

namespace kilnward::dialogs {

namespace {

QLabel* AddLabel(QVBoxLayout& layout, QWidget& parent, const QString& text) {
    auto* label = new QLabel(text, &parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    layout.addWidget(label);
    return label;
}

}  // namespace

frmSplash::frmSplash(language::LanguageManager& language, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      window_(language, *this, QStringLiteral("frmSplash")) {
    setWindowTitle(app::ApplicationTitle());
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);
    const int spacing = style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing);
    layout->setContentsMargins(4 * spacing, 4 * spacing, 4 * spacing, 4 * spacing);

    QLabel* title = AddLabel(*layout, *frame, app::ApplicationTitle());
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    window_.name(*title, control::lblProductName, {}, QStringLiteral("x"));
    window_.name(*AddLabel(*layout, *frame, app::VersionString()), control::lblVersioncode, {},
                 QStringLiteral("x"));
    window_.name(*AddLabel(*layout, *frame, CompanyLine(language)), control::lblcompany, {},
                 QStringLiteral("x"));
    window_.name(*AddLabel(*layout, *frame, CommentsText(language)), control::lblswcode, {},
                 QStringLiteral("x"));
    layout->addSpacing(2 * spacing);
    lblstatus_ = AddLabel(*layout, *frame, QString());
    window_.name(*lblstatus_, control::lblstatus, {}, QStringLiteral("x"));
    // Room for the longest status line without the window jumping as it changes.
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);

    tmrexpiration_.setSingleShot(true);
    connect(&tmrexpiration_, &QTimer::timeout, this, [this] {
        close();
        if (expired_) {
            expired_();
        }
    });
    window_.translateNow();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void frmSplash::setStatus(const QString& text) {
    lblstatus_->setText(text);
    lblstatus_->repaint();
}

QString frmSplash::status() const {
    return lblstatus_->text();
}

void frmSplash::startExpiration(std::function<void()> expired, int milliseconds) {
    expired_ = std::move(expired);
    tmrexpiration_.start(milliseconds);
}

}  // namespace kilnward::dialogs
