#include "tests/support/SimProcess.h"

#include <QDeadlineTimer>

#include "tests/support/BinFolder.h"

namespace kilnward::test {

namespace {
constexpr int kWaitMs = 15000;
}  // namespace

SimProcess::SimProcess(const QStringList& arguments) {
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(BinaryPath("kilnward-sim"), arguments);
    if (!process_.waitForStarted(kWaitMs)) {
        error_ = "kilnward-sim did not start: " + process_.errorString();
        return;
    }
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(kWaitMs)) {
            error_ = "kilnward-sim announced no device: " + stderrText();
            return;
        }
    }
    const QString line = QString::fromLocal8Bit(process_.readLine()).trimmed();
    if (!line.startsWith("PTY ") || line.size() == 4) {
        error_ = "unexpected first line of kilnward-sim: '" + line + "'";
        return;
    }
    device_ = line.mid(4);
}

SimProcess::~SimProcess() {
    if (process_.state() != QProcess::NotRunning) {
        stop();
    }
}

int SimProcess::stop() {
    process_.terminate();
    if (!process_.waitForFinished(kWaitMs)) {
        process_.kill();
        process_.waitForFinished(kWaitMs);
        return -1;
    }
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

QString SimProcess::stderrText() {
    stderr_ += QString::fromLocal8Bit(process_.readAllStandardError());
    return stderr_;
}

QString SimProcess::waitForLog(const QString& expected, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    // waitForReadyRead watches the read channel.
    process_.setReadChannel(QProcess::StandardError);
    while (!stderrText().contains(expected) && !deadline.hasExpired()) {
        if (!process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
    }
    process_.setReadChannel(QProcess::StandardOutput);
    return stderrText();
}

}  // namespace kilnward::test
