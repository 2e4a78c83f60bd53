#include "app/ConfigSettings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "TempFolder.h"
#include "app/Notices.h"
#include "app/ProgramFolder.h"
#include "app/SerialSettings.h"
#include "app/StartupFlags.h"

using namespace kilnward::app;

class ConfigSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { ProgramFolder::set(dir.folder()); }
    void TearDown() override { ProgramFolder::reset(); }
    TempFolder dir;
};

TEST_F(ConfigSettingsTest, DefaultsWithoutConfigIni) {
    EXPECT_EQ(ConfigFilePath(), dir.path("Config.ini"));
    EXPECT_EQ(ReadLanguageIndexSetting(), 0);
    // The "Serial" keys' defaults: SerialSettingsTest.
    EXPECT_EQ(ReadSelectedInstrumentIdSetting(), 10);
    EXPECT_TRUE(ReadShowTipsSetting());
    EXPECT_TRUE(AskForSaveEnabled());
    EXPECT_EQ(ReadConfigValue(config::AskForSave), "10");
}

TEST_F(ConfigSettingsTest, WrittenValuesAreSeenByTheNextReader) {
    ASSERT_TRUE(WriteConfigValue(config::LanguageIndex, "-1"));
    EXPECT_EQ(ReadLanguageIndexSetting(), -1);
    WriteConfigValue(config::ShowTips, "0");
    EXPECT_FALSE(ReadShowTipsSetting());
    WriteConfigValue(config::InstrumentIDselected, "19");
    EXPECT_EQ(ReadSelectedInstrumentIdSetting(), 19);
    EXPECT_EQ(ReadConfigValue("general", "instrumentidselected", "?"), "19");
    dir.write("Config.ini", "[General]\nAskForSave=NO\n[Serial]\nAddr=99\nSerialport=3\n");
    EXPECT_FALSE(AskForSaveEnabled());
    EXPECT_EQ(SerialSettings::Load(false).address, 99);
    EXPECT_EQ(SerialSettings::Load(false).port.number(), 3);
}

TEST_F(ConfigSettingsTest, OnlyWritingASettingCreatesTheConfigurationFolder) {
    const QString folder = dir.path("not/yet");
    ProgramFolder::set(folder);
    EXPECT_EQ(ReadConfigValue(config::ShowTips), "1");
    EXPECT_EQ(SerialSettings::Load(false).port.number(), 1);
    EXPECT_FALSE(QFileInfo::exists(dir.path("not")));
    ASSERT_TRUE(WriteConfigValue(config::ShowTips, "0"));
    EXPECT_TRUE(QFileInfo(folder + "/Config.ini").isFile());
    EXPECT_FALSE(ReadShowTipsSetting());
}

TEST_F(ConfigSettingsTest, AskForSaveOnlyNoInCapitalsSwitchesTheQuestionOff) {
    dir.write("Config.ini", "[General]\nAskForSave=no\n");
    EXPECT_TRUE(AskForSaveEnabled());
}

TEST(ProgramFolder, ExplicitFolderWinsAndResets) {
    ProgramFolder::set("/some/where");
    EXPECT_EQ(ProgramFolder::dataFile("Param.ini"), "/some/where/Param.ini");
    EXPECT_EQ(ProgramFolder::configFile("Config.ini"), "/some/where/Config.ini");
    ProgramFolder::reset();
    EXPECT_NE(ProgramFolder::dataFolder(), "/some/where/");
}

TEST(StartupFlags, CreateAndDebugAreExactWords) {
    const auto both = StartupFlags::fromArguments({"create", "debug"});
    EXPECT_TRUE(both.CreateMode);
    EXPECT_TRUE(both.DebugMode);
    const auto oneArgument = StartupFlags::fromArguments({"create debug"});
    EXPECT_TRUE(oneArgument.CreateMode);
    EXPECT_TRUE(oneArgument.DebugMode);
    const auto otherCase = StartupFlags::fromArguments({"Create", "DEBUG", "created", "-debug"});
    EXPECT_FALSE(otherCase.CreateMode);
    EXPECT_FALSE(otherCase.DebugMode);
    EXPECT_FALSE(StartupFlags::fromArguments({}).CreateMode);
}

TEST(ProgramFolder, EnvironmentThenExecutableFolderHoldingParamIni) {
    TempFolder home;
    qputenv("KILNWARD_HOME", home.folder().toUtf8());
    EXPECT_EQ(ProgramFolder::dataFolder(), home.folder() + "/");
    EXPECT_EQ(ProgramFolder::configFolder(), home.folder() + "/");
    ProgramFolder::set("/explicit");
    EXPECT_EQ(ProgramFolder::dataFolder(), "/explicit/");
    ProgramFolder::reset();
    qunsetenv("KILNWARD_HOME");
    // The tests run beside the built program, whose folder holds the shipped Param.ini.
    const QString exeFolder = QFileInfo("/proc/self/exe").canonicalPath();
    ASSERT_TRUE(QFileInfo(exeFolder + "/Param.ini").isFile());
    EXPECT_EQ(ProgramFolder::dataFolder(), exeFolder + "/");
}

TEST_F(ConfigSettingsTest, AStoredModelThatIsNoNumberIsToldAndTheDefaultUsed) {
    std::vector<QString> told;
    SetNoticeSink([&told](const QString& text) { told.push_back(text); });
    dir.write("Config.ini", "[General]\nInstrumentIDselected=Harrier\n");
    EXPECT_EQ(ReadSelectedInstrumentIdSetting(), 10);
    SetNoticeSink({});
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], dir.path("Config.ini") +
                           ": [General] InstrumentIDselected=\"Harrier\" is not a model number; "
                           "model 10 is used");
}

TEST(ProgramFolder, AFolderWithAnyShippedFileIsTheProgramFolder) {
    TempFolder folder;
    EXPECT_FALSE(ProgramFolder::holdsProgramData(folder.folder()));
    folder.write("Config.ini", "[General]\n");  // the user's settings are not shipped data
    EXPECT_FALSE(ProgramFolder::holdsProgramData(folder.folder()));
    for (const char* name : {"Param.ini", "Language.mdb", "Default.cf1", "Default.sr1"}) {
        TempFolder shipped;
        shipped.write(name, "x");
        EXPECT_TRUE(ProgramFolder::holdsProgramData(shipped.folder())) << name;
    }
    // A folder named like a shipped file does not count.
    QDir(folder.folder()).mkdir("Language.mdb");
    EXPECT_FALSE(ProgramFolder::holdsProgramData(folder.folder()));
}
