#pragma once

#include <QString>

#include <optional>

#include "app/ParamTree.h"

namespace kilnward::form {

class TreeItem;

// One slot of a parameter tree: the parameter identifier it holds (its tag), the text and
// the icon key it shows. Changes are announced through the owning tree.
class TreeItemNode : public app::ParamTreeNode {
  public:
    TreeItemNode(TreeItem& owner, int index);

    QString text() const override { return text_; }
    void setText(const QString& text) override;
    std::optional<quint8> tag() const override { return tag_; }
    void setTag(quint8 id) override;
    QString imageKey() const override { return imageKey_; }
    void setImageKey(const QString& key) override;
    int index() const override { return index_; }

    // The identifier the slot holds; 0 (the empty parameter) before one is set.
    quint8 parameterId() const { return tag_.value_or(0); }

  private:
    TreeItem& owner_;
    int index_;
    QString text_;
    std::optional<quint8> tag_;
    QString imageKey_;
};

}  // namespace kilnward::form
