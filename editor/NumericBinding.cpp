#include "editor/NumericBinding.h"

#include <QLabel>
#include <QSignalBlocker>

#include "editor/FormAdapter.h"
#include "editor/NumericEdit.h"
#include "form/NumericItem.h"

namespace kilnward::editor {

NumericBinding::NumericBinding(form::NumericItem& item, QWidget* parent)
    : Binding(item, *new NumericEdit(parent)),
      numeric_(item),
      caption_(new QLabel(parent)),
      edit_(static_cast<NumericEdit*>(&object())) {
    caption_->setBuddy(edit_);
    QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this](const QString& text) {
        adapter::RunUserEdit(numeric_, [&] { adapter::SetNumericText(numeric_, text); });
    });
    QObject::connect(edit_, &NumericEdit::completed, edit_, [this] { complete(); });
}

QWidget* NumericBinding::widget() const {
    return edit_;
}

QWidget* NumericBinding::captionWidget() const {
    return caption_;
}

void NumericBinding::complete() {
    adapter::RunUserEdit(numeric_, [this] { numeric_.complete(); });
    // The field is left: it shows the value as the form keeps it, in its format.
    const QSignalBlocker blocker(edit_);
    showText();
}

void NumericBinding::show(form::ItemChange change) {
    switch (change) {
        case form::ItemChange::Value:
            // What the user is typing stays as typed.
            if (!fromUser()) {
                showText();
            }
            break;
        case form::ItemChange::Format:
            showText();
            showWidth();
            break;
        case form::ItemChange::CaptionColour:
            // The platform's colour for disabled text greys the caption.
            caption_->setEnabled(!numeric_.captionGreyed());
            break;
        default:
            break;
    }
}

void NumericBinding::showEnabled(bool enabled) {
    // A disabled field keeps a readable caption; only the formula rule greys captions.
    edit_->setEnabled(enabled);
}

void NumericBinding::showCaption() {
    caption_->setText(numeric_.caption());
}

void NumericBinding::showText() {
    edit_->setText(adapter::NumericText(numeric_));
}

void NumericBinding::showWidth() {
    // The widest texts of the format: the range's ends.
    edit_->setWidestTexts({adapter::FormatNumber(numeric_.format(), numeric_.minimum()),
                           adapter::FormatNumber(numeric_.format(), numeric_.maximum())});
}

}  // namespace kilnward::editor
