#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

#include "wirelink/Platform.h"

namespace kilnward::dialogs {

// Keeps a second copy of the program from running on the same configuration: the first
// copy holds a lock file in the user's runtime folder and listens on a local socket; a
// later copy for the same user and configuration folder finds the lock taken, asks the first
// one to come to the front and ends. Copies with other configuration folders run side by
// side.
class SingleInstance {
  public:
    // `key` names the program; the lock and the socket are one per user and
    // `configFolder`.
    explicit SingleInstance(const QString& key, const QString& configFolder);
    ~SingleInstance();

    // The name of the lock and the socket: the key, the user's numeric id (which, unlike a
    // user name from the environment, is always there) and a digest of the configuration
    // folder's canonical path (a socket name has little room for a path). On Windows, where
    // names of files are not case-sensitive and either separator may be used, every spelling
    // of one folder gives one name.
    static QString InstanceName(const QString& key, unsigned userId, const QString& configFolder,
                                wirelink::Platform platform = wirelink::kThisPlatform);

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
