#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace kilnward::test {

// kilnward-sim running in a child process for the length of a test: it serves a simulated
// analyser on a pseudo-terminal whose device path it announces on its first line
// ("PTY <path>"). The constructor waits for that line.
class SimProcess {
  public:
    explicit SimProcess(const QStringList& arguments);
    // Stops the simulator if it still runs.
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Empty when the simulator is up; else what went wrong (and device() is empty).
    const QString& error() const { return error_; }
    const QString& device() const { return device_; }
    // SIGTERM, then the exit code (-1 when it did not end normally or in time).
    int stop();
    // What the simulator wrote on stderr so far (its log with --verbose).
    QString stderrText();
    // stderrText(), after waiting up to `timeoutMs` for it to contain `expected`.
    QString waitForLog(const QString& expected, int timeoutMs = 5000);

  private:
    QProcess process_;
    QString device_;
    QString error_;
    QString stderr_;
};

}  // namespace kilnward::test
