#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

QString BinFolder() {
    const QString bin = qEnvironmentVariable("KILNWARD_BIN");
    return bin.isEmpty() ? QStringLiteral(".") : bin;
}

CliRun Cli(const QStringList& arguments) {
    QProcess process;
    process.start(BinFolder() + "/kilnward-cli", QStringList{"documents"} + arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString Text(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
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
    QFile edited(dir.filePath("in.hdr"));
    ASSERT_TRUE(edited.open(QIODevice::WriteOnly));
    edited.write("[General]\r\nFileType=Khdr\r\n[Khdr]\r\nfrmMain!txtheaderline#2=Heating Ltd\r\n");
    edited.close();
    const CliRun second =
        Cli({"--program-dir", BinFolder(), "--model", "10", "--fue", dir.filePath("a/fuels.fue"),
             "--hdr", dir.filePath("in.hdr"), "--out-dir", dir.filePath("b")});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_EQ(Text(dir.filePath("b/fuels.fue")), Text(dir.filePath("a/fuels.fue")));
    EXPECT_TRUE(
        Text(dir.filePath("b/header.hdr")).contains("frmMain!txtheaderline#2=Heating Ltd\r\n"));
}

TEST(DocumentsCli, RefusedFileFailsWithTheMessage) {
    QTemporaryDir dir;
    ASSERT_EQ(Cli({"--program-dir", BinFolder(), "--out-dir", dir.filePath("a")}).exitCode, 0);
    const CliRun refused = Cli({"--program-dir", BinFolder(), "--cfg", dir.filePath("a/fuels.fue"),
                                "--out-dir", dir.filePath("b")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("Not found or damaged file.")) << refused.err.toStdString();
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
}

}  // namespace
