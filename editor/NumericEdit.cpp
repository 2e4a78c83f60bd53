#include "editor/NumericEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

#include <algorithm>

namespace kilnward::editor {

namespace {

// Long enough to read a sentence, short enough not to linger over the next field.
constexpr int kRefusalShownMs = 8000;

}  // namespace

NumericEdit::NumericEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void NumericEdit::setWidestTexts(const QStringList& texts) {
    widest_ = texts;
    updateGeometry();
}

QSize NumericEdit::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    int textWidth = metrics.horizontalAdvance(QStringLiteral("0000"));
    for (const QString& text : widest_) {
        textWidth = std::max(textWidth, metrics.horizontalAdvance(text));
    }
    const QMargins margins = textMargins();
    // QLineEdit's own inner margin is 2 pixels on each side, plus one character of air.
    const int width =
        textWidth + margins.left() + margins.right() + 4 + metrics.horizontalAdvance(u'0');
    const int height = std::max(metrics.height(), 14) + 2 + margins.top() + margins.bottom();
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, height), this);
}

QSize NumericEdit::minimumSizeHint() const {
    return sizeHint();
}

void NumericEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A popup (the context menu) takes the focus without the user leaving the field.
    if (event->reason() != Qt::PopupFocusReason) {
        emit completed();
    }
}

void NumericEdit::showRefusal(const QString& reason) {
    if (!refusal_) {
        // A window of its own, like a tool tip, so it may reach beyond the page; not the
        // application's tool tip, which any click or focus change closes at once.
        refusal_ = new QLabel(this, Qt::ToolTip | Qt::FramelessWindowHint);
        refusal_->setForegroundRole(QPalette::ToolTipText);
        refusal_->setBackgroundRole(QPalette::ToolTipBase);
        refusal_->setAutoFillBackground(true);
        refusal_->setFrameShape(QFrame::Box);
        refusal_->setMargin(style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth) + 2);
        refusal_->setFocusPolicy(Qt::NoFocus);
        refusalTimer_ = new QTimer(this);
        refusalTimer_->setSingleShot(true);
        connect(refusalTimer_, &QTimer::timeout, this, &NumericEdit::hideRefusal);
    }
    // Sized anew while hidden: a window already shown may keep the size of its last text.
    refusal_->hide();
    refusal_->setText(reason);
    refusal_->resize(refusal_->sizeHint());
    refusal_->move(mapToGlobal(QPoint(0, height())));
    refusal_->show();
    refusalTimer_->start(kRefusalShownMs);
}

QString NumericEdit::shownRefusal() const {
    return refusal_ && refusal_->isVisible() ? refusal_->text() : QString();
}

void NumericEdit::hideRefusal() {
    if (refusal_) {
        refusal_->hide();
    }
}

void NumericEdit::hideEvent(QHideEvent* event) {
    hideRefusal();
    QLineEdit::hideEvent(event);
}

void NumericEdit::keyPressEvent(QKeyEvent* event) {
    hideRefusal();
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit completed();
    }
}

}  // namespace kilnward::editor
