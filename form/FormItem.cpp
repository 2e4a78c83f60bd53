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
    if (caption_ == caption) {
        return;
    }
    caption_ = caption;
    notify(ItemChange::Caption);
}

void FormItem::setEnabled(bool enabled) {
    if (enabled_ == enabled) {
        return;
    }
    enabled_ = enabled;
    notify(ItemChange::Enabled);
}

void FormItem::setVisible(bool visible) {
    if (visible_ == visible) {
        return;
    }
    visible_ = visible;
    notify(ItemChange::Visible);
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
