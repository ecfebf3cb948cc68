#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

namespace orebell {

// One copy of the program per user and application name. The first copy holds a lock file and
// listens on a local socket (a named pipe on Windows); a later start finds the lock held, asks
// the running copy to come to the front and ends without touching the store or the log.
//
// The lock is a QLockFile whose holder is checked by process: a copy that crashed or was killed
// leaves a lock that the next start finds stale and takes over, with the socket it left behind.
class SingleInstance : public QObject {
public:
    // `applicationName`: the store's application name (the program's file name), so a copy
    // started under another file name keeps a store of its own and runs beside this one.
    explicit SingleInstance(const QString& applicationName);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock and starts listening; false when another running copy holds it.
    bool claim();
    // From a later copy: asks the running one to come to the front. False when it did not
    // answer within `timeoutMs` (it may still be starting, or hang).
    bool handOver(int timeoutMs = 5000);
    // Called in the first copy, on its event loop, each time a later start hands over.
    void onActivationRequested(std::function<void()> raise) { raise_ = std::move(raise); }

    // The socket's name and the lock file's path: the user and the application name, hashed
    // so that any name makes a valid pipe and file name.
    QString serverName() const { return serverName_; }
    QString lockPath() const;

private:
    void acceptConnections();

    QString serverName_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> raise_;
};

} // namespace orebell
