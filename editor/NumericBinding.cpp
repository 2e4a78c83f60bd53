#include "editor/NumericBinding.h"

#include <QLabel>
#include <QSignalBlocker>

#include "app/Translator.h"
#include "editor/FormAdapter.h"
#include "editor/NumericEdit.h"
#include "form/NumericItem.h"

namespace kilnward::editor {

namespace {

// Why `typed` was not taken, and what the field keeps instead.
QString RefusalText(app::Translator& translator, const QString& typed, const QString& kept) {
    if (typed.trimmed().isEmpty()) {
        return translator.TranslateString(
            QStringLiteral("numnotempty"),
            QStringLiteral("This field cannot be empty: it keeps %1%"), {kept});
    }
    return translator.TranslateString(
        QStringLiteral("numnotnumber"),
        QStringLiteral("\"%1%\" is not a number (digits, a sign and \",\" or \".\" for decimals): "
                       "the field keeps %2%"),
        {typed.trimmed(), kept});
}

}  // namespace

NumericBinding::NumericBinding(form::NumericItem& item, app::Translator& translator,
                               QWidget* parent)
    : Binding(item, *new NumericEdit(parent)),
      numeric_(item),
      translator_(translator),
      caption_(new QLabel(parent)),
      edit_(static_cast<NumericEdit*>(&object())) {
    caption_->setBuddy(edit_);
    QObject::connect(edit_, &QLineEdit::textEdited, edit_,
                     [this](const QString& text) { typed(text); });
    QObject::connect(edit_, &NumericEdit::completed, edit_, [this] { complete(); });
}

QWidget* NumericBinding::widget() const {
    return edit_;
}

QWidget* NumericBinding::captionWidget() const {
    return caption_;
}

void NumericBinding::typed(const QString& text) {
    if (!beforeTyping_) {
        beforeTyping_ = numeric_.value();
    }
    adapter::RunUserEdit(numeric_, [&] {
        typedReadable_ = adapter::SetNumericText(numeric_, text);
        if (!typedReadable_) {
            numeric_.assign(*beforeTyping_);
        }
    });
}

void NumericBinding::complete() {
    const bool refused = beforeTyping_ && !typedReadable_;
    const QString refusedText = edit_->text();
    beforeTyping_.reset();
    typedReadable_ = true;
    adapter::RunUserEdit(numeric_, [this] { numeric_.complete(); });
    // The field is left: it shows the value as the form keeps it, in its format.
    const QSignalBlocker blocker(edit_);
    showText();
    if (refused) {
        edit_->showRefusal(RefusalText(translator_, refusedText, edit_->text()));
    }
}

void NumericBinding::show(form::ItemChange change) {
    switch (change) {
        case form::ItemChange::Value:
            // What the user is typing stays as typed; a value from elsewhere ends the typing.
            if (!fromUser()) {
                beforeTyping_.reset();
                typedReadable_ = true;
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
