#pragma once

#include <functional>

#include "editor/Binding.h"

class QAction;
class QMenu;
class QMenuBar;

namespace kilnward::form {
class MenuItem;
}

namespace kilnward::editor {

// A menu of the menu bar (an entry without a container) or an entry of a menu: caption,
// shortcut, enabled, visible and checked state. Choosing an entry runs its command.
class MenuBinding : public Binding {
  public:
    using Command = std::function<void(form::MenuItem&)>;

    // A top-level menu when `parentMenu` is null, else an entry of it.
    MenuBinding(form::MenuItem& item, QMenuBar& bar, QMenu* parentMenu, Command command);
    // The menu this binding shows, null for an entry.
    QMenu* menu() const { return menu_; }
    QAction& action() const { return *action_; }

  protected:
    void show(form::ItemChange change) override;
    void showEnabled(bool enabled) override;
    void showVisible(bool visible) override;
    void showCaption() override;
    void setAccessibleName(const QString& name) override;

  private:
    form::MenuItem& entry_;
    QMenu* menu_ = nullptr;
    QAction* action_ = nullptr;
};

}  // namespace kilnward::editor
