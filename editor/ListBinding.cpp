#include "editor/ListBinding.h"

#include <QComboBox>

#include "editor/FormAdapter.h"
#include "form/ListItem.h"

namespace kilnward::editor {

ListBinding::ListBinding(form::ListItem& item, QWidget* parent)
    : Binding(item, *new QComboBox(parent)),
      list_(item),
      combo_(static_cast<QComboBox*>(&object())) {
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QObject::connect(combo_, &QComboBox::activated, combo_, [this](int position) {
        adapter::RunUserEdit(list_, [&] { list_.setListIndex(position); });
    });
}

QWidget* ListBinding::widget() const {
    return combo_;
}

void ListBinding::show(form::ItemChange change) {
    if (change == form::ItemChange::Entries) {
        combo_->clear();
        combo_->addItems(list_.entries());
        combo_->setCurrentIndex(list_.listIndex());
    } else if (change == form::ItemChange::Value) {
        combo_->setCurrentIndex(list_.listIndex());
    }
}

}  // namespace kilnward::editor
