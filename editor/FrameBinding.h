#pragma once

#include "editor/Binding.h"

namespace kilnward::editor {

// A frame: a group box with its title, or, for the page of a tab strip, the page itself.
class FrameBinding : public Binding {
  public:
    FrameBinding(form::FormItem& item, QWidget* parent);
    QWidget* widget() const override;

  protected:
    void show(form::ItemChange /*change*/) override {}
    void showCaption() override;

  private:
    QWidget* frame_;
};

}  // namespace kilnward::editor
