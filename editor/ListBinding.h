#pragma once

#include "editor/Binding.h"

class QComboBox;

namespace kilnward::form {
class ListItem;
}

namespace kilnward::editor {

// A drop-down list: its entries and the selected position.
class ListBinding : public Binding {
  public:
    ListBinding(form::ListItem& item, QWidget* parent);
    QWidget* widget() const override;

  protected:
    void show(form::ItemChange change) override;

  private:
    form::ListItem& list_;
    QComboBox* combo_;
};

}  // namespace kilnward::editor
