#include "editor/OptionBinding.h"

#include <QRadioButton>

#include "editor/FormAdapter.h"
#include "form/OptionItem.h"

namespace kilnward::editor {

OptionBinding::OptionBinding(form::OptionItem& item, QWidget* parent)
    : Binding(item, *new QRadioButton(parent)),
      option_(item),
      button_(static_cast<QRadioButton*>(&object())) {
    button_->setAutoExclusive(false);
    // Clicking an option sets it; clicking the set one leaves it set.
    QObject::connect(button_, &QRadioButton::clicked, button_, [this] {
        adapter::RunUserEdit(option_, [this] { option_.setValue(true); });
        button_->setChecked(option_.value());
    });
}

QWidget* OptionBinding::widget() const {
    return button_;
}

void OptionBinding::show(form::ItemChange change) {
    if (change == form::ItemChange::Value) {
        button_->setChecked(option_.value());
    }
}

void OptionBinding::showCaption() {
    button_->setText(option_.caption());
}

}  // namespace kilnward::editor
