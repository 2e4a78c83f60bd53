#pragma once

#include "editor/Binding.h"

class QLineEdit;

namespace kilnward::form {
class TextItem;
}

namespace kilnward::editor {

// A text line, as wide as its maximum length suggests.
class TextBinding : public Binding {
  public:
    TextBinding(form::TextItem& item, QWidget* parent);
    QWidget* widget() const override;

  protected:
    void show(form::ItemChange change) override;

  private:
    form::TextItem& text_;
    QLineEdit* edit_;
};

}  // namespace kilnward::editor
