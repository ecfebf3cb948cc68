#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

namespace orebell {

// One copy of the program per settings store. The first copy holds a lock file beside the store
// and listens on a local socket (in the user's runtime folder; a named pipe on Windows); a later
// start finds the lock held, asks the running copy to come to the front and ends without touching
// the store or the log.
//
// The lock belongs to the store, not to the environment a copy was started in: any copy that
// would write that store sees it, whatever its TMPDIR, USER or runtime folder, and another
// store (another XDG_CONFIG_HOME) runs beside. The socket's name is written beside the lock, so
// that a copy started with another runtime folder still reaches the first.
//
// The lock is a QLockFile whose holder is checked by process: a copy that crashed or was killed
// leaves a lock that the next start finds stale and takes over, with the socket it left behind.
class SingleInstance : public QObject {
public:
    // `lockPath`: the store's lock file (QtSettingsStore::lockFileFor).
    explicit SingleInstance(const QString& lockPath);
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

    // The socket this copy listens on (or would): named from the lock's path, hashed so that any
    // path makes a valid pipe and file name.
    QString serverName() const { return serverName_; }
    QString lockPath() const { return lockPath_; }
    // Where the holder writes the socket it listens on.
    QString socketNotePath() const { return lockPath_ + QStringLiteral("-socket"); }

private:
    void acceptConnections();

    QString lockPath_;
    QString serverName_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> raise_;
};

} // namespace orebell
