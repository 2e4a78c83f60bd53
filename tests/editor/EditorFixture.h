#pragma once

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "app/ScriptedPrompts.h"
#include "editor/EditorApp.h"

class QDialog;
class QTabWidget;
class QWidget;

namespace kilnward::documents {
class MainWindowSession;
}
namespace kilnward::form {
class Form;
}

namespace kilnward::editor {
class Binding;
class MainWindow;
}  // namespace kilnward::editor

namespace kilnward::editor::testing {

// The editor as the program starts it, in a program folder of its own (a copy of the
// shipped data), with scripted answers instead of message boxes.
class EditorFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    MainWindow& window();
    documents::MainWindowSession& session();
    form::Form& form();
    Binding& binding(const QString& name, int index = -1);
    // The widget of item `name`/`index`, found by its object name like UI automation does.
    template <typename W>
    W* widget(const QString& name, int index = -1);
    QWidget* namedWidget(const QString& key);
    // Chooses a model through its entry of the model menu.
    void chooseModel(int model);
    // Selects tab `tab` of the tab strip `name` as the user does.
    void clickTab(const QString& name, int tab);
    // Runs `action` on the next modal dialog once it shows.
    static void whenModal(std::function<void(QDialog&)> action);
    // The user leaves the field `edit`.
    static void leave(QWidget* edit);
    // Triggers the window's menu entry `frmMain!name`, which must be enabled.
    void trigger(const char* name);
    // Through the menu: the simulated analyser at 115200 baud, address `address`.
    void chooseSimulator(int address);
    // A menu transfer answered Yes; the dialog closed after. The outcome line.
    QString transferThroughMenu(const char* name);

    QTemporaryDir folder;
    app::ScriptedPrompts prompts;
    std::unique_ptr<EditorApp> editor;
};

template <typename W>
W* EditorFixture::widget(const QString& name, int index) {
    QString key = QStringLiteral("frmMain!") + name;
    if (index >= 0) {
        key += QStringLiteral("#%1").arg(index);
    }
    return qobject_cast<W*>(namedWidget(key));
}

}  // namespace kilnward::editor::testing
