#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

namespace kilnward::dialogs {

// Keeps a second copy of the program from running: the first copy holds a lock file in the
// user's runtime folder and listens on a local socket; a later copy finds the lock taken,
// asks the first one to come to the front and ends.
class SingleInstance {
  public:
    // `key` names the lock and the socket (one per user).
    explicit SingleInstance(const QString& key = QStringLiteral("kilnward"));
    ~SingleInstance();

    // True when no other copy runs; this copy then holds the lock until it ends. False
    // after asking the running copy to show itself.
    bool tryRun();
    // What the running copy does when a later one asks (raise its main window).
    void setActivate(std::function<void()> activate) { activate_ = std::move(activate); }

  private:
    void notifyRunningCopy() const;

    QString serverName_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> activate_;
};

}  // namespace kilnward::dialogs
