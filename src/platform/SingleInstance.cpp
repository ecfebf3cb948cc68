#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#include <algorithm>

namespace orebell {

namespace {

const QByteArray RaiseRequest = QByteArrayLiteral("raise\n");
const QByteArray RaiseDone = QByteArrayLiteral("raised\n");

QString userName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return user;
}

} // namespace

SingleInstance::SingleInstance(const QString& applicationName)
{
    const QByteArray key = (userName() + QLatin1Char('\n') + applicationName).toUtf8();
    serverName_ =
        QStringLiteral("orebell-") +
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
}

SingleInstance::~SingleInstance()
{
    if (server_)
        server_->close();
}

QString SingleInstance::lockPath() const
{
    return QDir(QDir::tempPath()).filePath(serverName_ + QStringLiteral(".lock"));
}

bool SingleInstance::claim()
{
    if (lock_)
        return true;
    auto lock = std::make_unique<QLockFile>(lockPath());
    // Held for the whole session: only a holder that no longer runs makes it stale, never its age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError)
            return false;
        // A temporary folder we cannot write to must not keep the player from the program.
        qWarning("Orebell: cannot make %s; a second copy will not be noticed", qPrintable(lockPath()));
        return true;
    }
    lock_ = std::move(lock);
    // Holding the lock, whatever socket has this name was left by a copy that is gone.
    QLocalServer::removeServer(serverName_);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] { acceptConnections(); });
    if (!server_->listen(serverName_))
        qWarning("Orebell: a second copy cannot hand over (%s)", qPrintable(server_->errorString()));
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
    do {
        QLocalSocket socket;
        socket.connectToServer(serverName_);
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
