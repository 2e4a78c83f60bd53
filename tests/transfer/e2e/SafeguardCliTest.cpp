// The backup before every send, the restore and the read-back check of kilnward-cli, over a
// pseudo-terminal against kilnward-sim.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "tests/support/BinFolder.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QtApplicationEnvironment.h"
#include "tests/support/SimProcess.h"

namespace kilnward::transfer {
namespace {

using test::CliRun;

const auto* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new test::QtApplicationEnvironment);

class Safeguard : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(test::CopyProgramData(home.path()));
        // A sector unlike the one the defaults make, so that every send changes it.
        QByteArray sector(2048, 0);
        for (int i = 0; i < sector.size(); ++i) {
            sector[i] = static_cast<char>(i * 7 + 3);
        }
        ASSERT_TRUE(test::WriteBytes(file("analyser.bin"), sector));
    }

    QString file(const QString& name) const { return QDir(home.path()).filePath(name); }
    QString backups() const { return file("data/kilnward/backups"); }
    QStringList backupFiles() const {
        return QDir(backups()).entryList({"*.kwb"}, QDir::Files, QDir::Name);
    }

    CliRun Run(const QStringList& arguments, int fileSizeLimitBlocks = 0,
               const QString& dataHome = {}) {
        test::RunOptions options;
        options.environment.insert("XDG_DATA_HOME", dataHome.isEmpty() ? file("data") : dataHome);
        options.fileSizeLimitBlocks = fileSizeLimitBlocks;
        return test::RunCli(arguments + QStringList{"--program-dir", home.path()}, options);
    }
    static QStringList Link(const test::SimProcess& sim) {
        return {"--port", sim.device(), "--model", "10", "--cable"};
    }

    QTemporaryDir home;
};

TEST_F(Safeguard, ASendKeepsTheSectorAsABackupThatRestoreWritesBackByteForByte) {
    test::SimProcess sim(
        {"--model", "10", "--image", file("analyser.bin"), "--save", file("after.bin")});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    const CliRun sent = Run(QStringList{"send"} + Link(sim));
    ASSERT_EQ(sent.exitCode, 0) << sent.err.toStdString();
    ASSERT_EQ(backupFiles().size(), 1);
    const QString backup = QDir(backups()).filePath(backupFiles().first());
    EXPECT_TRUE(backupFiles().first().startsWith("Harrier-530_addr0_"));
    EXPECT_TRUE(sent.out.contains("Backup of the analyser kept in " + backup + "\nReading back"))
        << sent.out.toStdString();
    EXPECT_EQ(test::ReadBytes(backup).right(2048), test::ReadBytes(file("analyser.bin")));

    // Refused: without a terminal to ask on, another model, files that are no backup.
    const CliRun unasked = Run(QStringList{"restore", "--image", backup} + Link(sim));
    EXPECT_EQ(unasked.exitCode, 1);
    EXPECT_TRUE(unasked.err.contains("Harrier 530 (address 0) backed up on "))
        << unasked.err.toStdString();
    EXPECT_TRUE(unasked.err.contains("--yes")) << unasked.err.toStdString();
    const CliRun otherModel = Run(
        {"restore", "--image", backup, "--port", sim.device(), "--model", "9", "--cable", "--yes"});
    EXPECT_EQ(otherModel.exitCode, 1);
    EXPECT_TRUE(otherModel.err.contains("taken from a Harrier 530; the analyser is a Harrier 520"))
        << otherModel.err.toStdString();
    ASSERT_TRUE(test::WriteBytes(file("cut.kwb"), test::ReadBytes(backup).chopped(1)));
    const struct {
        QString path;
        const char* reason;
    } bad[] = {{file("analyser.bin"), "header is missing or damaged"},
               {file("cut.kwb"), "size is wrong"},
               {file("none.kwb"), "does not exist"}};
    for (const auto& refused : bad) {
        const CliRun run =
            Run(QStringList{"restore", "--image", refused.path, "--yes"} + Link(sim));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(refused.reason)) << run.err.toStdString();
    }

    const CliRun restored = Run(QStringList{"restore", "--image", backup, "--yes"} + Link(sim));
    ASSERT_EQ(restored.exitCode, 0) << restored.err.toStdString();
    EXPECT_TRUE(restored.out.endsWith("Restoring...Done, verified\n"))
        << restored.out.toStdString();
    // The restore kept what it overwrote too.
    EXPECT_EQ(backupFiles().size(), 2);
    ASSERT_EQ(sim.stop(), 0);
    EXPECT_EQ(test::ReadBytes(file("after.bin")), test::ReadBytes(file("analyser.bin")));
}

