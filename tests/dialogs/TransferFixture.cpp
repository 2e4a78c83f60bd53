#include "tests/dialogs/TransferFixture.h"

#include <QTimer>

#include "app/Catalogue.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"

namespace kilnward::dialogs::testing {

void TransferDialogTest::SetUp() {
    DialogsTest::SetUp();
    writeConfig("Serial", "Serialport", "simulator");
    writeConfig("Serial", "Baudrate", "115200");
    writeConfig("General", "InstrumentIDselected", QString::number(kModel));
    app::LoadInstrumentList();
    session = std::make_unique<documents::MainWindowSession>(windowPrompts, language::LangMan());
    session->load(app::InstrumentList());
    ASSERT_EQ(session->window().selectedInstrumentId(), kModel);
    settings = std::make_unique<frmconfig>(languages(), false, false);
    simulated = std::make_unique<transfer::SimulatedAnalysers>([](std::uint8_t type) {
        return transfer::SimulatedAnalysers::DefaultConfigurationImage(type, languages());
    });
    mainWindow = std::make_unique<QMainWindow>();
    toolbar = std::make_unique<QWidget>();
    mainWindow->show();
    toolbar->show();
    dialog = std::make_unique<frmadvance>(*session, languages(), settings->serial(), *simulated,
                                          std::vector<QWidget*>{mainWindow.get(), toolbar.get()});
    dialog->setWait([this](int ms) { waits.push_back(ms); });
    windowPrompts.clear();
}

void TransferDialogTest::TearDown() {
    dialog.reset();
    session.reset();
    settings.reset();
    // A test may leave windows registered with the language manager as children of the main
    // window (a link trace it owns): they go with it, before the manager does.
    toolbar.reset();
    mainWindow.reset();
    DialogsTest::TearDown();
}

void TransferDialogTest::whenProgressPasses(int percent, std::function<void()> action) {
    auto* watch = new QTimer(dialog.get());
    watch->setInterval(1);
    QObject::connect(watch, &QTimer::timeout, dialog.get(), [this, watch, percent, action] {
        if (dialog->progress() > percent) {
            watch->stop();
            action();
        }
    });
    watch->start();
}

}  // namespace kilnward::dialogs::testing
