// Where the program reads its shipped files and writes the user's files, in the portable
// and the installed layout.

#include "app/ProgramLayout.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "TempFolder.h"
#include "app/ProgramFolder.h"

using kilnward::app::ProgramFolder;
using kilnward::app::ProgramLayout;

namespace {

class ProgramLayoutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir().mkpath(dir.path("portable"));
        dir.write("portable/Param.ini", "[Params]\n");
        QDir().mkpath(dir.path("usr/bin"));
    }
    QString portable() const { return dir.path("portable"); }
    QString installedBin() const { return dir.path("usr/bin"); }
    TempFolder dir;
};

TEST_F(ProgramLayoutTest, AFolderHoldingParamIniHoldsEverything) {
    const ProgramLayout layout = ProgramLayout::Resolve({}, {}, portable(), "/home/u/.config/k");
    EXPECT_EQ(layout.dataFolder, portable() + "/");
    EXPECT_EQ(layout.configFolder, portable() + "/");
    EXPECT_TRUE(layout.portable);
}

TEST_F(ProgramLayoutTest, TheOptionWinsOverTheVariableAndTheVariableOverTheExecutable) {
    EXPECT_EQ(ProgramLayout::Resolve("/opt/a", "/opt/b", portable(), "/c").dataFolder, "/opt/a/");
    const ProgramLayout fromVariable = ProgramLayout::Resolve({}, "/opt/b", portable(), "/c");
    EXPECT_EQ(fromVariable.dataFolder, "/opt/b/");
    EXPECT_EQ(fromVariable.configFolder, "/opt/b/");
}

TEST_F(ProgramLayoutTest, InstalledDataComesFromShareAndUserFilesFromTheConfigFolder) {
    const ProgramLayout layout =
        ProgramLayout::Resolve({}, {}, installedBin(), "/home/u/.config/kilnward");
    EXPECT_EQ(layout.dataFolder, dir.path("usr/share/kilnward/"));
    EXPECT_EQ(layout.configFolder, "/home/u/.config/kilnward/");
    EXPECT_FALSE(layout.portable);
}

// An installed Windows copy keeps the shipped files in its program folder, which the user
// cannot write: Config.ini goes to the user's application-data folder instead.
TEST_F(ProgramLayoutTest, AProgramFolderThatCannotBeWrittenSendsTheUserFilesToTheConfigFolder) {
    const QString appData = "C:/Users/Ann/AppData/Roaming/Kilnward";
    const ProgramLayout installed = ProgramLayout::Resolve({}, {}, portable(), appData, false);
    EXPECT_EQ(installed.dataFolder, portable() + "/");
    EXPECT_EQ(installed.configFolder, appData + "/");
    EXPECT_FALSE(installed.portable);
    // A folder chosen explicitly is the user's own choice and stays whole.
    EXPECT_TRUE(ProgramLayout::Resolve(portable(), {}, portable(), appData, false).portable);
}

TEST(UserConfigFolderTest, IsKilnwardInTheApplicationDataFolderOnWindows) {
    using wirelink::Platform;
    struct Case {
        Platform platform;
        const char* appData;
        const char* genericConfig;
        const char* folder;
    };
    for (const Case& c : {
             Case{Platform::Windows, "C:\\Users\\Ann\\AppData\\Roaming",
                  "C:/Users/Ann/AppData/Local", "C:/Users/Ann/AppData/Roaming/Kilnward"},
             Case{Platform::Windows, "C:\\Users\\Ann\\AppData\\Roaming\\",
                  "C:/Users/Ann/AppData/Local", "C:/Users/Ann/AppData/Roaming/Kilnward"},
             Case{Platform::Windows, "", "C:/Users/Ann/AppData/Local",
                  "C:/Users/Ann/AppData/Local/kilnward"},
             Case{Platform::Posix, "C:\\Users\\Ann", "/home/ann/.config",
                  "/home/ann/.config/kilnward"},
         }) {
        EXPECT_EQ(ProgramLayout::UserConfigFolder(c.platform, QString::fromUtf8(c.appData),
                                                  QString::fromUtf8(c.genericConfig)),
                  c.folder)
            << c.appData;
    }
}

TEST_F(ProgramLayoutTest, AFolderAcceptsWritesOnlyWhenAFileCanBeCreatedInIt) {
    EXPECT_TRUE(ProgramFolder::acceptsWrites(portable()));
    EXPECT_FALSE(ProgramFolder::acceptsWrites(dir.path("missing")));
    EXPECT_FALSE(ProgramFolder::acceptsWrites(dir.path("portable/Param.ini")));
    EXPECT_FALSE(ProgramFolder::acceptsWrites({}));
    // Trying leaves nothing behind.
    EXPECT_EQ(QDir(portable()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"Param.ini"});
}

// The window and the command-line tools run under different application names but must
// share one Config.ini.
TEST_F(ProgramLayoutTest, TheUserConfigFolderDoesNotFollowTheApplicationName) {
    const QByteArray before = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.folder().toUtf8());
    const QString nameBefore = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("kilnward-cli");
    const QString forCli = ProgramFolder::userConfigFolder();
    QCoreApplication::setApplicationName("Kilnward");
    const QString forWindow = ProgramFolder::userConfigFolder();
    QCoreApplication::setApplicationName(nameBefore);
    if (before.isEmpty()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", before);
    }
    EXPECT_EQ(forCli, dir.path("kilnward"));
    EXPECT_EQ(forWindow, forCli);
}

}  // namespace
