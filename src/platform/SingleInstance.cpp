#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

namespace orebell {

namespace {

const QByteArray RaiseRequest = QByteArrayLiteral("raise\n");
const QByteArray RaiseDone = QByteArrayLiteral("raised\n");

// The same store reached through a link is the same store.
QString canonical(const QString& path)
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

QString socketName(const QString& lockPath)
{
    const QString name =
        QStringLiteral("orebell-") +
        QString::fromLatin1(QCryptographicHash::hash(canonical(lockPath).toUtf8(), QCryptographicHash::Sha256)
                                .toHex()
                                .left(24));
#ifdef Q_OS_WIN
    return name; // a named pipe: the system's, per session
#else
    // In the user's own runtime folder, which no other account can write, rather than the shared
    // temporary folder.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString& lockPath)
    : lockPath_(lockPath), serverName_(socketName(lockPath))
{}

SingleInstance::~SingleInstance()
{
    if (server_) {
        server_->close();
        QFile::remove(socketNotePath());
    }
}

bool SingleInstance::claim()
{
    if (lock_)
        return true;
    QDir().mkpath(QFileInfo(lockPath_).absolutePath());
    auto lock = std::make_unique<QLockFile>(lockPath_);
    // Held for the whole session: only a holder that no longer runs makes it stale, never its age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError)
            return false;
        // A store whose folder cannot be written cannot be overwritten by a second copy either:
        // the player keeps the program, and hears of the store when it is saved.
        qWarning("Orebell: cannot make %s; a second copy will not be noticed",
                 qPrintable(QDir::toNativeSeparators(lockPath_)));
        return true;
    }
    lock_ = std::move(lock);
    // Holding the lock, whatever socket has this name was left by a copy that is gone.
    QLocalServer::removeServer(serverName_);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] { acceptConnections(); });
    if (!server_->listen(serverName_)) {
        qWarning("Orebell: a second copy cannot hand over (%s)", qPrintable(server_->errorString()));
        return true;
    }
    QSaveFile note(socketNotePath());
    if (!note.open(QIODevice::WriteOnly) || note.write(server_->fullServerName().toUtf8()) < 0 ||
        !note.commit())
        qWarning("Orebell: cannot write %s; a second copy started elsewhere may not reach this one",
                 qPrintable(QDir::toNativeSeparators(socketNotePath())));
    return true;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine(64) == RaiseRequest) {
                if (raise_)
                    raise_();
                socket->write(RaiseDone);
                socket->flush();
            }
            socket->disconnectFromServer();
        });
    }
}

bool SingleInstance::handOver(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // The running copy may have taken the lock and not be listening yet: try until it answers.
    // It says where it listens, which for a copy started with another runtime folder is not
    // where this one would.
    int attempt = 0;
    do {
        QString name = serverName_;
        if (QFile note(socketNotePath()); attempt++ % 2 == 0 && note.open(QIODevice::ReadOnly))
            name = QString::fromUtf8(note.read(4096)).trimmed();
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())))) {
            socket.write(RaiseRequest);
            if (!socket.waitForBytesWritten(static_cast<int>(std::max<qint64>(1, deadline.remainingTime()))))
                continue;
            while (!socket.canReadLine() &&
                   socket.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())))) {
            }
            if (socket.canReadLine() && socket.readLine(64) == RaiseDone)
                return true;
        }
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return false;
}

} // namespace orebell
