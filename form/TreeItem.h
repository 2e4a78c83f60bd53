#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "app/ParamTree.h"
#include "form/FormItem.h"
#include "form/TreeItemNode.h"

namespace kilnward::form {

// A parameter tree (trv...): a fixed number of slots, each holding one parameter
// identifier of the catalogue (0 = empty slot). Nodes are numbered from 1, as in the
// document keys. A slot changes through the catalogue's node update, which marks the
// owning document changed only when the identifier changes.
class TreeItem : public FormItem, public app::ParamTree {
  public:
    TreeItem(QString name, int index, QString tag, int slotCount);
    ~TreeItem() override;

    // The number of slots `initparamtree` gives the tree.
    int slotCount() const { return slotCount_; }
    int nodeCount() const override { return static_cast<int>(nodes_.size()); }
    app::ParamTreeNode& addNode() override;
    // 1-based; throws std::out_of_range.
    TreeItemNode& node(int number) const;
    void clearNodes();

    // 0 when no node is selected.
    int selectedNode() const { return selected_; }
    void selectNode(int number);
    int dropHighlight() const { return dropHighlight_; }

    // The user's actions on the tree.
    void pressDelete();
    void mouseDownOn(int number);
    void dragOver(int number);
    // Drops the toolbar's selected parameter (nullopt when none) on the highlighted node.
    void drop(std::optional<std::uint8_t> parameterId);

    // Sets slot `number` through the catalogue's node update, numbering on.
    void assignParameter(int number, std::uint8_t parameterId);

  private:
    friend class TreeItemNode;
    void nodeChanged() { notify(ItemChange::Nodes); }

    int slotCount_;
    std::vector<std::unique_ptr<TreeItemNode>> nodes_;
    int selected_ = 0;
    int dropHighlight_ = 0;
};

}  // namespace kilnward::form
