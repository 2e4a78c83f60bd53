// The program's start: the language loop, the command-line words, the defaults without
// Config.ini, the splash and the tip window, and the refusal of a second copy.

#include <QListWidget>
#include <QMainWindow>
#include <QUuid>

#include "app/ConfigSettings.h"
#include "app/ProgramFolder.h"
#include "dialogs/ApplicationStartup.h"
#include "dialogs/frmSplash.h"
#include "dialogs/frmconfig.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "tests/dialogs/DialogsFixture.h"
#include "wirelink/QtSerialCommPort.h"

#include <QCheckBox>
#include <QFile>

namespace kilnward::dialogs {
namespace {

class StartupTest : public testing::DialogsTest {
  protected:
    // A start-up with its own lock, no splash wait and recorded dialogs.
    std::unique_ptr<ApplicationStartup> startup(const QStringList& arguments = {}) {
        auto made = std::make_unique<ApplicationStartup>(arguments, prompts);
        made->setInstanceKey(instanceKey);
        made->setSplashDelay(0);
        made->setLanguageDialog([this](frmconfig& dialog) { languageDialog(dialog); });
        made->setTipWindow([this](QWidget* over) { tipsShownOver.push_back(over); });
        return made;
    }
    ApplicationStartup::Result start(ApplicationStartup& program) {
        return program.Main([this](StartupServices& services) {
            servicesSeen = &services.settings;
            mainWindow = std::make_unique<QMainWindow>();
            mainWindow->show();
            return MainWindows{mainWindow.get(), nullptr, [this] { ++finishedCalls; }};
        });
    }

    QString instanceKey =
        QStringLiteral("kilnward-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    std::function<void(frmconfig&)> languageDialog = [](frmconfig&) {};
    std::vector<QWidget*> tipsShownOver;
    std::unique_ptr<QMainWindow> mainWindow;
    frmconfig* servicesSeen = nullptr;
    int finishedCalls = 0;
};

TEST_F(StartupTest, NoLanguageChosenAsksUntilOneIsStoredThenStartsInIt) {
    writeConfig("Language", "LanguageIndex", "-1");
    int asked = 0;
    languageDialog = [&asked](frmconfig& dialog) {
        ++asked;
        ASSERT_EQ(dialog.mode(), frmconfig::kLanguageMode);
        if (asked == 1) {
            return;  // closed without a choice: asked again
        }
        dialog.load();
        dialog.findChild<QListWidget*>("frmconfig!lstlang")->setCurrentRow(testing::kGerman);
        dialog.cmdOK_Click();
    };
    auto program = startup();
    ASSERT_EQ(start(*program), ApplicationStartup::Result::Started);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(readConfig("Language", "LanguageIndex"), "2");
    EXPECT_EQ(language::LangMan().LanguageIndex(), testing::kGerman);
    EXPECT_EQ(program->splash()->status(), "Fertig.");
    EXPECT_EQ(finishedCalls, 1);
}

TEST_F(StartupTest, NoUsableLanguageDatabaseStartsInEnglishInsteadOfAskingForEver) {
    writeConfig("Language", "LanguageIndex", "-1");
    ASSERT_TRUE(QFile::remove(file("Language.mdb")));
    int asked = 0;
    languageDialog = [&asked](frmconfig&) { ++asked; };
    auto program = startup();
    ASSERT_EQ(start(*program), ApplicationStartup::Result::Started);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(program->splash()->status(), "Done.");
    EXPECT_EQ(prompts.messages().front(), "Cannot find languages database.");
}

TEST_F(StartupTest, WithoutConfigIniTheDefaultsApplyAndTheTipFollowsTheSplash) {
    ASSERT_FALSE(QFile::exists(app::ConfigFilePath()));
    auto program = startup();
    ASSERT_EQ(start(*program), ApplicationStartup::Result::Started);
    EXPECT_EQ(language::LangMan().LanguageIndex(), 0);
    frmconfig& settings = program->settings();
    EXPECT_EQ(servicesSeen, &settings);
    EXPECT_EQ(settings.Serialport(), 1);
    EXPECT_EQ(settings.Port().deviceName().toStdString(),
              wirelink::QtSerialCommPort::PlatformPortName(1));
    EXPECT_EQ(settings.Baudrate(), "9600");
    EXPECT_EQ(settings.addr(), 0);
    EXPECT_EQ(app::ReadSelectedInstrumentIdSetting(), 10);

    // The main window waits, disabled, for the splash; then the tip window shows over it.
    EXPECT_FALSE(mainWindow->isEnabled());
    EXPECT_TRUE(tipsShownOver.empty());
    ASSERT_TRUE(waitFor([this] { return !tipsShownOver.empty(); }));
    EXPECT_EQ(tipsShownOver.front(), mainWindow.get());
    EXPECT_TRUE(mainWindow->isEnabled());
    EXPECT_FALSE(program->splash()->isVisible());
}

TEST_F(StartupTest, TipsSwitchedOffAreNotShownAfterTheSplash) {
    writeConfig("General", "ShowTips", "0");
    auto program = startup();
    ASSERT_EQ(start(*program), ApplicationStartup::Result::Started);
    ASSERT_TRUE(waitFor([this] { return mainWindow->isEnabled(); }));
    EXPECT_TRUE(tipsShownOver.empty());
}

TEST_F(StartupTest, CommandLineWordsAreExactAndCaseSensitive) {
    struct Case {
        QStringList arguments;
        bool create;
        bool debug;
    };
    const Case cases[] = {
        {{"create", "debug"}, true, true},
        {{"create debug"}, true, true},
        {{"debug"}, false, true},
        {{"Create", "DEBUG"}, false, false},
        {{"created", "debugging"}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        auto program = startup(c.arguments);
        EXPECT_EQ(program->flags().CreateMode, c.create);
        EXPECT_EQ(program->flags().DebugMode, c.debug);
        // "debug" is what lets the user change the infrared choice.
        frmconfig& settings = program->settings();
        settings.load();
        EXPECT_EQ(settings.findChild<QCheckBox*>("frmconfig!chkinfrared")->isEnabled(), c.debug);
    }
}

TEST_F(StartupTest, ASecondCopyIsRefusedAndBringsTheFirstToTheFront) {
    auto first = startup();
    ASSERT_EQ(start(*first), ApplicationStartup::Result::Started);
    mainWindow->showMinimized();

    auto second = startup();
    int secondWindows = 0;
    EXPECT_EQ(second->Main([&secondWindows](StartupServices&) {
        ++secondWindows;
        return MainWindows{};
    }),
              ApplicationStartup::Result::AlreadyRunning);
    EXPECT_EQ(secondWindows, 0);
    EXPECT_TRUE(waitFor([this] { return !mainWindow->isMinimized(); }));
}

}  // namespace
}  // namespace kilnward::dialogs
