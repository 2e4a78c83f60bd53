#include "editor/TextBinding.h"

#include <QLineEdit>
#include <QStyle>

#include <algorithm>

#include "editor/FormAdapter.h"
#include "form/TextItem.h"

namespace kilnward::editor {

TextBinding::TextBinding(form::TextItem& item, QWidget* parent)
    : Binding(item, *new QLineEdit(parent)),
      text_(item),
      edit_(static_cast<QLineEdit*>(&object())) {
    if (item.maxLength() > 0) {
        edit_->setMaxLength(item.maxLength());
        // Wide enough for the longest text: the widest letter times the length, plus air.
        const int chars = std::max(item.maxLength(), 4) + 1;
        const int text = edit_->fontMetrics().horizontalAdvance(u'M') * chars * 3 / 4;
        edit_->setFixedWidth(text + 2 * edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                             8);
    }
    QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this](const QString& text) {
        adapter::RunUserEdit(text_, [&] { text_.setText(text); });
    });
}

QWidget* TextBinding::widget() const {
    return edit_;
}

void TextBinding::show(form::ItemChange change) {
    // What the user is typing stays as typed.
    if (change == form::ItemChange::Value && !fromUser() && edit_->text() != text_.text()) {
        edit_->setText(text_.text());
    }
}

}  // namespace kilnward::editor
