// kilnward-cli --trace over a pseudo-terminal against kilnward-sim: the trace file lists every
// frame and every attempt, retries included, with monotonic times.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/support/BinFolder.h"
#include "tests/support/CliRun.h"
#include "tests/support/QtApplicationEnvironment.h"
#include "tests/support/SimProcess.h"

namespace kilnward::e2e {
namespace {

const auto* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new test::QtApplicationEnvironment);

QStringList TraceLines(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The heading with the wall time, then lines whose times never go back.
void ExpectTimedLines(const QStringList& lines) {
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(
        QRegularExpression(R"(^# link trace started \d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z)")
            .match(lines.first())
            .hasMatch())
        << lines.first().toStdString();
    double last = 0;
    for (const QString& line : lines.mid(1)) {
        bool ok = false;
        const double time = line.left(12).trimmed().toDouble(&ok);
        EXPECT_TRUE(ok && time >= last) << line.toStdString();
        last = time;
    }
}

TEST(LinkTraceTest, TraceListsTheRetriesOfANakAndTheCommandStillSucceeds) {
    QTemporaryDir home;
    ASSERT_TRUE(test::CopyProgramData(home.path()));
    test::SimProcess sim({"--model", "10", "--addr", "3", "--fault", "nak,at=1"});
    ASSERT_TRUE(sim.error().isEmpty()) << sim.error().toStdString();

    const QString requestTrace = home.filePath("request.txt");
    const test::CliRun request =
        test::RunCli({"request", "--port", sim.device(), "--addr", "3", "--type", "10", "--cmd",
                      "5A03", "--trace", requestTrace});
    EXPECT_EQ(request.exitCode, 0) << request.err.toStdString();
    EXPECT_EQ(request.out, "00\n");
    const QStringList lines = TraceLines(requestTrace);
    ExpectTimedLines(lines);
    const QString text = lines.join(QLatin1Char('\n'));
    for (const char* expected :
         {"note port ", "send #1 to 03: 02 03 0A 03 5A 00 00", "recv #1 from 03: 15",
          "#1 NAK, retry", "send #2 to 03: 02 03 0A 03 5A 00 00", "#2 answered (data)",
          " closed"}) {
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected << "\n"
                                                            << text.toStdString();
    }

    // A transfer command traces through the same option.
    const QString clockTrace = home.filePath("set-clock.txt");
    const test::CliRun setClock =
        test::RunCli({"set-clock", "--port", sim.device(), "--model", "10", "--addr", "3",
                      "--cable", "--program-dir", home.path(), "--trace", clockTrace});
    EXPECT_EQ(setClock.exitCode, 0) << setClock.err.toStdString();
    const QStringList clockLines = TraceLines(clockTrace);
    ExpectTimedLines(clockLines);
    EXPECT_GE(clockLines.filter(QStringLiteral("answered")).size(), 2)
        << clockLines.join('\n').toStdString();

    // A trace file that cannot be written stops the command before it talks to the analyser,
    // a one-request command and a transfer alike.
    const QString unwritableTrace = home.filePath("missing/folder/trace.txt");
    for (const QStringList& command :
         {QStringList{"request", "--type", "10", "--cmd", "5A03"},
          QStringList{"set-clock", "--model", "10", "--cable", "--program-dir", home.path()}}) {
        const test::CliRun unwritable =
            test::RunCli(command + QStringList{"--port", sim.device(), "--addr", "3", "--trace",
                                               unwritableTrace});
        EXPECT_EQ(unwritable.exitCode, 1) << command.first().toStdString();
        EXPECT_TRUE(unwritable.err.contains("cannot write")) << unwritable.err.toStdString();
        EXPECT_EQ(unwritable.out, "") << unwritable.out.toStdString();
    }
}

}  // namespace
}  // namespace kilnward::e2e
