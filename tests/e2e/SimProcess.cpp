#include "SimProcess.h"

#include <QDir>
#include <QProcessEnvironment>

namespace kilnward::e2e {

namespace {
constexpr int kWaitMs = 15000;
}

QString ProgramPath(const QString& name) {
    return QDir(QProcessEnvironment::systemEnvironment().value("KILNWARD_BIN", ".")).filePath(name);
}

SimProcess::SimProcess(const QStringList& arguments) {
    process_.start(ProgramPath("kilnward-sim"), arguments);
    if (!process_.waitForStarted(kWaitMs)) {
        error_ = "kilnward-sim did not start: " + process_.errorString();
        return;
    }
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(kWaitMs)) {
            error_ = "no PTY line: " + stderrText();
            return;
        }
    }
    const QString line = QString::fromLocal8Bit(process_.readLine()).trimmed();
    if (!line.startsWith("PTY /")) {
        error_ = "first line was '" + line + "'";
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

}  // namespace kilnward::e2e
