#include "app/ProfileFunctions.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include "TempFolder.h"
#include "app/Notices.h"
#include "tests/support/NamedPipe.h"

using namespace kilnward::app;

TEST(ProfileFunctions, ReadGivesDefaultForMissingFileOrKey) {
    TempFolder dir;
    EXPECT_EQ(ReadIniValue(dir.path("none.ini"), "S", "k", "dflt"), "dflt");
    const QString file = dir.write("a.ini", "[S]\nk=v\n");
    EXPECT_EQ(ReadIniValue(file, "s", "K", "dflt"), "v");
    EXPECT_EQ(ReadIniValue(file, "S", "other", "dflt"), "dflt");
}

TEST(ProfileFunctions, KeyLineWithoutEqualsSignHasNoValue) {
    TempFolder dir;
    const QString file = dir.write("a.ini", "[S]\nbare\nempty=\n");
    EXPECT_EQ(ReadIniValue(file, "S", "bare", "dflt"), "dflt");
    EXPECT_EQ(ReadIniValue(file, "S", "empty", "dflt"), "");
}

TEST(ProfileFunctions, LongValuesComeBackCutTo2046Characters) {
    TempFolder dir;
    const QByteArray longValue(3000, 'x');
    const QString file =
        dir.write("a.ini", "[S]\nlong=" + longValue + "\nok=" + QByteArray(2046, 'y') + "\n");
    EXPECT_EQ(ReadIniValue(file, "S", "long", "").size(), 2046);
    EXPECT_EQ(ReadIniValue(file, "S", "ok", ""), QString(2046, 'y'));
}

TEST(ProfileFunctions, WriteKeepsTheRestAndCreatesMissingFiles) {
    TempFolder dir;
    const QString file = dir.write("a.ini", "[One]\r\na=1\r\n[Two]\r\nb=2\r\n");
    ASSERT_TRUE(WriteIniValue(file, "one", "A", "  new  "));
    // The blanks around the value are kept in quotes and read back.
    EXPECT_EQ(dir.read("a.ini"), QByteArray("[One]\r\nA=\"  new  \"\r\n[Two]\r\nb=2\r\n"));
    EXPECT_EQ(ReadIniValue(file, "One", "a", ""), "  new  ");

    const QString fresh = dir.path("fresh.ini");
    ASSERT_TRUE(WriteIniValue(fresh, "S", "k", "v"));
    EXPECT_EQ(ReadIniValue(fresh, "S", "k", ""), "v");
}

TEST(ProfileFunctions, TextIsReadAsUtf8OrWindows1252AndWrittenAs1252) {
    TempFolder dir;
    const QString utf8 = dir.write("u.ini", "[S]\nk=Temp\xc3\xa9rature\n");
    const QString cp1252 = dir.write("w.ini", "[S]\nk=Temp\xe9rature \x80\n");
    EXPECT_EQ(ReadIniValue(utf8, "S", "k", ""), QString::fromUtf8("Temp\u00e9rature"));
    EXPECT_EQ(ReadIniValue(cp1252, "S", "k", ""), QString::fromUtf8("Temp\u00e9rature \u20ac"));

    ASSERT_TRUE(WriteIniValue(utf8, "S", "other", "x"));
    EXPECT_EQ(dir.read("u.ini"), QByteArray("[S]\r\nk=Temp\xe9rature\r\nother=x\r\n"));
}

TEST(ProfileFunctions, SectionReadReturnsNulSeparatedEntries) {
    TempFolder dir;
    const QString file = dir.write("p.ini", "[Parameters]\n a = 1 \n\nb=2\n[Other]\nc=3\n");
    EXPECT_EQ(ReadIniSection(file, "parameters", 2047),
              QString("a=1") + QChar(0) + "b=2" + QChar(0));
    EXPECT_TRUE(ReadIniSection(file, "Missing", 2047).isEmpty());
    EXPECT_TRUE(ReadIniSection(dir.path("none.ini"), "Parameters", 2047).isEmpty());
}

TEST(ProfileFunctions, SectionReadIsCutToTheBuffer) {
    TempFolder dir;
    QByteArray text = "[P]\n";
    for (int i = 0; i < 300; ++i) {
        text += "Entry" + QByteArray::number(i) + "=" + QByteArray::number(i) + ",x\n";
    }
    const QString file = dir.write("p.ini", text);
    const QString section = ReadIniSection(file, "P", 2047);
    EXPECT_EQ(section.size(), 2045);
    EXPECT_TRUE(section.startsWith(QString("Entry0=0,x") + QChar(0)));
    // Exactly fitting text (plus its closing NUL) is not cut.
    const QString small = dir.write("s.ini", "[P]\nab=c\n");
    EXPECT_EQ(ReadIniSection(small, "P", 6).size(), 5);
    EXPECT_EQ(ReadIniSection(small, "P", 5).size(), 3);
}

// Files that are not what a profile file can be: read as missing, told once naming the file,
// never replaced by a write of one key.
class UnusableProfileFile : public ::testing::Test {
  protected:
    void SetUp() override {
        SetNoticeSink([this](const QString& text) { told.push_back(text); });
    }
    void TearDown() override { SetNoticeSink({}); }
    std::vector<QString> told;
    TempFolder dir;
};

TEST_F(UnusableProfileFile, AHugeFileIsNeitherReadNorOverwritten) {
    const QByteArray huge = "[S]\nk=v\n" + QByteArray(2 << 20, ';');
    const QString file = dir.write("Config.ini", huge);
    EXPECT_EQ(ReadIniValue(file, "S", "k", "dflt"), "dflt");
    EXPECT_EQ(ReadIniValue(file, "S", "other", "dflt"), "dflt");
    EXPECT_TRUE(ReadIniSection(file, "S", 2047).isEmpty());
    EXPECT_FALSE(WriteIniValue(file, "S", "k", "new"));
    EXPECT_EQ(dir.read("Config.ini"), huge);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], file + ": not read: it is larger than 1024 KiB");
}

TEST_F(UnusableProfileFile, AnEndlessDeviceAPipeAndAFolderReadAsMissing) {
    EXPECT_EQ(ReadIniValue("/dev/zero", "S", "k", "dflt"), "dflt");
    EXPECT_EQ(ReadIniValue(dir.folder(), "S", "k", "dflt"), "dflt");
    EXPECT_FALSE(WriteIniValue(dir.folder(), "S", "k", "v"));
    // A settings file that is a named pipe would otherwise wait for a writer for ever.
    const kilnward::test::NamedPipe pipe(dir.path("Config.ini"));
    ASSERT_TRUE(pipe.created());
    EXPECT_EQ(ReadIniValue(pipe.path(), "S", "k", "dflt"), "dflt");
    EXPECT_FALSE(WriteIniValue(pipe.path(), "S", "k", "v"));
    ASSERT_EQ(told.size(), 3u);  // each file is told once
    EXPECT_EQ(told[0], "/dev/zero: not read: it is not a regular file");
    EXPECT_EQ(told[1], dir.folder() + ": not read: it is a folder");
    EXPECT_EQ(told[2], pipe.path() + ": not read: it is not a regular file");
    EXPECT_FALSE(QFileInfo(pipe.path()).isFile());
}
