#include "platform/HandOverLine.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <algorithm>

namespace orebell {

namespace {

const QByteArray RaiseRequest = QByteArrayLiteral("raise\n");
const QByteArray RaiseDone = QByteArrayLiteral("raised\n");

int remainingMs(const QDeadlineTimer& deadline)
{
    return static_cast<int>(std::max<qint64>(1, deadline.remainingTime()));
}

class LocalSocketLine final : public HandOverLine {
public:
    bool listen(const QString& name, std::function<void()> raise, QString* fullName, QString* error) override
    {
        raise_ = std::move(raise);
        // Whatever socket has this name was left by a copy that is gone.
        QLocalServer::removeServer(name);
        server_ = std::make_unique<QLocalServer>();
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] { accept(); });
        if (!server_->listen(name)) {
            *error = server_->errorString();
            server_.reset();
            return false;
        }
        *fullName = server_->fullServerName();
        return true;
    }

    bool ask(const QString& name, QDeadlineTimer deadline) override
    {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (!socket.waitForConnected(remainingMs(deadline)))
            return false;
        socket.write(RaiseRequest);
        if (!socket.waitForBytesWritten(remainingMs(deadline)))
            return false;
        while (!socket.canReadLine() && socket.waitForReadyRead(remainingMs(deadline))) {
        }
        return socket.canReadLine() && socket.readLine(64) == RaiseDone;
    }

private:
    void accept()
    {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
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

    std::unique_ptr<QLocalServer> server_;
    std::function<void()> raise_;
};

} // namespace

std::unique_ptr<HandOverLine> makeLocalSocketLine() { return std::make_unique<LocalSocketLine>(); }

} // namespace orebell
