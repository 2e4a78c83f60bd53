#include "editor/ParamListView.h"

#include <QStyle>

#include <algorithm>

#include "app/Catalogue.h"
#include "editor/ParamIcons.h"
#include "editor/ParamMime.h"
#include "editor/ParamNameWidth.h"

namespace kilnward::editor {

namespace {

constexpr int kIdRole = Qt::UserRole;

}  // namespace

ParamListView::ParamListView(ParamIcons& icons, QWidget* parent)
    : QTreeWidget(parent), icons_(icons) {
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
}

void ParamListView::fill() {
    const int selected = currentIndex().row();
    clear();
    const auto& table = app::ParamTable();
    for (int i = 0; i < app::ParamCount(); ++i) {
        const app::ParamEntry& entry = table[static_cast<size_t>(i)];
        auto* node = new QTreeWidgetItem(this, QStringList{entry.Name});
        node->setIcon(0, icons_.icon(entry.imageKey()));
        node->setData(0, kIdRole, entry.Id);
        node->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    }
    if (selected >= 0 && selected < topLevelItemCount()) {
        setCurrentItem(topLevelItem(selected));
    } else if (topLevelItemCount() > 0) {
        scrollToItem(topLevelItem(0));
    }
}

QSize ParamListView::sizeHint() const {
    // Every name uncut, beside its icon, with room for the scroll bar.
    const int width = ParamNameWidth(fontMetrics()) + std::max(iconSize().width(), 16) +
                      style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                      fontMetrics().horizontalAdvance(u'M') * 2 + 2 * frameWidth();
    return {width, QTreeWidget::sizeHint().height()};
}

std::optional<std::uint8_t> ParamListView::selectedParameter() const {
    const QTreeWidgetItem* node = currentItem();
    if (!node || !node->isSelected()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(node->data(0, kIdRole).toUInt());
}

QStringList ParamListView::mimeTypes() const {
    return {QString::fromLatin1(kParamMimeType)};
}

QMimeData* ParamListView::mimeData(const QList<QTreeWidgetItem*>& items) const {
    if (items.isEmpty()) {
        return nullptr;
    }
    return MakeParamMimeData(static_cast<std::uint8_t>(items.first()->data(0, kIdRole).toUInt()),
                             items.first()->text(0));
}

}  // namespace kilnward::editor
