#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "editor/Binding.h"

namespace kilnward::app {
class Translator;
}
namespace kilnward::form {
class TreeItem;
}

namespace kilnward::editor {

class ParamIcons;
class ParamSlotView;

// A parameter tree: its slots with text and icon, the selected slot and the drop target.
// Delete empties the selected slot, Insert sets it to the parameter selected in the
// parameter list, a drop sets the slot under the pointer to the dragged parameter.
class TreeBinding : public Binding {
  public:
    using ParameterSource = std::function<std::optional<std::uint8_t>()>;

    TreeBinding(form::TreeItem& item, QWidget* parent, ParamIcons& icons,
                app::Translator& translator, ParameterSource selectedParameter);
    QWidget* widget() const override;
    ParamSlotView& view() const { return *view_; }

  protected:
    void show(form::ItemChange change) override;

  private:
    void showNodes();
    void showSelection();
    void takeSelectedParameter();

    form::TreeItem& tree_;
    ParamSlotView* view_;
    ParamIcons& icons_;
    ParameterSource selectedParameter_;
};

}  // namespace kilnward::editor
