#include "editor/Binder.h"

#include <QApplication>
#include <QLabel>
#include <QSignalBlocker>

#include <stdexcept>
#include <utility>

#include "editor/CheckBinding.h"
#include "editor/FrameBinding.h"
#include "editor/LabelBinding.h"
#include "editor/ListBinding.h"
#include "editor/NumericBinding.h"
#include "editor/NumericEdit.h"
#include "editor/OptionBinding.h"
#include "editor/TabStripBinding.h"
#include "editor/TextBinding.h"
#include "editor/TreeBinding.h"
#include "form/CheckItem.h"
#include "form/Form.h"
#include "form/ListItem.h"
#include "form/MenuItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TabStripItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"

namespace kilnward::editor {

Binder::Binder(form::Form& form, ParamIcons& icons, app::Translator& translator, Hooks hooks)
    : form_(form), icons_(icons), translator_(translator), hooks_(std::move(hooks)) {}

Binder::~Binder() {
    if (listening_) {
        form_.removeListener(this);
    }
}

Binding& Binder::bind(const QString& name, int index, QWidget* parent) {
    return bind(form_.item(name, index), parent);
}

Binding& Binder::bind(form::FormItem& item, QWidget* parent) {
    if (Binding* existing = find(item)) {
        return *existing;
    }
    bindings_.push_back(make(item, parent));
    Binding& binding = *bindings_.back();
    byItem_.insert(&item, &binding);
    return binding;
}

std::unique_ptr<Binding> Binder::make(form::FormItem& item, QWidget* parent) {
    using form::ItemKind;
    switch (item.kind()) {
        case ItemKind::Numeric:
            return std::make_unique<NumericBinding>(static_cast<form::NumericItem&>(item),
                                                    translator_, parent);
        case ItemKind::List:
            return std::make_unique<ListBinding>(static_cast<form::ListItem&>(item), parent);
        case ItemKind::Check:
            return std::make_unique<CheckBinding>(static_cast<form::CheckItem&>(item), parent);
        case ItemKind::Option:
            return std::make_unique<OptionBinding>(static_cast<form::OptionItem&>(item), parent);
        case ItemKind::Text:
            return std::make_unique<TextBinding>(static_cast<form::TextItem&>(item), parent);
        case ItemKind::Tree:
            return std::make_unique<TreeBinding>(static_cast<form::TreeItem&>(item), parent, icons_,
                                                 translator_, hooks_.selectedParameter);
        case ItemKind::TabStrip:
            return std::make_unique<TabStripBinding>(static_cast<form::TabStripItem&>(item),
                                                     parent);
        case ItemKind::Frame:
            return std::make_unique<FrameBinding>(item, parent);
        case ItemKind::Label:
            return std::make_unique<LabelBinding>(item, parent);
        case ItemKind::Menu: {
            if (!menuBar_) {
                throw std::logic_error("menu entries are bound with the menu bar");
            }
            QMenu* parentMenu = nullptr;
            if (form::FormItem* container = item.container()) {
                parentMenu = static_cast<MenuBinding&>(bind(*container, nullptr)).menu();
            }
            return std::make_unique<MenuBinding>(static_cast<form::MenuItem&>(item), *menuBar_,
                                                 parentMenu, hooks_.menuCommand);
        }
    }
    throw std::logic_error("unknown item kind");
}

void Binder::bindMenus(QMenuBar& bar) {
    menuBar_ = &bar;
    for (form::FormItem* item : form_.items()) {
        if (item->kind() == form::ItemKind::Menu) {
            bind(*item, nullptr);
        }
    }
}

void Binder::pairWithBuddies() {
    for (const auto& binding : bindings_) {
        const form::FormItem& label = binding->item();
        Binding* field =
            label.kind() == form::ItemKind::Label && label.buddy() ? find(*label.buddy()) : nullptr;
        if (!field) {
            continue;
        }
        static_cast<LabelBinding&>(*binding).label().setBuddy(field->widget());
        // A field with a caption of its own (an option button) keeps its own name.
        if (field->item().caption().isEmpty()) {
            field->setCaptionSource(&label);
        }
    }
}

Binding* Binder::find(const form::FormItem& item) const {
    return byItem_.value(&item, nullptr);
}

Binding* Binder::find(const QString& name, int index) const {
    const form::FormItem* item = form_.find(name, index);
    return item ? find(*item) : nullptr;
}

std::vector<form::FormItem*> Binder::unboundItems() const {
    std::vector<form::FormItem*> unbound;
    for (form::FormItem* item : form_.items()) {
        if (!find(*item)) {
            unbound.push_back(item);
        }
    }
    return unbound;
}

void Binder::refreshAll() {
    pairWithBuddies();
    for (const auto& binding : bindings_) {
        const QSignalBlocker blocker(&binding->object());
        binding->refreshAll();
    }
    if (!listening_) {
        form_.addListener(this);
        listening_ = true;
    }
}

void Binder::itemChanged(form::FormItem& item, form::ItemChange change, form::ChangeOrigin origin) {
    if (change == form::ItemChange::Added) {
        // A model entry added to the model menu after the window was built.
        if (item.kind() == form::ItemKind::Menu && menuBar_) {
            Binding& added = bind(item, nullptr);
            const QSignalBlocker blocker(&added.object());
            added.refreshAll();
        }
        return;
    }
    if (Binding* binding = find(item)) {
        const QSignalBlocker blocker(&binding->object());
        binding->refresh(change, origin);
    }
    // New captions of labels and tabs rename the fields they name.
    if ((change == form::ItemChange::Caption && item.kind() == form::ItemKind::Label) ||
        change == form::ItemChange::Tabs) {
        for (const auto& binding : bindings_) {
            binding->refreshAccessibleName();
        }
    }
}

void Binder::windowCaptionChanged() {
    if (hooks_.captionChanged) {
        hooks_.captionChanged();
    }
}

void Binder::commitPendingEdits() {
    // A numeric field being typed in is left before its document is written, so no value
    // outside its range reaches the file.
    for (const auto& binding : bindings_) {
        if (binding->widget() && binding->widget()->hasFocus() &&
            binding->item().kind() == form::ItemKind::Numeric) {
            static_cast<NumericBinding&>(*binding).complete();
        }
    }
}

void Binder::parameterToolbarVisibilityChanged(bool visible) {
    if (hooks_.toolbarVisibilityChanged) {
        hooks_.toolbarVisibilityChanged(visible);
    }
}

}  // namespace kilnward::editor
