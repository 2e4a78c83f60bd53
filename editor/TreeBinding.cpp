#include "editor/TreeBinding.h"

#include <QTreeWidgetItem>

#include <utility>

#include "documents/ControlKey.h"
#include "editor/FormAdapter.h"
#include "editor/ParamIcons.h"
#include "editor/ParamSlotView.h"
#include "form/TreeItem.h"

namespace kilnward::editor {

TreeBinding::TreeBinding(form::TreeItem& item, QWidget* parent, ParamIcons& icons,
                         app::Translator& translator, ParameterSource selectedParameter)
    : Binding(item, *new ParamSlotView(item.slotCount(), translator, parent)),
      tree_(item),
      view_(static_cast<ParamSlotView*>(&object())),
      icons_(icons),
      selectedParameter_(std::move(selectedParameter)) {
    QObject::connect(view_, &ParamSlotView::slotPressed, view_, [this](int number) {
        adapter::RunUserEdit(tree_, [&] { tree_.mouseDownOn(number); });
    });
    QObject::connect(view_, &QTreeWidget::currentItemChanged, view_,
                     [this](QTreeWidgetItem* current) {
                         if (current) {
                             const int number = view_->indexOfTopLevelItem(current) + 1;
                             adapter::RunUserEdit(tree_, [&] { tree_.selectNode(number); });
                         }
                     });
    QObject::connect(view_, &ParamSlotView::deletePressed, view_,
                     [this] { adapter::RunUserEdit(tree_, [this] { tree_.pressDelete(); }); });
    QObject::connect(view_, &ParamSlotView::insertPressed, view_,
                     [this] { takeSelectedParameter(); });
    QObject::connect(view_, &ParamSlotView::draggedOver, view_, [this](int number) {
        adapter::RunUserEdit(tree_, [&] { tree_.dragOver(number); });
    });
    QObject::connect(view_, &ParamSlotView::dropped, view_,
                     [this](std::optional<std::uint8_t> parameterId) {
                         adapter::RunUserEdit(tree_, [&] { tree_.drop(parameterId); });
                     });
}

QWidget* TreeBinding::widget() const {
    return view_;
}

void TreeBinding::takeSelectedParameter() {
    const auto parameter = selectedParameter_ ? selectedParameter_() : std::nullopt;
    if (parameter && tree_.selectedNode() != 0) {
        adapter::RunUserEdit(tree_,
                             [&] { tree_.assignParameter(tree_.selectedNode(), *parameter); });
    }
}

void TreeBinding::show(form::ItemChange change) {
    if (change == form::ItemChange::Nodes) {
        showNodes();
        showSelection();
    } else if (change == form::ItemChange::Selection) {
        showSelection();
    }
}

void TreeBinding::showNodes() {
    while (view_->topLevelItemCount() > tree_.nodeCount()) {
        delete view_->takeTopLevelItem(view_->topLevelItemCount() - 1);
    }
    while (view_->topLevelItemCount() < tree_.nodeCount()) {
        auto* node = new QTreeWidgetItem(view_);
        const int number = view_->topLevelItemCount();
        node->setData(0, Qt::AccessibleDescriptionRole, documents::NodeKey(tree_, number));
    }
    for (int number = 1; number <= tree_.nodeCount(); ++number) {
        const form::TreeItemNode& slot = tree_.node(number);
        QTreeWidgetItem* node = view_->topLevelItem(number - 1);
        node->setText(0, slot.text());
        node->setIcon(0, icons_.icon(slot.imageKey()));
    }
    // The rows now have their real height.
    view_->updateGeometry();
}

void TreeBinding::showSelection() {
    const int selected = tree_.selectedNode();
    if (selected >= 1 && selected <= view_->topLevelItemCount()) {
        view_->setCurrentItem(view_->topLevelItem(selected - 1));
    } else {
        view_->clearSelection();
    }
    view_->showDropHighlight(tree_.dropHighlight());
}

}  // namespace kilnward::editor
