#pragma once

#include "toolkit/Platform.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <cstdint>

namespace orebell {

class WaveOutWorker;

// The sound player on Windows: libsndfile reads the file (every WAV encoding) as 16-bit frames,
// and the system's waveOut device plays them from a few buffers that are refilled as each one is
// done, so that a long file is neither decoded whole nor held in memory. It runs on a thread of
// its own; play() only posts the request, and a newer request makes an older one that has not
// started yet moot. A file that cannot be played, or a machine without an audio device, sounds
// the system's alert instead. The waveOut API is part of every Windows; Qt Multimedia would add
// its libraries and Media Foundation for the same few alerts.
class WinSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit WinSoundPlayer(QObject* parent = nullptr);
    ~WinSoundPlayer() override;

    void play(const QString& path) override;
    void stop();

signals:
    // Emitted from the player's thread; receivers on other threads get them queued.
    void started(const QString& path);  // the device began to play the file
    void finished(const QString& path); // the file played to its end
    void fellBack(const QString& path); // the file could not be played; the system alert sounded

private:
    friend class WaveOutWorker;
    QThread thread_;
    // Lives on thread_ and is deleted there as the thread finishes.
    WaveOutWorker* worker_ = nullptr;
    std::atomic<std::uint64_t> latest_{0};
};

} // namespace orebell
