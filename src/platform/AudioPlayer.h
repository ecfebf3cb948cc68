#pragma once

#include "toolkit/Platform.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QIODevice>
#include <QObject>
#include <QThread>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

struct sf_private_tag;

namespace orebell {

// A sound file decoded on demand into the sample format an audio device asked for. libsndfile
// reads every WAV encoding (PCM 8 to 32 bit, float, IMA and MS ADPCM, mu-law, A-law, GSM 6.10)
// as float frames; this class maps the channels, resamples linearly when the rates differ and
// writes the device's sample format. Reading from disk happens only as the device pulls, so a
// long file neither waits to be decoded whole nor sits in memory.
class DecodedSound : public QIODevice {
public:
    ~DecodedSound() override;

    // Null when the file is missing or not a sound libsndfile can read; `error` says why.
    static std::unique_ptr<DecodedSound> open(const QString& path, QString* error = nullptr);

    int fileSampleRate() const { return inRate_; }
    int fileChannels() const { return inChannels_; }
    std::int64_t fileFrames() const { return inFrames_; }
    // True for encodings with more than 16 bits of resolution, worth playing as float.
    bool wide() const { return wide_; }

    // Must be set before reading; opens the device for reading.
    void setOutputFormat(const QAudioFormat& format);
    const QAudioFormat& outputFormat() const { return out_; }
    // Frames the device will receive for the whole file at the output rate.
    std::int64_t outputFrames() const;

    bool isSequential() const override { return true; }
    bool atEnd() const override;
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    DecodedSound() = default;
    bool fill(std::int64_t needFrame); // makes input frame `needFrame` available if it exists
    void writeSample(char*& out, float value) const;

    sf_private_tag* file_ = nullptr;
    int inRate_ = 0;
    int inChannels_ = 0;
    std::int64_t inFrames_ = 0;
    bool wide_ = false;

    QAudioFormat out_;
    int outChannels_ = 0;
    double step_ = 1.0;          // input frames per output frame
    std::int64_t outIndex_ = 0;  // output frames written so far
    double position_ = 0.0;      // input frame of the next output frame
    bool exhausted_ = false;     // the file has no frames left to read
    std::int64_t bufStart_ = 0;  // input frame held at buf_[0]
    std::vector<float> buf_;     // input frames already mapped to the output channels
    std::vector<float> readBuf_; // one block as the file holds it
};

class AudioWorker;

// The real sound player: asynchronous, one channel, never blocking the caller. Decoding and the
// audio device live on a thread of their own; play() only posts the request, and a newer request
// makes an older one that has not started yet moot. A file that cannot be played, or a machine
// without an audio device, sounds the system's alert instead.
class AudioPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit AudioPlayer(QObject* parent = nullptr);
    ~AudioPlayer() override;

    void play(const QString& path) override;
    void stop();

signals:
    // Emitted from the player's thread; receivers on other threads get them queued.
    void started(const QString& path);  // the device began to take the file's samples
    void finished(const QString& path); // the file played to its end
    void fellBack(const QString& path); // the file could not be played; the system alert sounded

private:
    friend class AudioWorker;
    QThread thread_;
    // Lives on thread_ and is deleted there as the thread finishes (finished -> deleteLater), so
    // that the audio objects it owns are destroyed on the thread they belong to.
    AudioWorker* worker_ = nullptr;
    std::atomic<std::uint64_t> latest_{0};
};

// Picks the format to play a file in on the default output: the file's own rate and channels
// when the device takes them, else the nearest the device offers.
QAudioFormat chooseOutputFormat(const QAudioDevice& device, int rate, int channels, bool wide);

} // namespace orebell
