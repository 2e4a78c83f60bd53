// kilnward-cli backups: one tab-separated line per backup, newest first, filtered by model
// and address; exit 0 also when there is none.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "app/EnglishTranslator.h"
#include "tests/support/CliRun.h"
#include "tests/support/FileBytes.h"
#include "transfer/SectorBackup.h"

namespace kilnward {
namespace {

class BackupsCliTest : public ::testing::Test {
  protected:
    QString keep(std::uint8_t model, std::uint8_t addr, const QDateTime& time) {
        const transfer::SectorBackup backup{model, addr, "2.0", time, wirelink::ByteBuffer(2048, 0),
                                            {}};
        return transfer::WriteSectorBackup(backup, data.filePath("kilnward/backups"), translator);
    }
    test::CliRun backups(const QStringList& arguments) {
        test::RunOptions options;
        options.environment.insert("XDG_DATA_HOME", data.path());
        return test::RunCli(QStringList{"backups"} + arguments, options);
    }

    QTemporaryDir data;
    app::EnglishTranslator translator;
};

TEST_F(BackupsCliTest, ListsNewestFirstFilteredByModelAndAddress) {
    const test::CliRun empty = backups({});
    EXPECT_EQ(empty.exitCode, 0) << empty.err.toStdString();
    EXPECT_EQ(empty.out, "");

    const QString early = keep(10, 1, QDateTime(QDate(2026, 5, 3), QTime(9, 0), Qt::UTC));
    const QString late =
        keep(12, 1, QDateTime(QDate(2026, 5, 5), QTime(9, 30), Qt::OffsetFromUTC, 7200));
    const QString middle = keep(10, 2, QDateTime(QDate(2026, 5, 4), QTime(9, 0), Qt::UTC));
    ASSERT_TRUE(test::WriteBytes(data.filePath("kilnward/backups/damaged.kwb"), "no backup"));
    const QString lateLine = "2026-05-05T09:30:00+02:00\t12\t1\t" + late + "\n";
    const QString middleLine = "2026-05-04T09:00:00+00:00\t10\t2\t" + middle + "\n";
    const QString earlyLine = "2026-05-03T09:00:00+00:00\t10\t1\t" + early + "\n";
    const struct {
        QStringList arguments;
        QString out;
    } cases[] = {
        {{}, lateLine + middleLine + earlyLine},
        {{"--model", "10"}, middleLine + earlyLine},
        {{"--addr", "1"}, lateLine + earlyLine},
        {{"--model", "10", "--addr", "1"}, earlyLine},
        {{"--model", "11"}, ""},
    };
    for (const auto& c : cases) {
        const test::CliRun run = backups(c.arguments);
        EXPECT_EQ(run.exitCode, 0) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.out, c.out) << c.arguments.join(' ').toStdString();
        // The damaged file is named, never listed.
        EXPECT_TRUE(run.err.contains("damaged.kwb")) << run.err.toStdString();
    }
    for (const QStringList& wrong :
         {QStringList{"--addr", "256"}, QStringList{"--model", "x"}, QStringList{"extra"}}) {
        const test::CliRun run = backups(wrong);
        EXPECT_EQ(run.exitCode, 2) << wrong.join(' ').toStdString();
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace kilnward
