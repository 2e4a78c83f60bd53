#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace kilnward::e2e {

// A path to one of the built programs, from KILNWARD_BIN.
QString ProgramPath(const QString& name);

// kilnward-sim running as a child process; the constructor waits for its "PTY" line.
class SimProcess {
  public:
    explicit SimProcess(const QStringList& arguments);
    ~SimProcess();

    // Empty when the simulator is up; else what went wrong.
    const QString& error() const { return error_; }
    const QString& device() const { return device_; }
    // SIGTERM, then the exit code (-1 when it did not end normally).
    int stop();
    QString stderrText();

  private:
    QProcess process_;
    QString device_;
    QString error_;
    QString stderr_;
};

}  // namespace kilnward::e2e
