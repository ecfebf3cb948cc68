#include "platform/AudioPlayer.h"

#include "platform/NativeServices.h"

#include <QApplication>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace orebell {

namespace {
constexpr sf_count_t BlockFrames = 4096;
constexpr int MaxChannels = 64;
constexpr int BufferMicroseconds = 250'000; // rides out a busy machine (the game!), still prompt
} // namespace

// ---------------------------------------------------------------------------------------------
// DecodedSound

DecodedSound::~DecodedSound()
{
    if (file_)
        sf_close(file_);
}

std::unique_ptr<DecodedSound> DecodedSound::open(const QString& path, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return std::unique_ptr<DecodedSound>();
    };
    if (path.isEmpty())
        return fail(QStringLiteral("no file name"));
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return fail(QString::fromLocal8Bit(sf_strerror(nullptr)));
    std::unique_ptr<DecodedSound> sound(new DecodedSound);
    sound->file_ = file;
    if (info.channels < 1 || info.channels > MaxChannels || info.samplerate < 1 || info.frames <= 0)
        return fail(QStringLiteral("the file holds no playable audio"));
    sound->inRate_ = info.samplerate;
    sound->inChannels_ = info.channels;
    sound->inFrames_ = info.frames;
    const int subtype = info.format & SF_FORMAT_SUBMASK;
    sound->wide_ = subtype == SF_FORMAT_PCM_24 || subtype == SF_FORMAT_PCM_32 || subtype == SF_FORMAT_FLOAT ||
                   subtype == SF_FORMAT_DOUBLE;
    return sound;
}

void DecodedSound::setOutputFormat(const QAudioFormat& format)
{
    out_ = format;
    outChannels_ = format.channelCount();
    step_ = static_cast<double>(inRate_) / format.sampleRate();
    if (!isOpen())
        QIODevice::open(QIODevice::ReadOnly);
}

std::int64_t DecodedSound::outputFrames() const
{
    if (step_ <= 0)
        return 0;
    return static_cast<std::int64_t>(std::ceil(static_cast<double>(inFrames_) / step_ - 1e-9));
}

bool DecodedSound::fill(std::int64_t needFrame)
{
    const int oc = outChannels_;
    auto buffered = [&] { return bufStart_ + static_cast<std::int64_t>(buf_.size()) / oc; };
    if (needFrame < buffered())
        return true;
    if (exhausted_)
        return false;
    // Keep only the frame under the current output position: interpolation needs it and its
    // successor, nothing older.
    const auto keepFrom = std::max(bufStart_, static_cast<std::int64_t>(std::floor(position_)));
    const auto drop =
        std::min<std::int64_t>(keepFrom - bufStart_, static_cast<std::int64_t>(buf_.size()) / oc);
    buf_.erase(buf_.begin(), buf_.begin() + drop * oc);
    bufStart_ += drop;

    const int ic = inChannels_;
    readBuf_.resize(static_cast<size_t>(BlockFrames) * ic);
    while (needFrame >= buffered()) {
        const sf_count_t got = sf_readf_float(file_, readBuf_.data(), BlockFrames);
        if (got <= 0) {
            exhausted_ = true;
            return false;
        }
        const size_t base = buf_.size();
        buf_.resize(base + static_cast<size_t>(got) * oc);
        float* dst = buf_.data() + base;
        for (sf_count_t f = 0; f < got; ++f) {
            const float* src = readBuf_.data() + f * ic;
            float* frame = dst + f * oc;
            if (ic == oc) {
                std::memcpy(frame, src, sizeof(float) * oc);
            } else if (ic == 1) {
                std::fill(frame, frame + oc, src[0]);
            } else {
                // Fold the file's channels onto the device's: channel c takes the mean of every
                // input channel that maps to it (all of them for a mono device).
                for (int c = 0; c < oc; ++c) {
                    float sum = 0;
                    int n = 0;
                    for (int k = c; k < ic; k += oc) {
                        sum += src[k];
                        ++n;
                    }
                    frame[c] = n ? sum / static_cast<float>(n) : 0.0f;
                }
            }
        }
    }
    return true;
}

void DecodedSound::writeSample(char*& out, float value) const
{
    const float v = std::clamp(value, -1.0f, 1.0f);
    switch (out_.sampleFormat()) {
    case QAudioFormat::UInt8: {
        const auto s = static_cast<quint8>(std::lround(v * 127.0f + 128.0f));
        std::memcpy(out, &s, sizeof s);
        out += sizeof s;
        break;
    }
    case QAudioFormat::Int16: {
        const auto s = static_cast<qint16>(std::lround(v * 32767.0f));
        std::memcpy(out, &s, sizeof s);
        out += sizeof s;
        break;
    }
    case QAudioFormat::Int32: {
        const auto s = static_cast<qint32>(std::llround(static_cast<double>(v) * 2147483647.0));
        std::memcpy(out, &s, sizeof s);
        out += sizeof s;
        break;
    }
    case QAudioFormat::Float:
        std::memcpy(out, &v, sizeof v);
        out += sizeof v;
        break;
    default:
        break;
    }
}

