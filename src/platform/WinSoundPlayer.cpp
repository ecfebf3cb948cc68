#include "platform/WinSoundPlayer.h"

#include "platform/NativeServices.h"

#include <QWinEventNotifier>

// clang-format off
#include <windows.h>
#include <mmsystem.h>
#define ENABLE_SNDFILE_WINDOWS_PROTOTYPES 1
#include <sndfile.h>
// clang-format on

#include <array>
#include <memory>
#include <vector>

namespace orebell {

namespace {
constexpr int BufferCount = 3;
constexpr int BufferMilliseconds = 100;
} // namespace

class WaveOutWorker : public QObject {
public:
    explicit WaveOutWorker(WinSoundPlayer& player) : player_(player)
    {
        event_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        notifier_ = std::make_unique<QWinEventNotifier>(event_);
        connect(notifier_.get(), &QWinEventNotifier::activated, this, [this] { buffersDone(); });
    }

    ~WaveOutWorker() override
    {
        release();
        notifier_.reset();
        CloseHandle(event_);
    }

    void play(const QString& path, std::uint64_t generation)
    {
        if (generation != player_.latest_.load())
            return; // a newer request is already queued behind this one
        release();
        if (!openFile(path) || !openDevice()) {
            release();
            fallBack(path);
            return;
        }
        path_ = path;
        for (Buffer& b : buffers_)
            if (!queue(b))
                break;
        if (queued() == 0) {
            release();
            fallBack(path);
            return;
        }
        emit player_.started(path);
    }

    // Stops and closes whatever plays.
    void release()
    {
        if (device_) {
            waveOutReset(device_); // marks every queued buffer done
            for (Buffer& b : buffers_)
                if (b.header.dwFlags & WHDR_PREPARED)
                    waveOutUnprepareHeader(device_, &b.header, sizeof(WAVEHDR));
            waveOutClose(device_);
            device_ = nullptr;
        }
        if (file_) {
            sf_close(file_);
            file_ = nullptr;
        }
        path_.clear();
    }

private:
    struct Buffer {
        WAVEHDR header{};
        std::vector<short> samples;
    };

    bool openFile(const QString& path)
    {
        SF_INFO info{};
        file_ = sf_wchar_open(reinterpret_cast<LPCWSTR>(path.utf16()), SFM_READ, &info);
        if (!file_ || info.channels < 1 || info.samplerate < 1)
            return false;
        fileChannels_ = info.channels;
        format_ = {};
        format_.wFormatTag = WAVE_FORMAT_PCM;
        format_.nChannels = static_cast<WORD>(fileChannels_ >= 2 ? 2 : 1);
        format_.nSamplesPerSec = static_cast<DWORD>(info.samplerate);
        format_.wBitsPerSample = 16;
        format_.nBlockAlign = static_cast<WORD>(format_.nChannels * 2);
        format_.nAvgBytesPerSec = format_.nSamplesPerSec * format_.nBlockAlign;
        return true;
    }

    bool openDevice()
    {
        if (waveOutGetNumDevs() == 0)
            return false;
        const MMRESULT opened = waveOutOpen(&device_, WAVE_MAPPER, &format_,
                                            reinterpret_cast<DWORD_PTR>(event_), 0, CALLBACK_EVENT);
        if (opened != MMSYSERR_NOERROR) {
            device_ = nullptr;
            return false;
        }
        return true;
    }

    // Reads the next stretch of the file into `b` and hands it to the device; false at the end.
    bool queue(Buffer& b)
    {
        if (b.header.dwFlags & WHDR_PREPARED)
            waveOutUnprepareHeader(device_, &b.header, sizeof(WAVEHDR));
        const sf_count_t frames = format_.nSamplesPerSec * BufferMilliseconds / 1000;
        std::vector<short> read(static_cast<std::size_t>(frames * fileChannels_));
        const sf_count_t got = sf_readf_short(file_, read.data(), frames);
        if (got <= 0)
            return false;
        // Mono and stereo play as they are; of more channels, the first two (front left and right).
        const int out = format_.nChannels;
        b.samples.resize(static_cast<std::size_t>(got * out));
        for (sf_count_t f = 0; f < got; ++f)
            for (int c = 0; c < out; ++c)
                b.samples[f * out + c] = read[f * fileChannels_ + c];
        b.header = {};
        b.header.lpData = reinterpret_cast<LPSTR>(b.samples.data());
        b.header.dwBufferLength = static_cast<DWORD>(b.samples.size() * sizeof(short));
        if (waveOutPrepareHeader(device_, &b.header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR)
            return false;
        if (waveOutWrite(device_, &b.header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
            waveOutUnprepareHeader(device_, &b.header, sizeof(WAVEHDR));
            return false;
        }
        return true;
    }

    int queued() const
    {
        int n = 0;
        for (const Buffer& b : buffers_)
            if ((b.header.dwFlags & WHDR_PREPARED) && !(b.header.dwFlags & WHDR_DONE))
                ++n;
        return n;
    }

    // The device finished one or more buffers: refill them while the file lasts, and once the
    // last one has played, the file has finished.
    void buffersDone()
    {
        if (!device_)
            return;
        for (Buffer& b : buffers_)
            if ((b.header.dwFlags & WHDR_PREPARED) && (b.header.dwFlags & WHDR_DONE) && file_)
                if (!queue(b) && file_) {
                    sf_close(file_);
                    file_ = nullptr;
                }
        if (queued() > 0)
            return;
        const QString path = path_;
        release();
        emit player_.finished(path);
    }

    void fallBack(const QString& path)
    {
        emit player_.fellBack(path);
        MessageBeep(MB_OK);
    }

    WinSoundPlayer& player_;
    HANDLE event_ = nullptr;
    std::unique_ptr<QWinEventNotifier> notifier_;
    HWAVEOUT device_ = nullptr;
    SNDFILE* file_ = nullptr;
    int fileChannels_ = 0;
    WAVEFORMATEX format_{};
    std::array<Buffer, BufferCount> buffers_;
    QString path_;
};

WinSoundPlayer::WinSoundPlayer(QObject* parent) : QObject(parent), worker_(new WaveOutWorker(*this))
{
    thread_.setObjectName(QStringLiteral("Orebell sound"));
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

WinSoundPlayer::~WinSoundPlayer()
{
    ++latest_;
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->release(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void WinSoundPlayer::play(const QString& path)
{
    const std::uint64_t generation = ++latest_;
    QMetaObject::invokeMethod(
        worker_, [w = worker_, path, generation] { w->play(path, generation); }, Qt::QueuedConnection);
}

void WinSoundPlayer::stop()
{
    ++latest_;
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->release(); }, Qt::QueuedConnection);
}

std::unique_ptr<SoundPlayer> makeAudioPlayer() { return std::make_unique<WinSoundPlayer>(); }

} // namespace orebell
