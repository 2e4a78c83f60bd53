#pragma once

#include <QTreeWidget>

#include <cstdint>
#include <optional>

namespace kilnward::app {
class Translator;
}
namespace kilnward::editor {

// A parameter tree of the main window shown as its fixed slots, all visible at once. It
// reports what the user does: pressing a slot, Delete on it, Insert (take the parameter
// selected in the parameter list), dragging a parameter over a slot and dropping it.
class ParamSlotView : public QTreeWidget {
    Q_OBJECT

  public:
    // The context menu speaks `translator`'s language.
    ParamSlotView(int slotCount, app::Translator& translator, QWidget* parent = nullptr);

    // Marks slot `number` (1-based; 0 for none) as the drop target.
    void showDropHighlight(int number);
    int dropHighlight() const { return dropHighlight_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void slotPressed(int number);
    void deletePressed();
    void insertPressed();
    void draggedOver(int number);
    void dropped(std::optional<std::uint8_t> parameterId);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    int slotAt(const QPoint& position) const;

    int slotCount_;
    app::Translator& translator_;
    int dropHighlight_ = 0;
};

}  // namespace kilnward::editor
