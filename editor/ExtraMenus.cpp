#include "editor/ExtraMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <map>

#include "commands/MenuCommands.h"
#include "documents/ControlKey.h"
#include "editor/CommandShortcuts.h"
#include "form/Form.h"
#include "form/MenuItem.h"

namespace kilnward::editor {

namespace {

QString Key(const char* key) {
    return QString::fromLatin1(key).toLower();
}

}  // namespace

ExtraMenus::ExtraMenus(QMenuBar& bar, commands::MenuCommands& commands, const form::Form& form)
    : commands_(commands) {
    const auto formMenu = [&bar, &form](const char* name) {
        return bar.findChild<QMenu*>(documents::ControlKey(form.menu(QLatin1String(name))));
    };
    // Where each menu's entries go: the menu, and the entry they go in front of.
    std::map<commands::CommandMenu, std::pair<QMenu*, QAction*>> places;
    for (const commands::WindowMenu& place : commands::WindowMenus()) {
        QMenu* configuration = formMenu(place.formMenu);
        if (!place.key) {
            QAction* before = place.before ? bar.findChild<QAction*>(documents::ControlKey(
                                                 form.menu(QLatin1String(place.before))))
                                           : nullptr;
            places[place.menu] = {configuration, before};
            continue;
        }
        auto* menu = new QMenu(&bar);
        menu->setObjectName(QLatin1String(place.key));
        if (configuration) {
            bar.insertMenu(configuration->menuAction(), menu);
        } else {
            bar.addMenu(menu);
        }
        menus_.insert(Key(place.key), menu);
        places[place.menu] = {menu, nullptr};
    }
    for (const commands::WindowCommand& command : commands::WindowCommands()) {
        const auto [menu, before] = places.at(command.menu);
        if (command.separatorBefore) {
            menu->insertSeparator(before);
        }
        auto* action = new QAction(menu);
        action->setObjectName(QLatin1String(command.key));
        action->setShortcuts(CommandShortcuts(command.keys));
        action->setCheckable(command.checkable);
        menu->insertAction(before, action);
        const QString key = Key(command.key);
        QObject::connect(action, &QAction::triggered, action,
                         [this, key] { commands_.trigger(key); });
        actions_.insert(key, action);
    }
    commands_.setListener([this](const QString& key) { show(key); });
    for (const QString& key : menus_.keys() + actions_.keys()) {
        show(key);
    }
}

void ExtraMenus::retranslate() {
    commands_.retranslate();
}

void ExtraMenus::show(const QString& key) {
    if (QMenu* menu = menus_.value(key)) {
        menu->setTitle(commands_.caption(key));
    } else if (QAction* action = actions_.value(key)) {
        action->setText(commands_.caption(key));
        action->setEnabled(commands_.enabled(key));
    }
}

}  // namespace kilnward::editor
