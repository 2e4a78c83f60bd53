#pragma once

#include "editor/Binding.h"

class QLabel;

namespace kilnward::editor {

// A label: its caption, with the access key that moves to its field.
class LabelBinding : public Binding {
  public:
    LabelBinding(form::FormItem& item, QWidget* parent);
    QWidget* widget() const override;
    QLabel& label() const { return *label_; }

  protected:
    void show(form::ItemChange /*change*/) override {}
    void showCaption() override;

  private:
    QLabel* label_;
};

}  // namespace kilnward::editor
