#include "tests/editor/EditorFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include <stdexcept>

#include "app/ProgramFolder.h"
#include "dialogs/frmadvance.h"
#include "dialogs/frmconfig.h"
#include "documents/MainWindowSession.h"
#include "documents/MessageBoxes.h"
#include "editor/Binder.h"
#include "editor/MainWindow.h"
#include "editor/StatusLine.h"
#include "form/MenuItem.h"
#include "form/ModelMenu.h"
#include "tests/support/BinFolder.h"

namespace kilnward::editor::testing {

namespace {

// Widgets need a QApplication, made once for the whole test binary on the offscreen
// platform.
class WidgetApplication : public ::testing::Environment {
  public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QApplication::instance()) {
            app_ = std::make_unique<QApplication>(argc_, argv_);
        }
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[16] = "editor-tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const kApplication =
    ::testing::AddGlobalTestEnvironment(new WidgetApplication);

void CopyShippedData(const QString& to) {
    const QDir bin(test::BinFolder());
    QDirIterator files(
        bin.path(),
        {"*.ini", "*.cf1", "*.fu1", "*.hd1", "*.la1", "*.sr1", "*.cfg", "*.mdb", "*.svg"},
        QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = bin.relativeFilePath(path);
        if (relative == QLatin1String("Config.ini")) {
            continue;
        }
        QDir(to).mkpath(QFileInfo(relative).path());
        QFile::copy(path, QDir(to).filePath(relative));
    }
}

}  // namespace

void EditorFixture::SetUp() {
    ASSERT_TRUE(folder.isValid());
    CopyShippedData(folder.path());
    app::ProgramFolder::set(folder.path());
    EditorApp::Options options;
    options.prompts = &prompts;
    options.restoresGeometry = false;
    editor = std::make_unique<EditorApp>(options);
    window().show();
    prompts.clear();
}

void EditorFixture::TearDown() {
    editor.reset();
    app::ProgramFolder::reset();
}

MainWindow& EditorFixture::window() {
    return editor->window();
}

documents::MainWindowSession& EditorFixture::session() {
    return editor->session();
}

form::Form& EditorFixture::form() {
    return session().window().form();
}

Binding& EditorFixture::binding(const QString& name, int index) {
    Binding* found = window().binder().find(name, index);
    if (!found) {
        throw std::out_of_range("no binding");
    }
    return *found;
}

QWidget* EditorFixture::namedWidget(const QString& key) {
    return window().findChild<QWidget*>(key);
}

void EditorFixture::chooseModel(int model) {
    for (form::FormItem* entry : form().members(QStringLiteral("mnuinstrumentname"))) {
        if (form::ModelMenu::EntryModel(static_cast<form::MenuItem&>(*entry)) == model) {
            const QString key = QStringLiteral("frmMain!mnuinstrumentname#%1").arg(entry->index());
            auto* action = window().findChild<QAction*>(key);
            ASSERT_NE(action, nullptr) << key.toStdString();
            action->trigger();
            return;
        }
    }
    FAIL() << "model " << model << " not offered";
}

void EditorFixture::clickTab(const QString& name, int tab) {
    auto* strip = widget<QTabWidget>(name);
    ASSERT_NE(strip, nullptr);
    strip->setCurrentIndex(tab);
}

void EditorFixture::leave(QWidget* edit) {
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &event);
}

void EditorFixture::trigger(const char* name) {
    auto* action = window().findChild<QAction*>(QStringLiteral("frmMain!") + name);
    ASSERT_NE(action, nullptr) << name;
    EXPECT_TRUE(action->isEnabled()) << name;
    action->trigger();
}

void EditorFixture::chooseSimulator(int address) {
    app::Translator& translator = session().messageBoxes().translator();
    whenModal([address, &translator](QDialog& shown) {
        auto* port = shown.findChild<QComboBox*>(QStringLiteral("frmconfig!lstport"));
        auto* baud = shown.findChild<QComboBox*>(QStringLiteral("frmconfig!cbobaud"));
        auto* addr = shown.findChild<QSpinBox*>(QStringLiteral("frmconfig!TDBnumaddress"));
        ASSERT_TRUE(port && baud && addr);
        port->setCurrentIndex(port->findText(app::PortChoice::SimulatedCaption(translator)));
        baud->setCurrentIndex(baud->findText(QStringLiteral("115200")));
        addr->setValue(address);
        dynamic_cast<dialogs::frmconfig&>(shown).cmdOK_Click();
    });
    trigger("mnuconfigureserial");
}

QString EditorFixture::transferThroughMenu(const char* name) {
    prompts.queueAnswer(app::PromptAnswer::Yes);
    trigger(name);
    dialogs::frmadvance* dialog = window().transferDialog();
    if (!dialog) {
        ADD_FAILURE() << "no transfer dialog";
        return {};
    }
    EXPECT_FALSE(window().isEnabled());
    dialog->cmdAbort_Click();
    EXPECT_TRUE(window().isEnabled());
    return window().statusLine().outcomeText();
}

}  // namespace kilnward::editor::testing

namespace kilnward::editor::testing {

void EditorFixture::whenModal(std::function<void(QDialog&)> action) {
    auto* watch = new QTimer(QApplication::instance());
    watch->setInterval(1);
    QObject::connect(watch, &QTimer::timeout, [watch, action = std::move(action)] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            watch->stop();
            watch->deleteLater();
            action(*dialog);
        }
    });
    watch->start();
}

}  // namespace kilnward::editor::testing
