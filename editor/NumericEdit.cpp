#include "editor/NumericEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace kilnward::editor {

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

void NumericEdit::keyPressEvent(QKeyEvent* event) {
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit completed();
    }
}

}  // namespace kilnward::editor
