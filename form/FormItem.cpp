#include "form/FormItem.h"

#include <utility>

#include "form/Form.h"

namespace kilnward::form {

FormItem::FormItem(ItemKind kind, QString name, int index, QString tag)
    : kind_(kind), name_(std::move(name)), index_(index), tag_(std::move(tag)) {}

FormItem::~FormItem() = default;

QString FormItem::documentTag() const {
    return tag_.right(4);
}

void FormItem::setCaption(const QString& caption) {
    update(caption_, caption, ItemChange::Caption);
}

void FormItem::setEnabled(bool enabled) {
    update(enabled_, enabled, ItemChange::Enabled);
}

void FormItem::setVisible(bool visible) {
    update(visible_, visible, ItemChange::Visible);
}

void FormItem::placeIn(FormItem* container, int tab) {
    container_ = container;
    containerTab_ = tab;
}

QString FormItem::windowName() const {
    return form_ ? form_->name() : QString();
}

void FormItem::notify(ItemChange change) {
    if (form_) {
        form_->announceChange(*this, change);
    }
}

void FormItem::raiseEdited() {
    if (form_) {
        form_->announceEdit(*this);
    }
}

}  // namespace kilnward::form
