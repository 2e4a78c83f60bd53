#include "app/IniFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "TempFolder.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/NamedPipe.h"

using kilnward::app::IniFile;

TEST(IniFile, SectionsAndKeysMatchWithoutCaseAndValuesAreTrimmed) {
    const IniFile ini = IniFile::parse("[General]\r\n  FileType =  Kcfg  \r\n[KCFG]\nA=1\n");
    EXPECT_EQ(ini.value("general", "FILETYPE", "?"), "Kcfg");
    EXPECT_EQ(ini.value("Kcfg", "a", "?"), "1");
    EXPECT_EQ(ini.value("Kcfg", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.value("nosection", "a", "dflt"), "dflt");
}

TEST(IniFile, NamesAskedForWithBlanksAroundThemFindTheTrimmedEntries) {
    IniFile ini = IniFile::parse("[S]\nk=old\n");
    EXPECT_EQ(ini.value(" S ", " k ", "?"), "old");
    // Writing through such names replaces the entry instead of adding a second one that a
    // reader would never see.
    ini.setValue("S ", "k ", "new");
    EXPECT_EQ(ini.value("S", "k", "?"), "new");
    EXPECT_EQ(ini.toText(), "[S]\r\nk=new\r\n");
    ini.removeKey(" S", " k");
    EXPECT_EQ(ini.toText(), "[S]\r\n");
}

TEST(IniFile, FirstOccurrenceWins) {
    const IniFile ini = IniFile::parse("[S]\nk=first\nK=second\n[s]\nk=third\n");
    EXPECT_EQ(ini.value("S", "k", ""), "first");
}

TEST(IniFile, SettingOneKeyKeepsEverythingElse) {
    IniFile ini = IniFile::parse("; comment\n[A]\nx=1\ny=2\n\n[B]\nz=3\n");
    ini.setValue("a", "Y", "changed");
    ini.setValue("A", "new", " added ");
    ini.setValue("C", "w", "4");
    EXPECT_EQ(ini.toText(),
              "; comment\r\n[A]\r\nx=1\r\nY=changed\r\nnew=\" added "
              "\"\r\n\r\n[B]\r\nz=3\r\n[C]\r\nw=4\r\n");
}

TEST(IniFile, SectionLinesListEntriesInOrder) {
    const IniFile ini = IniFile::parse("[P]\n a = 1 \n\n;note\nbare\nb==2\n[Q]\nc=3\n");
    EXPECT_EQ(ini.sectionLines("p"), QStringList({"a=1", "bare", "b==2"}));
    EXPECT_TRUE(ini.sectionLines("missing").isEmpty());
}

TEST(IniFile, RemovingKeysAndSections) {
    IniFile ini = IniFile::parse("[A]\nx=1\ny=2\n[B]\nz=3\n");
    ini.removeKey("A", "X");
    ini.removeSection("b");
    EXPECT_EQ(ini.toText(), "[A]\r\ny=2\r\n");
}

TEST(IniFile, SavesAsWindows1252WhenPossibleElseUtf8) {
    TempFolder dir;
    IniFile ini;
    ini.setValue("S", "k", QString::fromUtf8("Temp\u00e9rature \u20ac"));
    ASSERT_TRUE(ini.save(dir.path("a.ini")));
    EXPECT_EQ(dir.read("a.ini"), QByteArray("[S]\r\nk=Temp\xe9rature \x80\r\n"));

    ini.setValue("S", "greek", QString::fromUtf8("\u03bb"));
    ASSERT_TRUE(ini.save(dir.path("b.ini")));
    const auto back = IniFile::load(dir.path("b.ini"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->value("S", "greek", ""), QString::fromUtf8("\u03bb"));
    EXPECT_EQ(back->value("S", "k", ""), QString::fromUtf8("Temp\u00e9rature \u20ac"));
}

TEST(IniFile, FailedSaveKeepsTheOldFileAndSaysWhy) {
    TempFolder dir;
    const QString target = dir.write("doc.cfg", "[General]\r\nFileType=Kcfg\r\n");
    IniFile ini;
    for (int i = 0; i < 100; ++i) {
        ini.setValue("Kcfg", QString("frmMain!TDBNumalmval#%1").arg(i), "12.5");
    }
    QString error;
    {
        kilnward::test::FileSizeLimit limit(512);
        EXPECT_FALSE(ini.save(target, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(dir.read("doc.cfg"), QByteArray("[General]\r\nFileType=Kcfg\r\n"));
    EXPECT_EQ(QDir(dir.folder()).entryList(QDir::Files), QStringList({"doc.cfg"}));
}

TEST(IniFile, MissingFileLoadsAsNothing) {
    TempFolder dir;
    EXPECT_FALSE(IniFile::load(dir.path("none.ini")).has_value());
}

TEST(IniFile, SaveIntoAPathThatCannotExistFails) {
    TempFolder dir;
    dir.write("plain", "not a folder");
    IniFile ini;
    ini.setValue("S", "k", "v");
    QString error;
    EXPECT_FALSE(ini.save(dir.path("plain/doc.cfg"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(IniFile, LineBreaksInValuesCannotForgeKeysOrSections) {
    IniFile ini = IniFile::parse("[Khdr]\nline=1\n");
    ini.setValue("Khdr", "text", "first\r\n[General]\r\nFileType=Kcfg");
    const IniFile back = IniFile::parse(ini.toText());
    EXPECT_FALSE(back.hasSection("General"));
    EXPECT_EQ(back.value("Khdr", "text", ""), "first  [General]  FileType=Kcfg");
    EXPECT_EQ(back.sectionLines("Khdr").size(), 2);
}

TEST(IniFile, TheIndexFollowsInsertionsAndRemovals) {
    IniFile ini = IniFile::parse("[A]\nx=1\n[B]\ny=2\n");
    ini.setValue("A", "z", "3");  // inserted before section B: every later line moves
    ini.setValue("B", "y", "4");
    EXPECT_EQ(ini.value("B", "Y", "?"), "4");
    EXPECT_EQ(ini.value("A", "Z", "?"), "3");
    ini.removeSection("a");
    EXPECT_EQ(ini.value("B", "y", "?"), "4");
    EXPECT_EQ(ini.value("A", "x", "?"), "?");
    EXPECT_EQ(ini.toText(), "[B]\r\ny=4\r\n");
}

TEST(IniFile, LoadRefusesWhatCannotBeAProfileFile) {
    TempFolder dir;
    QString error;
    EXPECT_FALSE(IniFile::load(dir.path("missing.ini"), &error));
    EXPECT_TRUE(error.isEmpty());
    const QByteArray atLimit = "[S]\nk=v\n" + QByteArray((1 << 20) - 8, ';');
    EXPECT_TRUE(IniFile::load(dir.write("limit.ini", atLimit), &error));
    EXPECT_FALSE(IniFile::load(dir.write("over.ini", atLimit + ";"), &error));
    EXPECT_EQ(error, "it is larger than 1024 KiB");
}

TEST(IniFile, LoadRefusesAnythingButARegularFileWithoutWaiting) {
    TempFolder dir;
    ASSERT_TRUE(QDir(dir.folder()).mkdir("folder"));
    const kilnward::test::NamedPipe pipe(dir.path("pipe.ini"));
    ASSERT_TRUE(pipe.created());
    ASSERT_TRUE(QFile::link(pipe.path(), dir.path("link.ini")));
    const struct {
        QString path;
        const char* error;
    } cases[] = {
        {dir.path("folder"), "it is a folder"},
        {pipe.path(), "it is not a regular file"},
        {dir.path("link.ini"), "it is not a regular file"},  // the link's target counts
        {"/dev/zero", "it is not a regular file"},
        {"/dev/null", "it is not a regular file"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(IniFile::load(c.path, &error)) << c.path.toStdString();
        EXPECT_EQ(error.toStdString(), c.error) << c.path.toStdString();
    }
}

TEST(IniFile, BlanksAndQuotesAroundValuesSurviveWritingAndReading) {
    // Readers drop one pair of matching quotes, as the profile functions do.
    const IniFile read = IniFile::parse("[S]\na=\"  x  \"\nb='y'\nc=\"z'\nd=\"\"q\"\"\n");
    EXPECT_EQ(read.value("S", "a", "?"), "  x  ");
    EXPECT_EQ(read.value("S", "b", "?"), "y");
    EXPECT_EQ(read.value("S", "c", "?"), "\"z'");
    EXPECT_EQ(read.value("S", "d", "?"), "\"q\"");

    IniFile ini;
    for (const QString value : {"  ACME  ", " lead", "trail ", "\"quoted\"", "'single'", "\"",
                                "in \"the\" middle", "", "plain"}) {
        ini.setValue("S", "k", value);
        EXPECT_EQ(IniFile::parse(ini.toText()).value("S", "k", "?"), value) << value.toStdString();
    }
    ini.setValue("S", "k", "  ACME  ");
    EXPECT_EQ(ini.toText(), "[S]\r\nk=\"  ACME  \"\r\n");
    ini.setValue("S", "k", "plain");
    EXPECT_EQ(ini.toText(), "[S]\r\nk=plain\r\n");
}