qint64 DecodedSound::readData(char* data, qint64 maxSize)
{
    const int bpf = out_.bytesPerFrame();
    if (bpf <= 0 || outChannels_ <= 0)
        return -1;
    const qint64 frames = maxSize / bpf;
    char* out = data;
    qint64 done = 0;
    const int oc = outChannels_;
    while (done < frames) {
        const auto i = static_cast<std::int64_t>(std::floor(position_));
        if (!fill(i))
            break;
        const float frac = static_cast<float>(position_ - static_cast<double>(i));
        const bool haveNext = frac > 0 && fill(i + 1);
        const float* a = buf_.data() + (i - bufStart_) * oc;
        const float* b = haveNext ? buf_.data() + (i + 1 - bufStart_) * oc : a;
        for (int c = 0; c < oc; ++c)
            writeSample(out, a[c] + (b[c] - a[c]) * frac);
        ++done;
        ++outIndex_;
        position_ = static_cast<double>(outIndex_) * step_;
    }
    return done * bpf;
}

bool DecodedSound::atEnd() const
{
    if (!exhausted_)
        return false;
    const auto i = static_cast<std::int64_t>(std::floor(position_));
    return i >= bufStart_ + static_cast<std::int64_t>(buf_.size()) / std::max(1, outChannels_);
}

qint64 DecodedSound::bytesAvailable() const
{
    const std::int64_t left = atEnd() ? 0 : std::max<std::int64_t>(outputFrames() - outIndex_, 1);
    return left * out_.bytesPerFrame() + QIODevice::bytesAvailable();
}

QAudioFormat chooseOutputFormat(const QAudioDevice& device, int rate, int channels, bool wide)
{
    const QAudioFormat preferred = device.preferredFormat();
    const QAudioFormat::SampleFormat order[] = {
        wide ? QAudioFormat::Float : QAudioFormat::Int16,
        wide ? QAudioFormat::Int16 : QAudioFormat::Float,
        QAudioFormat::Int32,
        QAudioFormat::UInt8,
    };
    const std::pair<int, int> shapes[] = {
        {rate, channels},
        {preferred.sampleRate(), channels},
        {rate, preferred.channelCount()},
        {preferred.sampleRate(), preferred.channelCount()},
    };
    for (const auto& [r, c] : shapes) {
        for (const auto f : order) {
            QAudioFormat format;
            format.setSampleRate(r);
            format.setChannelCount(c);
            format.setSampleFormat(f);
            if (format.isValid() && device.isFormatSupported(format))
                return format;
        }
    }
    return preferred;
}

// ---------------------------------------------------------------------------------------------
// The player's thread

class AudioWorker : public SoundWorker {
public:
    using SoundWorker::SoundWorker;

    void play(const QString& path) override
    {
        release();
        auto sound = DecodedSound::open(path);
        if (!sound) {
            reportFellBack(path);
            return;
        }
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            reportFellBack(path);
            return;
        }
        const QAudioFormat format =
            chooseOutputFormat(device, sound->fileSampleRate(), sound->fileChannels(), sound->wide());
        if (!format.isValid()) {
            reportFellBack(path);
            return;
        }
        sound->setOutputFormat(format);
        auto sink = std::make_unique<QAudioSink>(device, format);
        sink->setBufferSize(format.bytesForDuration(BufferMicroseconds));
        // State changes can arrive inside start() and stop(); act on them only once the sink's
        // own call has returned, and only for the sink that is still current.
        const std::uint64_t token = token_;
        connect(sink.get(), &QAudioSink::stateChanged, this, [this, token](QAudio::State) {
            QMetaObject::invokeMethod(
                this, [this, token] { stateChanged(token); }, Qt::QueuedConnection);
        });
        path_ = path;
        sound_ = std::move(sound);
        sink_ = std::move(sink);
        sink_->start(sound_.get());
        if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
            release();
            reportFellBack(path);
            return;
        }
        reportStarted(path);
    }

    // Stops and closes whatever plays; callbacks of the old sink still queued become moot.
    void release() override
    {
        ++token_;
        if (sink_) {
            sink_->disconnect(this);
            sink_->stop();
            sink_.reset();
        }
        sound_.reset();
    }

private:
    void stateChanged(std::uint64_t token)
    {
        if (token != token_ || !sink_)
            return;
        if (sink_->state() == QAudio::IdleState && sound_ && sound_->atEnd()) {
            // The file is read to its end, but the device still holds up to a buffer of it:
            // let that play out before the stream is closed.
            const QString path = path_;
            const auto buffered = sink_->format().durationForBytes(sink_->bufferSize());
            const int waitMs = static_cast<int>(buffered / 1000) + 250;
            QTimer::singleShot(waitMs, this, [this, token, path] {
                if (token != token_)
                    return;
                release();
                reportFinished(path);
            });
        } else if (sink_->state() == QAudio::StoppedState && sink_->error() != QAudio::NoError) {
            release(); // the device went away; nothing more to play
        }
    }

    void beep() override
    {
        if (QCoreApplication* app = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(
                app,
                [] {
                    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
                        QApplication::beep();
                },
                Qt::QueuedConnection);
        }
    }

    std::unique_ptr<DecodedSound> sound_;
    std::unique_ptr<QAudioSink> sink_;
    QString path_;
    std::uint64_t token_ = 0;
};

// ---------------------------------------------------------------------------------------------
// AudioPlayer

AudioPlayer::AudioPlayer(QObject* parent) : ThreadedSoundPlayer(parent)
{
    run(std::make_unique<AudioWorker>(*this));
}

std::unique_ptr<SoundPlayer> makeAudioPlayer() { return std::make_unique<AudioPlayer>(); }

} // namespace orebell
