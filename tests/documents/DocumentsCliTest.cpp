#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/support/BinFolder.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"
#include "tests/support/NamedPipe.h"

namespace {

using kilnward::test::BinFolder;
using kilnward::test::CliRun;

CliRun Cli(const QStringList& arguments) {
    return kilnward::test::RunCli(QStringList{"documents"} + arguments);
}

QString Text(const QString& path) {
    return QString::fromLatin1(kilnward::test::ReadBytes(path));
}

TEST(DocumentsCli, SavesTheFiveDocumentsOfTheDefaultsAndTheFilesGiven) {
    QTemporaryDir dir;
    const CliRun first =
        Cli({"--program-dir", BinFolder(), "--model", "12", "--out-dir", dir.filePath("a")});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const char* names[] = {"configuration.cfg", "fuels.fue", "header.hdr", "law.law",
                           "service.srv"};
    const char* tags[] = {"Kcfg", "Kfue", "Khdr", "Klaw", "Ksrv"};
    for (int d = 0; d < 5; ++d) {
        EXPECT_TRUE(
            Text(dir.filePath("a/") + names[d]).contains(QStringLiteral("FileType=") + tags[d]))
            << names[d];
    }

    // Files loaded over the defaults come back unchanged, whatever model is chosen.
    ASSERT_TRUE(kilnward::test::WriteBytes(
        dir.filePath("in.hdr"),
        "[General]\r\nFileType=Khdr\r\n[Khdr]\r\nfrmMain!txtheaderline#2=Heating Ltd\r\n"));
    const CliRun second =
        Cli({"--program-dir", BinFolder(), "--model", "10", "--fue", dir.filePath("a/fuels.fue"),
             "--hdr", dir.filePath("in.hdr"), "--out-dir", dir.filePath("b")});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_EQ(Text(dir.filePath("b/fuels.fue")), Text(dir.filePath("a/fuels.fue")));
    EXPECT_TRUE(
        Text(dir.filePath("b/header.hdr")).contains("frmMain!txtheaderline#2=Heating Ltd\r\n"));
}

TEST(DocumentsCli, TextLinesKeepTheirBlanksAndNumbersStayPlainDecimals) {
    QTemporaryDir dir;
    ASSERT_TRUE(kilnward::test::WriteBytes(
        dir.filePath("in.hdr"),
        "[General]\r\nFileType=Khdr\r\n[Khdr]\r\nfrmMain!txtheaderline#1=\"  ACME  \"\r\n"));
    ASSERT_TRUE(kilnward::test::WriteBytes(
        dir.filePath("in.fue"),
        "[General]\r\nFileType=Kfue\r\n[Kfue]\r\nfrmMain!TDBNumpark2#1=0.00005\r\n"));
    const CliRun first = Cli({"--program-dir", BinFolder(), "--hdr", dir.filePath("in.hdr"),
                              "--fue", dir.filePath("in.fue"), "--out-dir", dir.filePath("a")});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const QString line = "frmMain!txtheaderline#1=\"  ACME  \"\r\n";
    EXPECT_TRUE(Text(dir.filePath("a/header.hdr")).contains(line));
    // ... and read back with the blanks, so a second pass writes the same line.
    const CliRun second = Cli({"--program-dir", BinFolder(), "--hdr", dir.filePath("a/header.hdr"),
                               "--out-dir", dir.filePath("b")});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_TRUE(Text(dir.filePath("b/header.hdr")).contains(line));

    EXPECT_TRUE(Text(dir.filePath("a/fuels.fue")).contains("frmMain!TDBNumpark2#1=0.00005\r\n"));
    static const QRegularExpression exponent("=[-+]?[0-9.]+[eE]");
    for (const char* name :
         {"configuration.cfg", "fuels.fue", "header.hdr", "law.law", "service.srv"}) {
        const QString text = Text(dir.filePath("a/") + name);
        EXPECT_FALSE(text.contains(exponent)) << name << ": " << text.toStdString();
    }
}

TEST(DocumentsCli, ALineLongerThanItsFieldIsSavedCutAndTold) {
    QTemporaryDir dir;
    ASSERT_TRUE(kilnward::test::WriteBytes(dir.filePath("in.srv"),
                                           "[General]\r\nFileType=Ksrv\r\n[Ksrv]\r\nfrmMain!"
                                           "txtserviceline#2=Service 0123456789XYZ\r\n"));
    const CliRun run = Cli({"--program-dir", BinFolder(), "--srv", dir.filePath("in.srv"),
                            "--out-dir", dir.filePath("a")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(Text(dir.filePath("a/service.srv"))
                    .contains("frmMain!txtserviceline#2=Service 01234567\r\n"));
    EXPECT_TRUE(run.err.contains(dir.filePath("in.srv"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Service line 3: \"Service 01234567\"")) << run.err.toStdString();
}

TEST(DocumentsCli, RefusedFileFailsWithTheMessage) {
    QTemporaryDir dir;
    ASSERT_EQ(Cli({"--program-dir", BinFolder(), "--out-dir", dir.filePath("a")}).exitCode, 0);
    const CliRun refused = Cli({"--program-dir", BinFolder(), "--cfg", dir.filePath("a/fuels.fue"),
                                "--out-dir", dir.filePath("b")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(dir.filePath("a/fuels.fue") + ": Not found or damaged file."))
        << refused.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("b/configuration.cfg")));
    const CliRun missing = Cli({"--program-dir", BinFolder(), "--srv", dir.filePath("none.srv"),
                                "--out-dir", dir.filePath("c")});
    EXPECT_EQ(missing.exitCode, 1);
}

TEST(DocumentsCli, UsageErrorsExitWithTwo) {
    QTemporaryDir dir;
    EXPECT_EQ(Cli({"--program-dir", BinFolder()}).exitCode, 2);
    EXPECT_EQ(Cli({"--out-dir", dir.path(), "--model", "17"}).exitCode, 2);
    EXPECT_EQ(Cli({"--out-dir", dir.path(), "--bogus"}).exitCode, 2);
    EXPECT_EQ(Cli({"--out-dir", dir.path(), "extra"}).exitCode, 2);
    const CliRun noFolder =
        Cli({"--program-dir", dir.filePath("nowhere"), "--out-dir", dir.filePath("a")});
    EXPECT_EQ(noFolder.exitCode, 2);
    EXPECT_TRUE(
        noFolder.err.contains("--program-dir " + dir.filePath("nowhere") + ": no such folder"))
        << noFolder.err.toStdString();
}

TEST(DocumentsCli, MissingDefaultsAndAStoredModelThatIsNoNumberAreTold) {
    QTemporaryDir dir;
    // A program folder with the catalogue only: every default document is missing.
    ASSERT_TRUE(QFile::copy(BinFolder() + "/Param.ini", dir.filePath("Param.ini")));
    ASSERT_TRUE(kilnward::test::WriteBytes(dir.filePath("Config.ini"),
                                           "[General]\r\nInstrumentIDselected=abc\r\n"));
    const CliRun run = Cli({"--program-dir", dir.path(), "--out-dir", dir.filePath("out")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("The default file " + dir.filePath("Default.cf1") +
                                 " was not found: the built-in values are used."))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("InstrumentIDselected=\"abc\" is not a model number"))
        << run.err.toStdString();
}

}  // namespace

TEST(DocumentsCli, NamedPipesAreRefusedNamedAndNeverWaitedFor) {
    QTemporaryDir dir;
    const kilnward::test::NamedPipe document(dir.filePath("pipe.hdr"));
    ASSERT_TRUE(document.created());
    const CliRun refused = Cli(
        {"--program-dir", BinFolder(), "--hdr", document.path(), "--out-dir", dir.filePath("a")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(document.path() + " (it is not a regular file)"))
        << refused.err.toStdString();

    // The settings and the catalogue are read the same way.
    ASSERT_TRUE(QDir(dir.path()).mkdir("program"));
    const QString program = dir.filePath("program");
    for (const char* name :
         {"Default.cf1", "Default.fu1", "Default.hd1", "Default.la1", "Default.sr1"}) {
        ASSERT_TRUE(QFile::copy(BinFolder() + "/" + name, program + "/" + name)) << name;
    }
    ASSERT_TRUE(QFile::copy(BinFolder() + "/Param.ini", program + "/Param.ini"));
    {
        const kilnward::test::NamedPipe config(program + "/Config.ini");
        ASSERT_TRUE(config.created());
        const CliRun run = Cli({"--program-dir", program, "--out-dir", dir.filePath("b")});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(config.path() + ": not read: it is not a regular file"))
            << run.err.toStdString();
    }
    ASSERT_TRUE(QFile::remove(program + "/Param.ini"));
    const kilnward::test::NamedPipe catalogue(program + "/Param.ini");
    ASSERT_TRUE(catalogue.created());
    const CliRun run = Cli({"--program-dir", program, "--out-dir", dir.filePath("c")});
    EXPECT_TRUE(run.err.contains(catalogue.path() + ": not read: it is not a regular file"))
        << run.err.toStdString();
}
