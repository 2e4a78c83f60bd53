#include "editor/LabelBinding.h"

#include <QLabel>

#include "form/FormItem.h"

namespace kilnward::editor {

LabelBinding::LabelBinding(form::FormItem& item, QWidget* parent)
    : Binding(item, *new QLabel(parent)), label_(static_cast<QLabel*>(&object())) {}

QWidget* LabelBinding::widget() const {
    return label_;
}

void LabelBinding::showCaption() {
    label_->setText(item().caption());
}

}  // namespace kilnward::editor
