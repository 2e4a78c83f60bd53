#include "editor/CheckBinding.h"

#include <QCheckBox>

#include "editor/FormAdapter.h"
#include "form/CheckItem.h"

namespace kilnward::editor {

CheckBinding::CheckBinding(form::CheckItem& item, QWidget* parent)
    : Binding(item, *new QCheckBox(parent)),
      check_(item),
      box_(static_cast<QCheckBox*>(&object())) {
    // A click ticks or clears the box, from the grey state too.
    QObject::connect(box_, &QCheckBox::clicked, box_, [this](bool checked) {
        adapter::RunUserEdit(check_, [&] {
            check_.setValue(checked ? form::CheckItem::kChecked : form::CheckItem::kUnchecked);
        });
        box_->setTristate(false);
    });
}

QWidget* CheckBinding::widget() const {
    return box_;
}

void CheckBinding::show(form::ItemChange change) {
    if (change != form::ItemChange::Value) {
        return;
    }
    const int value = check_.value();
    box_->setTristate(value == form::CheckItem::kGrey);
    box_->setCheckState(value == form::CheckItem::kGrey      ? Qt::PartiallyChecked
                        : value == form::CheckItem::kChecked ? Qt::Checked
                                                             : Qt::Unchecked);
}

void CheckBinding::showCaption() {
    box_->setText(check_.caption());
}

}  // namespace kilnward::editor
