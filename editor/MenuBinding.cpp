#include "editor/MenuBinding.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <utility>

#include "form/MenuItem.h"

namespace kilnward::editor {

namespace {

QObject& MakeMenuObject(form::MenuItem& item, QMenuBar& bar, QMenu* parentMenu) {
    if (!parentMenu) {
        auto* menu = new QMenu(&bar);
        bar.addMenu(menu);
        return *menu;
    }
    auto* action = new QAction(parentMenu);
    action->setSeparator(item.isSeparator());
    parentMenu->addAction(action);
    return *action;
}

}  // namespace

MenuBinding::MenuBinding(form::MenuItem& item, QMenuBar& bar, QMenu* parentMenu, Command command)
    : Binding(item, MakeMenuObject(item, bar, parentMenu)), entry_(item) {
    menu_ = qobject_cast<QMenu*>(&object());
    action_ = menu_ ? menu_->menuAction() : static_cast<QAction*>(&object());
    if (menu_) {
        return;
    }
    if (!item.shortcut().isEmpty()) {
        action_->setShortcut(QKeySequence(item.shortcut()));
    }
    // The model entries are the checkable ones ("xI" + model).
    action_->setCheckable(item.tag().startsWith(QLatin1String("xI")));
    QObject::connect(action_, &QAction::triggered, action_, [this, command = std::move(command)] {
        if (command) {
            command(entry_);
        }
        // A checkable action ticks itself when triggered; the form's entry decides (the
        // model already chosen stays checked, a cancelled choice leaves the old model's mark).
        if (action_->isCheckable()) {
            action_->setChecked(entry_.checked());
        }
    });
}

void MenuBinding::show(form::ItemChange change) {
    if (change == form::ItemChange::Checked) {
        action_->setChecked(entry_.checked());
    }
}

void MenuBinding::showEnabled(bool enabled) {
    action_->setEnabled(enabled);
}

void MenuBinding::showVisible(bool visible) {
    action_->setVisible(visible);
}

void MenuBinding::showCaption() {
    if (menu_) {
        menu_->setTitle(entry_.caption());
    } else if (!entry_.isSeparator()) {
        action_->setText(entry_.caption());
    }
}

void MenuBinding::setAccessibleName(const QString& name) {
    if (menu_) {
        menu_->setAccessibleName(name);
    }
    action_->setToolTip(name);
}

}  // namespace kilnward::editor
