// Backup files: what a send keeps comes back whole, and a file that is not exactly such a
// backup is refused, whatever it holds.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "app/EnglishTranslator.h"
#include "tests/support/FileBytes.h"
#include "transfer/SectorBackup.h"

namespace kilnward::transfer {
namespace {

TEST(SectorBackup, ARestoreIntoAnotherAddressIsNamedAsSuch) {
    app::EnglishTranslator translator;
    const SectorBackup backup{10, 7, "2.0.22", QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)),
                              {}, {}};
    const struct {
        std::uint8_t analyser;
        const char* question;
        const char* mismatch;
    } cases[] = {
        {7, "Restore the configuration of the Harrier 530 (address 7) backed up on ", ""},
        {0, "Backup of the Harrier 530 taken on ",
         "This backup was taken from the analyser at address 7, not from the one at address 0"},
        {8, "Backup of the Harrier 530 taken on ",
         "This backup was taken from the analyser at address 7, not from the one at address 8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.analyser);
        const QString question = RestoreQuestion(backup, c.analyser, translator);
        EXPECT_TRUE(question.startsWith(c.question)) << question.toStdString();
        EXPECT_EQ(question.contains(QStringLiteral("backup of address 7 into the analyser at "
                                                   "address %1")
                                        .arg(c.analyser)),
                  c.analyser != 7)
            << question.toStdString();
        EXPECT_EQ(RestoreAddressMismatch(backup, c.analyser, translator), c.mismatch);
    }
}

TEST(SectorBackup, WhatIsWrittenReadsBackAndNoBackupIsReplaced) {
    QTemporaryDir folder;
    app::EnglishTranslator translator;
    SectorBackup backup{10, 2, "2.0.22", QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)), {}, {}};
    for (int i = 0; i < 2048; ++i) {
        backup.sector.push_back(static_cast<std::uint8_t>(i * 13));
    }
    const QString first = WriteSectorBackup(backup, folder.filePath("a/b"), translator);
    const QString second = WriteSectorBackup(backup, folder.filePath("a/b"), translator);
    EXPECT_TRUE(first.endsWith("/a/b/Harrier-530_addr2_2026-03-04_050607.kwb"));
    EXPECT_TRUE(second.endsWith("/a/b/Harrier-530_addr2_2026-03-04_050607_2.kwb"));
    QString error;
    const std::optional<SectorBackup> read = ReadSectorBackup(first, translator, error);
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_EQ(read->model, 10);
    EXPECT_EQ(read->addr, 2);
    EXPECT_EQ(read->version, "2.0.22");
    EXPECT_EQ(read->time, backup.time);
    EXPECT_EQ(read->sector, backup.sector);
    EXPECT_EQ(RestoreRefusal(*read, 10, translator), "");
    EXPECT_NE(RestoreRefusal(*read, 9, translator), "");

    // Each header line spoiled in turn, and headers and sizes that are no backup's.
    const QByteArray good = test::ReadBytes(first);
    const QByteArray sector = good.right(2048);
    const QByteArray head = good.left(good.size() - 2048);
    const QList<std::pair<QByteArray, QByteArray>> spoiled = {
        {"KILNWARD SECTOR BACKUP 1", "KILNWARD SECTOR BACKUP 2"},
        {"model=10", "model=300"},
        {"model=10", "model=-1"},
        {"address=2", "address="},
        {"address=2\n", ""},
        {"version=2.0.22", "version=2.0\x01"},
        {"version=2.0.22", "version=" + QByteArray(40, '9')},
        {"time=", "time=yesterday"},
        {"\n\n", "\nextra=1\n\n"},
        {"\n\n", "\n"},
    };
    for (const auto& [from, to] : spoiled) {
        QByteArray bad = head;
        bad.replace(from, to);
        ASSERT_TRUE(test::WriteBytes(folder.filePath("bad.kwb"), bad + sector));
        EXPECT_FALSE(ReadSectorBackup(folder.filePath("bad.kwb"), translator, error)) << to.data();
        EXPECT_TRUE(error.contains("header")) << error.toStdString();
    }
    for (const QByteArray& bad : {head + sector + "x", head + sector.chopped(1),
                                  head + sector + QByteArray(1 << 20, 'x')}) {
        ASSERT_TRUE(test::WriteBytes(folder.filePath("bad.kwb"), bad));
        EXPECT_FALSE(ReadSectorBackup(folder.filePath("bad.kwb"), translator, error));
        EXPECT_TRUE(error.contains("size is wrong")) << error.toStdString();
    }
}

}  // namespace
}  // namespace kilnward::transfer
