#include "dialogs/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace kilnward::dialogs {

namespace {

constexpr int kNotifyTimeoutMs = 1000;

QString LockFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder;
}

// One name per user: the runtime folder is the user's own, the temporary folder is not.
QString UserSuffix() {
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return user.isEmpty() ? QString() : QStringLiteral("-") + user;
}

}  // namespace

SingleInstance::SingleInstance(const QString& key)
    : serverName_(key + UserSuffix()),
      lock_(QDir(LockFolder()).filePath(key + UserSuffix() + QStringLiteral(".lock"))) {
    // A lock left by a copy that crashed is taken over: QLockFile checks whether its owner
    // still runs.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryRun() {
    if (!lock_.tryLock(0)) {
        notifyRunningCopy();
        return false;
    }
    // A socket left by a crashed copy would refuse the name.
    QLocalServer::removeServer(serverName_);
    server_ = std::make_unique<QLocalServer>();
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            socket->close();
            socket->deleteLater();
            if (activate_) {
                activate_();
            }
        }
    });
    server_->listen(serverName_);
    return true;
}

void SingleInstance::notifyRunningCopy() const {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (socket.waitForConnected(kNotifyTimeoutMs)) {
        socket.disconnectFromServer();
    }
}

}  // namespace kilnward::dialogs
