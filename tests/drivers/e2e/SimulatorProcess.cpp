#include "tests/drivers/e2e/SimulatorProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcessEnvironment>

namespace kilnward::drivers::testing {

namespace {
constexpr int kStartMs = 10000;
constexpr int kStopMs = 5000;
}  // namespace

QString SimulatorProcess::BinaryPath(const QString& name) {
    const QString dir = QProcessEnvironment::systemEnvironment().value("KILNWARD_BIN", ".");
    return QDir(dir).filePath(name);
}

SimulatorProcess::SimulatorProcess(const QStringList& arguments) {
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(BinaryPath("kilnward-sim"), arguments);
    if (!process_.waitForStarted(kStartMs)) {
        error_ = "kilnward-sim did not start: " + process_.errorString();
        return;
    }
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(kStartMs)) {
            error_ = "kilnward-sim announced no device: " +
                     QString::fromLocal8Bit(process_.readAllStandardError());
            return;
        }
    }
    const QString line = QString::fromLocal8Bit(process_.readLine()).trimmed();
    if (!line.startsWith("PTY ")) {
        error_ = "unexpected first line of kilnward-sim: " + line;
        return;
    }
    device_ = line.mid(4);
}

QString SimulatorProcess::log(const QString& expected, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    process_.setReadChannel(QProcess::StandardError);
    log_ += QString::fromLocal8Bit(process_.readAllStandardError());
    while (!log_.contains(expected) && !deadline.hasExpired() &&
           process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
        log_ += QString::fromLocal8Bit(process_.readAllStandardError());
    }
    return log_;
}

SimulatorProcess::~SimulatorProcess() {
    if (process_.state() == QProcess::NotRunning) {
        return;
    }
    process_.terminate();
    if (!process_.waitForFinished(kStopMs)) {
        process_.kill();
        process_.waitForFinished(kStopMs);
    }
}

}  // namespace kilnward::drivers::testing
