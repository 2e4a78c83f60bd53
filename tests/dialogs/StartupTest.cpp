// The program's start: the language loop, the command-line words, the defaults without
// Config.ini, the splash and the tip window, and the refusal of a second copy.

#include <QListWidget>
#include <QMainWindow>
#include <QUuid>

#include "app/ConfigSettings.h"
#include "app/ProgramFolder.h"
#include "dialogs/ApplicationStartup.h"
#include "dialogs/SingleInstance.h"
#include "dialogs/frmSplash.h"
#include "dialogs/frmconfig.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "tests/dialogs/DialogsFixture.h"
#include "wirelink/QtSerialCommPort.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
    QStringList refusals;
    second->setRefusalSink([&refusals](const QString& text) { refusals << text; });
    int secondWindows = 0;
    EXPECT_EQ(second->Main([&secondWindows](StartupServices&) {
        ++secondWindows;
        return MainWindows{};
    }),
              ApplicationStartup::Result::AlreadyRunning);
    EXPECT_EQ(secondWindows, 0);
    EXPECT_TRUE(waitFor([this] { return !mainWindow->isMinimized(); }));
    // The refused copy says why, naming the configuration folder the first one runs on.
    ASSERT_EQ(refusals.size(), 1);
    EXPECT_TRUE(refusals.first().startsWith("Kilnward already runs for this user"));
    EXPECT_TRUE(
        refusals.first().contains(QDir::toNativeSeparators(app::ProgramFolder::configFolder())))
        << refusals.first().toStdString();
}

// On Windows one folder has many spellings (case, separators, a trailing one); each is
// the same configuration, so a second copy started through any of them finds the first.
TEST(SingleInstanceTest, EverySpellingOfAWindowsFolderNamesOneLock) {
    using wirelink::Platform;
    const QString name = SingleInstance::InstanceName(
        "kilnward", 0, "C:/Users/Ann/AppData/Roaming/Kilnward", Platform::Windows);
    for (const char* folder :
         {"C:\\Users\\Ann\\AppData\\Roaming\\Kilnward", "c:/users/ann/appdata/roaming/kilnward/",
          "C:\\USERS\\Ann\\AppData\\Roaming\\Kilnward\\",
          "C:/Users/Ann/AppData/Roaming/Kilnward/../Kilnward"}) {
        EXPECT_EQ(SingleInstance::InstanceName("kilnward", 0, folder, Platform::Windows), name)
            << folder;
    }
    EXPECT_NE(SingleInstance::InstanceName("kilnward", 0, "C:/Users/Bob/AppData/Roaming/Kilnward",
                                           Platform::Windows),
              name);
    // Elsewhere case tells folders apart.
    EXPECT_NE(SingleInstance::InstanceName("kilnward", 0, "/tmp/Kilnward", Platform::Posix),
              SingleInstance::InstanceName("kilnward", 0, "/tmp/kilnward", Platform::Posix));
}

// One running copy per user and configuration folder: the lock's name follows both and
// nothing else (a user name missing from the environment changes nothing).
TEST(SingleInstanceTest, TheLockIsKeyedOnTheUserIdAndTheConfigurationFolder) {
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath("a/b"));
    const QString a = home.filePath("a");
    const QString name = SingleInstance::InstanceName("kilnward", 1000, a);
    const struct {
        unsigned user;
        QString folder;
        bool same;
    } cases[] = {
        {1000, a, true},
        {1000, a + "/", true},
        {1000, home.filePath("a/b/.."), true},
        {1000, home.filePath("a/b"), false},
        {1001, a, false},
        {0, a, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder.toStdString() + " user " + std::to_string(c.user));
        EXPECT_EQ(SingleInstance::InstanceName("kilnward", c.user, c.folder) == name, c.same);
    }
    EXPECT_TRUE(name.startsWith("kilnward-1000-"));
    // Short enough for a local socket's name in any runtime folder.
    EXPECT_LT(name.size(), 40);

    const QByteArray user = qgetenv("USER");
    qunsetenv("USER");
    const QString key = QStringLiteral("kilnward-test-") +
                        QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
    SingleInstance first(key, a);
    SingleInstance sameFolder(key, a + "/");
    SingleInstance otherFolder(key, home.filePath("a/b"));
    EXPECT_TRUE(first.tryRun());
    EXPECT_FALSE(sameFolder.tryRun());
    EXPECT_TRUE(otherFolder.tryRun());
    qputenv("USER", user);
}

}  // namespace
}  // namespace kilnward::dialogs
