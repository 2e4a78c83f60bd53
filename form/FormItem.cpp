#include "form/FormItem.h"

#include <stdexcept>
#include <utility>

#include "form/Form.h"

namespace kilnward::form {

FormItem::FormItem(ItemKind kind, QString name, int index, QString tag)
    : kind_(kind), name_(std::move(name)), index_(index), tag_(std::move(tag)) {
    // These controls show their own caption beside them.
    if (kind == ItemKind::Numeric || kind == ItemKind::Check || kind == ItemKind::Option) {
        buddy_ = this;
    }
}

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

bool FormItem::isTabPage() const {
    return kind_ == ItemKind::Frame && container_ && container_->kind() == ItemKind::TabStrip;
}

void FormItem::setBuddy(FormItem* field) {
    if (kind_ != ItemKind::Label) {
        throw std::logic_error("only a label names another field");
    }
    buddy_ = field;
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

void FormItem::raiseCompleted(NumericItem& self) {
    if (form_) {
        form_->announceCompletion(self);
    }
}

void FormItem::raiseTabChanged(TabStripItem& self, int previousTab) {
    if (form_) {
        form_->announceTabChange(self, previousTab);
    }
}

void FormItem::raiseParamNodeAssigned(TreeItem& self, int node, std::uint8_t parameterId) {
    if (form_) {
        form_->updateParamNode(self, node, parameterId);
    }
}

void FormItem::clearSiblingOptions(const OptionItem& self) {
    if (form_) {
        form_->clearSiblingOptions(self);
    }
}

}  // namespace kilnward::form
