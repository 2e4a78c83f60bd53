#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace kilnward::drivers::testing {

// kilnward-sim running in a child process for the length of a test: it serves a simulated
// analyser on a pseudo-terminal whose device path it announces on its first line.
class SimulatorProcess {
  public:
    // Starts kilnward-sim from $KILNWARD_BIN with `arguments`; device() is empty when it
    // could not be started (error() tells why).
    explicit SimulatorProcess(const QStringList& arguments);
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    const QString& device() const { return device_; }
    const QString& error() const { return error_; }
    // What the simulator logged on stderr so far (run it with --verbose), waiting up to
    // `timeoutMs` for a line containing `expected`.
    QString log(const QString& expected, int timeoutMs = 5000);
    // The path of a program built next to the tests.
    static QString BinaryPath(const QString& name);

  private:
    QProcess process_;
    QString device_;
    QString error_;
    QString log_;
};

}  // namespace kilnward::drivers::testing
