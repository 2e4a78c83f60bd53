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