TEST_F(Safeguard, ABackupOfAnotherAddressIsRestoredOnlyWhenAskedFor) {
    QString backup;
    {
        test::SimProcess first({"--model", "10", "--image", file("analyser.bin")});
        ASSERT_FALSE(first.device().isEmpty()) << first.error().toStdString();
        ASSERT_EQ(Run(QStringList{"send"} + Link(first)).exitCode, 0);
        ASSERT_EQ(backupFiles().size(), 1);
        backup = QDir(backups()).filePath(backupFiles().first());
    }
    test::SimProcess other({"--model", "10", "--addr", "3", "--save", file("after.bin")});
    ASSERT_FALSE(other.device().isEmpty()) << other.error().toStdString();
    const QStringList restore =
        QStringList{"restore", "--image", backup, "--yes", "--addr", "3"} + Link(other);
    const CliRun refused = Run(restore);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(
        refused.err.contains("taken from the analyser at address 0, not from the one at "
                             "address 3"))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("--other-address")) << refused.err.toStdString();
    EXPECT_EQ(backupFiles().size(), 1) << "nothing was read from the analyser";

    const CliRun unasked = Run(
        QStringList{"restore", "--image", backup, "--addr", "3", "--other-address"} + Link(other));
    EXPECT_EQ(unasked.exitCode, 1);
    EXPECT_TRUE(unasked.err.contains("backup of address 0 into the analyser at address 3?"))
        << unasked.err.toStdString();

    const CliRun restored = Run(restore + QStringList{"--other-address"});
    ASSERT_EQ(restored.exitCode, 0) << restored.err.toStdString();
    EXPECT_TRUE(restored.out.endsWith("Restoring...Done, verified\n"))
        << restored.out.toStdString();
    ASSERT_EQ(other.stop(), 0);
    // Bytes 0 and 1 stay what the analyser at address 3 held, as in every send.
    EXPECT_EQ(test::ReadBytes(file("after.bin")).mid(2),
              test::ReadBytes(file("analyser.bin")).mid(2));
}

TEST_F(Safeguard, TheReadBackNamesTheFieldsOfAWriteTheAnalyserDropped) {
    // Block 2 of the first send and of the second (76 writes each) is lost.
    test::SimProcess sim({"--model", "10", "--image", file("analyser.bin"), "--fault",
                          "dropwrite=2", "--fault", "dropwrite=78"});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    const CliRun dropped = Run(QStringList{"send"} + Link(sim));
    EXPECT_EQ(dropped.exitCode, 1);
    EXPECT_TRUE(dropped.out.endsWith("Reading back...In progress\nSending...Failed\n"))
        << dropped.out.toStdString();
    // Bytes 29 to 55: the end of the timers' gap, the printer settings, header line 1.
    // Named as the window shows them: tabs and caption.
    EXPECT_TRUE(dropped.err.contains(
        "did not keep: reserved bytes 29-35; Printer / Settings / Copies number; "))
        << dropped.err.toStdString();
    EXPECT_TRUE(dropped.err.contains("Printer / Header / Header line 1\n"))
        << dropped.err.toStdString();
    EXPECT_FALSE(dropped.err.contains("frmMain!")) << dropped.err.toStdString();
    EXPECT_FALSE(dropped.err.contains("TDBNumtimers")) << dropped.err.toStdString();
    EXPECT_TRUE(dropped.err.contains("kept in the backup " + backups()))
        << dropped.err.toStdString();

    const CliRun unchecked = Run(QStringList{"send", "--no-verify"} + Link(sim));
    EXPECT_EQ(unchecked.exitCode, 0) << unchecked.err.toStdString();
    EXPECT_TRUE(unchecked.out.endsWith("Sending...Done\n")) << unchecked.out.toStdString();
    const CliRun good = Run(QStringList{"send"} + Link(sim));
    EXPECT_EQ(good.exitCode, 0) << good.err.toStdString();
    EXPECT_TRUE(good.out.endsWith("Sending...Done, verified\n")) << good.out.toStdString();
}

TEST_F(Safeguard, ABackupThatCannotBeWrittenStopsTheSendBeforeAnyWrite) {
    test::SimProcess sim(
        {"--model", "10", "--image", file("analyser.bin"), "--save", file("after.bin")});
    ASSERT_FALSE(sim.device().isEmpty()) << sim.error().toStdString();
    ASSERT_TRUE(test::WriteBytes(file("notafolder"), "x"));
    // A full disk, then a data folder that cannot be made.
    for (const CliRun& run : {Run(QStringList{"send"} + Link(sim), 1),
                              Run(QStringList{"send"} + Link(sim), 0, file("notafolder"))}) {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.endsWith("Sending (Phase 2)...In progress\nSending...Failed\n"))
            << run.out.toStdString();
        EXPECT_TRUE(run.err.contains("could not be backed up, so nothing was written"))
            << run.err.toStdString();
    }
    EXPECT_TRUE(backupFiles().isEmpty());
    ASSERT_EQ(sim.stop(), 0);
    EXPECT_EQ(test::ReadBytes(file("after.bin")), test::ReadBytes(file("analyser.bin")));
}

}  // namespace
}  // namespace kilnward::transfer
