#include "form/TreeItemNode.h"

#include "form/TreeItem.h"

namespace kilnward::form {

TreeItemNode::TreeItemNode(TreeItem& owner, int index) : owner_(owner), index_(index) {}

void TreeItemNode::setText(const QString& text) {
    if (text_ != text) {
        text_ = text;
        owner_.nodeChanged();
    }
}

void TreeItemNode::setTag(quint8 id) {
    if (tag_ != id) {
        tag_ = id;
        owner_.nodeChanged();
    }
}

void TreeItemNode::setImageKey(const QString& key) {
    if (imageKey_ != key) {
        imageKey_ = key;
        owner_.nodeChanged();
    }
}

}  // namespace kilnward::form
