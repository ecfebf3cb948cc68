#pragma once

#include "toolkit/Platform.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <cstdint>
#include <memory>

namespace orebell {

class ThreadedSoundPlayer;

// What plays on the sound thread: a platform's device and decoder. It lives on that thread and is
// deleted there, so that the device objects it owns end on the thread they belong to.
class SoundWorker : public QObject {
public:
    explicit SoundWorker(ThreadedSoundPlayer& player) : player_(player) {}
    // Stops whatever plays and starts `path`; on any failure the worker falls back.
    virtual void play(const QString& path) = 0;
    // Stops and closes whatever plays; reports nothing.
    virtual void release() = 0;

protected:
    void reportStarted(const QString& path);
    void reportFinished(const QString& path);
    // The file cannot be played: says so and sounds the system's alert through `beep`.
    void reportFellBack(const QString& path);
    virtual void beep() = 0;

private:
    ThreadedSoundPlayer& player_;
};

// The sound player both platforms share: asynchronous, one channel, never blocking the caller.
// The worker runs on a thread of its own; play() only posts the request, and a newer request
// makes an older one that has not started yet moot.
class ThreadedSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    ~ThreadedSoundPlayer() override;

    void play(const QString& path) override;
    void stop();

signals:
    // Emitted from the player's thread; receivers on other threads get them queued.
    void started(const QString& path);  // the device began to play the file
    void finished(const QString& path); // the file played to its end
    void fellBack(const QString& path); // the file could not be played; the system alert sounded

protected:
    explicit ThreadedSoundPlayer(QObject* parent) : QObject(parent) {}
    // Moves the worker to the sound thread and starts it; called once, by the platform's player.
    void run(std::unique_ptr<SoundWorker> worker);

private:
    friend class SoundWorker;
    QThread thread_;
    SoundWorker* worker_ = nullptr; // owned by thread_: deleted there as it finishes
    std::atomic<std::uint64_t> latest_{0};
};

} // namespace orebell
