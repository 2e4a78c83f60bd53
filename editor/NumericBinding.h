#pragma once

#include "editor/Binding.h"

class QLabel;

namespace kilnward::form {
class NumericItem;
}

namespace kilnward::editor {

class NumericEdit;

// A numeric field: its caption label and its edit. Typing hands the text to the item as
// it is typed; leaving the field lets the item bring the value into its range.
class NumericBinding : public Binding {
  public:
    NumericBinding(form::NumericItem& item, QWidget* parent);

    QWidget* widget() const override;
    QWidget* captionWidget() const override;
    NumericEdit& edit() const { return *edit_; }
    // The user leaves the field.
    void complete();

  protected:
    void show(form::ItemChange change) override;
    void showEnabled(bool enabled) override;
    void showCaption() override;

  private:
    void showText();
    void showWidth();

    form::NumericItem& numeric_;
    QLabel* caption_;
    NumericEdit* edit_;
};

}  // namespace kilnward::editor
