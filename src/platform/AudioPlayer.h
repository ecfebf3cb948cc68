#pragma once

#include "platform/SoundThread.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QIODevice>
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

// The real sound player on Linux: libsndfile decodes, Qt Multimedia's QAudioSink plays, on the
// shared sound thread. A file that cannot be played, or a machine without an audio device, sounds
// the system's alert instead.
class AudioPlayer : public ThreadedSoundPlayer {
public:
    explicit AudioPlayer(QObject* parent = nullptr);
};

// Picks the format to play a file in on the default output: the file's own rate and channels
// when the device takes them, else the nearest the device offers.
QAudioFormat chooseOutputFormat(const QAudioDevice& device, int rate, int channels, bool wide);

} // namespace orebell
