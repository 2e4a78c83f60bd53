#pragma once

#include <QHash>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "editor/MenuBinding.h"
#include "form/FormListener.h"

class QMenuBar;
class QWidget;

namespace kilnward::app {
class Translator;
}
namespace kilnward::form {
class Form;
}

namespace kilnward::editor {

class Binding;
class ParamIcons;

// Makes one binding per form item, chosen by the item's kind, and keeps every widget up
// to date: the form announces a change, the item's binding shows it with the widget's own
// signals blocked, so showing a value never counts as the user's edit.
class Binder : public form::FormListener {
  public:
    struct Hooks {
        // The parameter selected in the parameter list (Insert on a slot takes it).
        std::function<std::optional<std::uint8_t>()> selectedParameter;
        MenuBinding::Command menuCommand;
        std::function<void()> captionChanged;
        std::function<void(bool)> toolbarVisibilityChanged;
    };

    // The fields say in `translator`'s language why they refused what was typed.
    Binder(form::Form& form, ParamIcons& icons, app::Translator& translator, Hooks hooks);
    ~Binder() override;
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    // The binding of item `name`/`index`, made with its widget in `parent` the first time.
    Binding& bind(const QString& name, int index, QWidget* parent);
    Binding& bind(form::FormItem& item, QWidget* parent);
    // The menu bar from the form's menu entries.
    void bindMenus(QMenuBar& bar);

    // Null when the item has no binding yet.
    Binding* find(const form::FormItem& item) const;
    Binding* find(const QString& name, int index) const;
    const std::vector<std::unique_ptr<Binding>>& bindings() const { return bindings_; }
    // Items that have no binding (none once the window is built).
    std::vector<form::FormItem*> unboundItems() const;

    // Labels lead to the fields the form names as their buddies; every item's whole state
    // shown; from now on the form's changes are followed.
    void refreshAll();

    // form::FormListener
    void itemChanged(form::FormItem& item, form::ItemChange change,
                     form::ChangeOrigin origin) override;
    void windowCaptionChanged() override;
    void commitPendingEdits() override;
    void parameterToolbarVisibilityChanged(bool visible) override;

  private:
    std::unique_ptr<Binding> make(form::FormItem& item, QWidget* parent);
    void pairWithBuddies();

    form::Form& form_;
    ParamIcons& icons_;
    app::Translator& translator_;
    Hooks hooks_;
    QMenuBar* menuBar_ = nullptr;
    std::vector<std::unique_ptr<Binding>> bindings_;
    QHash<const form::FormItem*, Binding*> byItem_;
    bool listening_ = false;
};

}  // namespace kilnward::editor
