#pragma once

#include "editor/Binding.h"

class QCheckBox;

namespace kilnward::form {
class CheckItem;
}

namespace kilnward::editor {

// A check box: unchecked, checked, or grey (a state only data can set).
class CheckBinding : public Binding {
  public:
    CheckBinding(form::CheckItem& item, QWidget* parent);
    QWidget* widget() const override;

  protected:
    void show(form::ItemChange change) override;
    void showCaption() override;

  private:
    form::CheckItem& check_;
    QCheckBox* box_;
};

}  // namespace kilnward::editor
