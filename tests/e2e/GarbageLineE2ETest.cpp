// kilnward-cli against a kilnward-sim whose line carries endless noise instead of answers,
// fast (at the line rate) and slow (one byte every 0.4 s, under the inter-byte time-out), at
// 9600 bit/s over a pseudo-terminal: every command gives up in bounded time and memory.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>

#include "tests/support/BinFolder.h"
#include "tests/support/QtApplicationEnvironment.h"
#include "tests/support/SimProcess.h"

namespace kilnward::e2e {
namespace {

const auto* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new test::QtApplicationEnvironment);

// How a run went, with the resident memory of the program sampled while it ran.
struct SampledRun {
    int exitCode = -1;
    double seconds = 0;
    QString err;
    long firstKb = 0;  // the first sample after the program had run for two seconds
    long peakKb = 0;
};

long ResidentKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return 0;
}

SampledRun RunSampled(const QStringList& arguments, int timeoutMs) {
    SampledRun run;
    QProcess process;
    process.setProgram(test::BinaryPath(QStringLiteral("kilnward-cli")));
    process.setArguments(arguments);
    QElapsedTimer took;
    took.start();
    process.start();
    if (!process.waitForStarted()) {
        return run;
    }
    const qint64 pid = process.processId();
    while (!process.waitForFinished(100)) {
        if (took.elapsed() > timeoutMs) {
            process.kill();
            process.waitForFinished();
            run.seconds = static_cast<double>(took.elapsed()) / 1000.0;
            return run;
        }
        const long kb = ResidentKb(pid);
        if (took.elapsed() >= 2000 && run.firstKb == 0) {
            run.firstKb = kb;
        }
        run.peakKb = std::max(run.peakKb, kb);
    }
    run.seconds = static_cast<double>(took.elapsed()) / 1000.0;
    run.err = QString::fromUtf8(process.readAllStandardError());
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

struct Noise {
    const char* name;
    const char* fault;
};

// The first request of each command is answered; noise takes the line from the second on.
constexpr Noise kNoises[] = {
    {"fast", "garbage,at=2"},
    {"slow", "garbage=400,at=2"},
};

class GarbageLine : public ::testing::TestWithParam<Noise> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(test::CopyProgramData(home.path()));
    }

    // The simulator at 9600 bit/s with the parameter's noise.
    QStringList SimArguments() const {
        return {"--model", "10", "--pace", "9600", "--fault", GetParam().fault};
    }

    static void ExpectFlat(const SampledRun& run) {
        // Noise is read and dropped: memory after the start does not grow with it.
        ASSERT_GT(run.firstKb, 0);
#ifndef __SANITIZE_ADDRESS__
        EXPECT_LT(run.peakKb, run.firstKb + 4096) << "first " << run.firstKb << " kB";
#endif
        // Under AddressSanitizer freed blocks wait in its quarantine, so the resident size
        // grows with every allocation by design; the plain build measures flatness.
    }

    QTemporaryDir home;
};

TEST_P(GarbageLine, AReceiveGivesUpWithinFifteenSeconds) {
    test::SimProcess sim(SimArguments());
    ASSERT_TRUE(sim.error().isEmpty()) << sim.error().toStdString();
    const SampledRun run =
        RunSampled({"receive", "--port", sim.device(), "--model", "10", "--cable", "--baud", "9600",
                    "--out-dir", QDir(home.path()).filePath("out"), "--program-dir", home.path()},
                   60000);
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("error 0x80040200")) << run.err.toStdString();
    EXPECT_LT(run.seconds, 15.0);
    EXPECT_FALSE(QFile::exists(QDir(home.path()).filePath("out/configuration.cfg")));
    ExpectFlat(run);
}

TEST_P(GarbageLine, ARequestOfUnknownAnswerSizeGivesUpWithinThirtySeconds) {
    test::SimProcess sim(SimArguments() + QStringList{"--addr", "3"});
    ASSERT_TRUE(sim.error().isEmpty()) << sim.error().toStdString();
    const QStringList request = {"request", "--port", sim.device(), "--baud", "9600", "--addr",
                                 "3",       "--type", "10",         "--cmd",  "5E00"};
    const SampledRun first = RunSampled(request, 60000);
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const SampledRun run = RunSampled(request, 180000);
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("error 0x80040200")) << run.err.toStdString();
    EXPECT_LT(run.seconds, 30.0);
    ExpectFlat(run);
}

INSTANTIATE_TEST_SUITE_P(FastAndSlow, GarbageLine, ::testing::ValuesIn(kNoises),
                         [](const ::testing::TestParamInfo<Noise>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace kilnward::e2e
