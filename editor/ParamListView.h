#pragma once

#include <QTreeWidget>

#include <cstdint>
#include <optional>

namespace kilnward::editor {

class ParamIcons;

// The tree of every catalogue parameter (trvtotparam): one node per entry with its icon,
// the source that parameters are dragged from onto the parameter slots.
class ParamListView : public QTreeWidget {
    Q_OBJECT

  public:
    ParamListView(ParamIcons& icons, QWidget* parent = nullptr);

    // One node per catalogue entry, in catalogue order; the selection is kept.
    void fill();
    // The identifier of the selected parameter, nullopt when none is selected.
    std::optional<std::uint8_t> selectedParameter() const;
    QSize sizeHint() const override;

  protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;

  private:
    ParamIcons& icons_;
};

}  // namespace kilnward::editor
