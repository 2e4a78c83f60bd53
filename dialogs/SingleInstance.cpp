#include "dialogs/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace kilnward::dialogs {

namespace {

constexpr int kNotifyTimeoutMs = 1000;

QString LockFolder() {
#if defined(_WIN32)
    // The runtime location is the user's home folder there; the temporary folder is the
    // user's own as well and is meant for such files.
    QString folder = QDir::tempPath();
#else
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder;
}

unsigned CurrentUserId() {
#if defined(_WIN32)
    return 0;  // the runtime folder is the user's own there
#else
    return static_cast<unsigned>(::getuid());
#endif
}

// The same folder however it was written (relative, with "..", through a link; on Windows
// also in any case and with either separator).
QString CanonicalFolder(const QString& folder, wirelink::Platform platform) {
    QString path = folder;
    if (platform == wirelink::Platform::Windows) {
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    }
    const QString canonical = QFileInfo(path).canonicalFilePath();
    path = canonical.isEmpty() ? QDir::cleanPath(QDir(path).absolutePath()) : canonical;
    return platform == wirelink::Platform::Windows ? path.toLower() : path;
}

}  // namespace

QString SingleInstance::InstanceName(const QString& key, unsigned userId,
                                     const QString& configFolder, wirelink::Platform platform) {
    constexpr int kDigestHexDigits = 16;
    const QByteArray digest =
        QCryptographicHash::hash(CanonicalFolder(configFolder, platform).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(kDigestHexDigits);
    return QStringLiteral("%1-%2-%3").arg(key).arg(userId).arg(QString::fromLatin1(digest));
}

SingleInstance::SingleInstance(const QString& key, const QString& configFolder)
    : serverName_(InstanceName(key, CurrentUserId(), configFolder)),
      lock_(QDir(LockFolder()).filePath(serverName_ + QStringLiteral(".lock"))) {
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
