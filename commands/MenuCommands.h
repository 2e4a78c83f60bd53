#pragma once

#include <QHash>
#include <QString>

#include <functional>

namespace kilnward::documents {
class MainWindowSession;
}
namespace kilnward::form {
class FormItem;
}

namespace kilnward::commands {

class WindowActions;

// Maps every entry of the main window's menu bar to what it does: the document commands of
// the Profile and Data menus run here, the model menu chooses its model, and what needs a
// window goes to `WindowActions`. Menu titles and separators are no commands.
class MenuCommands {
  public:
    MenuCommands(documents::MainWindowSession& session, WindowActions& actions);

    // Runs the command of `menuItem`; false when the item is no command.
    bool trigger(const form::FormItem& menuItem);

  private:
    using Command = std::function<void(int index)>;
    void add(const char* menu, Command command);

    documents::MainWindowSession& session_;
    WindowActions& actions_;
    // By lower-case menu name; the index is the entry's index in its control array.
    QHash<QString, Command> commands_;
};

}  // namespace kilnward::commands
