#include "editor/ParamSlotView.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>

#include "app/Catalogue.h"
#include "app/Translator.h"
#include "editor/ParamMime.h"
#include "editor/ParamNameWidth.h"

namespace kilnward::editor {

ParamSlotView::ParamSlotView(int slotCount, app::Translator& translator, QWidget* parent)
    : QTreeWidget(parent), slotCount_(slotCount), translator_(translator) {
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ParamSlotView::showDropHighlight(int number) {
    dropHighlight_ = number;
    const QBrush highlight = palette().brush(QPalette::Highlight);
    const QBrush text = palette().brush(QPalette::HighlightedText);
    for (int row = 0; row < topLevelItemCount(); ++row) {
        QTreeWidgetItem* node = topLevelItem(row);
        const bool target = row + 1 == number;
        node->setBackground(0, target ? highlight : QBrush());
        node->setForeground(0, target ? text : QBrush());
    }
}

QSize ParamSlotView::sizeHint() const {
    // Every slot shows without scrolling, and the longest parameter name with its number.
    const int row =
        std::max({sizeHintForRow(0), fontMetrics().height() + 4, iconSize().height() + 4, 16});
    const int height = row * std::max(slotCount_, 1) + 2 * frameWidth();
    const int textWidth = ParamNameWidth(fontMetrics(), app::NodeNumberSuffix(true, slotCount_));
    const int icon = std::max(iconSize().width(), 16);
    const int width = textWidth + icon + 4 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) +
                      2 * frameWidth() + fontMetrics().horizontalAdvance(u'M') * 2;
    return {width, height};
}

QSize ParamSlotView::minimumSizeHint() const {
    return sizeHint();
}

int ParamSlotView::slotAt(const QPoint& position) const {
    const QTreeWidgetItem* node = itemAt(position);
    return node ? indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(node)) + 1 : 0;
}

void ParamSlotView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        emit deletePressed();
        return;
    }
    if (event->key() == Qt::Key_Insert) {
        emit insertPressed();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void ParamSlotView::mousePressEvent(QMouseEvent* event) {
    QTreeWidget::mousePressEvent(event);
    if (const int number = slotAt(event->position().toPoint())) {
        emit slotPressed(number);
    }
}

void ParamSlotView::dragEnterEvent(QDragEnterEvent* event) {
    if (ParamFromMimeData(event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
        emit draggedOver(slotAt(event->position().toPoint()));
    } else {
        event->ignore();
    }
}

void ParamSlotView::dragMoveEvent(QDragMoveEvent* event) {
    if (!ParamFromMimeData(event->mimeData())) {
        event->ignore();
        return;
    }
    const int number = slotAt(event->position().toPoint());
    emit draggedOver(number);
    event->setDropAction(Qt::CopyAction);
    // Only a slot takes the parameter; the empty area below the slots does not.
    if (number != 0) {
        event->accept();
    } else {
        event->ignore();
    }
}

void ParamSlotView::dragLeaveEvent(QDragLeaveEvent* event) {
    emit draggedOver(0);
    event->accept();
}

void ParamSlotView::dropEvent(QDropEvent* event) {
    emit draggedOver(slotAt(event->position().toPoint()));
    emit dropped(ParamFromMimeData(event->mimeData()));
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ParamSlotView::contextMenuEvent(QContextMenuEvent* event) {
    const int number = slotAt(event->pos());
    if (number == 0) {
        return;
    }
    emit slotPressed(number);
    QMenu menu(this);
    QAction* take = menu.addAction(translator_.TranslateString(
        QStringLiteral("paramslotset"), QStringLiteral("&Set to the selected parameter")));
    take->setShortcut(Qt::Key_Insert);
    QAction* empty = menu.addAction(translator_.TranslateString(QStringLiteral("paramslotclear"),
                                                                QStringLiteral("&Empty slot")));
    empty->setShortcut(Qt::Key_Delete);
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == take) {
        emit insertPressed();
    } else if (chosen == empty) {
        emit deletePressed();
    }
}

}  // namespace kilnward::editor
