#pragma once

#include "editor/Binding.h"

class QRadioButton;

namespace kilnward::form {
class OptionItem;
}

namespace kilnward::editor {

// An option button. The form clears the other options of the pair, so the button does not
// group itself.
class OptionBinding : public Binding {
  public:
    OptionBinding(form::OptionItem& item, QWidget* parent);
    QWidget* widget() const override;

  protected:
    void show(form::ItemChange change) override;
    void showCaption() override;

  private:
    form::OptionItem& option_;
    QRadioButton* button_;
};

}  // namespace kilnward::editor
