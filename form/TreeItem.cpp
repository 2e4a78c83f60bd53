#include "form/TreeItem.h"

#include <stdexcept>
#include <utility>

#include "form/Form.h"

namespace kilnward::form {

TreeItem::TreeItem(QString name, int index, QString tag, int slotCount)
    : FormItem(ItemKind::Tree, std::move(name), index, std::move(tag)), slotCount_(slotCount) {}

TreeItem::~TreeItem() = default;

app::ParamTreeNode& TreeItem::addNode() {
    nodes_.push_back(std::make_unique<TreeItemNode>(*this, nodeCount() + 1));
    notify(ItemChange::Nodes);
    return *nodes_.back();
}

TreeItemNode& TreeItem::node(int number) const {
    if (number < 1 || number > nodeCount()) {
        throw std::out_of_range("tree node number out of range");
    }
    return *nodes_[static_cast<size_t>(number - 1)];
}

void TreeItem::clearNodes() {
    if (!nodes_.empty()) {
        nodes_.clear();
        notify(ItemChange::Nodes);
    }
    if (selected_ != 0 || dropHighlight_ != 0) {
        selected_ = 0;
        dropHighlight_ = 0;
        notify(ItemChange::Selection);
    }
}

void TreeItem::selectNode(int number) {
    update(selected_, number >= 1 && number <= nodeCount() ? number : 0, ItemChange::Selection);
}

void TreeItem::pressDelete() {
    if (selected_ != 0) {
        assignParameter(selected_, 0);
    }
}

void TreeItem::mouseDownOn(int number) {
    if (number >= 1 && number <= nodeCount()) {
        selectNode(number);
    }
}

void TreeItem::dragOver(int number) {
    update(dropHighlight_, number >= 1 && number <= nodeCount() ? number : 0,
           ItemChange::Selection);
}

void TreeItem::drop(std::optional<std::uint8_t> parameterId) {
    if (dropHighlight_ == 0 || !parameterId) {
        return;
    }
    const int target = dropHighlight_;
    // The highlight goes and the target is selected: one change of the selection.
    dropHighlight_ = 0;
    selected_ = target;
    notify(ItemChange::Selection);
    assignParameter(target, *parameterId);
}

void TreeItem::assignParameter(int number, std::uint8_t parameterId) {
    if (number >= 1 && number <= nodeCount()) {
        raiseParamNodeAssigned(*this, number, parameterId);
    }
}

}  // namespace kilnward::form
