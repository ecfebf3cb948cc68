#pragma once

#include "platform/HandOverLine.h"

#include <QObject>
#include <QString>

#include <functional>
#include <future>
#include <memory>

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
//
// Taking the lock is all that must come before the first frame; the socket follows it (listen()),
// and a later copy that comes in between waits for it.
class SingleInstance : public QObject {
public:
    // `lockPath`: the store's lock file (QtSettingsStore::lockFileFor); `makeLine`: the socket's
    // implementation (a module in the shipped program), made when first needed.
    SingleInstance(const QString& lockPath, HandOverLineMaker makeLine);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Starts taking the lock on a thread of its own, beside QApplication's start: the lock is
    // written to disk and synced, which the first frame need not wait for.
    void claimInBackground();
    // Takes the lock (or waits for claimInBackground() to); false when another running copy holds it.
    bool claim();
    // Gives the lock back (once it is taken), for a copy that ends before its window.
    void release();
    // Holding the lock, listens for later copies and notes the socket beside the lock.
    void listen();
    // From a later copy: asks the running one to come to the front. False when it did not
    // answer within `timeoutMs` (it may still be starting, or hang).
    bool handOver(int timeoutMs = 5000);
    // Called in the first copy, on its event loop, each time a later start hands over.
    void onActivationRequested(std::function<void()> raise) { raise_ = std::move(raise); }

    QString lockPath() const { return lockPath_; }
    // Where the holder writes the socket it listens on.
    QString socketNotePath() const { return lockPath_ + QStringLiteral("-socket"); }

private:
    HandOverLine* line();
    bool takeLock();
    void stopListening();

    QString lockPath_;
    HandOverLineMaker makeLine_;
    std::unique_ptr<HandOverLine> line_;
    std::unique_ptr<QLockFile> lock_;
    std::future<bool> claiming_;
    bool listening_ = false;
    std::function<void()> raise_;
};

} // namespace orebell
