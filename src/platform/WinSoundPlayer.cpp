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
// A device may call a buffer done once it has taken the samples, before they are heard (Wine's
// does); closing it then cuts the sound's end. Silence after the last samples is what gets cut.
constexpr int TailMilliseconds = 200;
} // namespace

class WaveOutWorker : public SoundWorker {
public:
    using SoundWorker::SoundWorker;

    ~WaveOutWorker() override
    {
        release();
        notifier_.reset();
        if (event_)
            CloseHandle(event_);
    }

    void play(const QString& path) override
    {
        release();
        if (!watchDevice() || !openFile(path) || !openDevice()) {
            release();
            reportFellBack(path);
            return;
        }
        path_ = path;
        for (Buffer& b : buffers_)
            if (!queueNext(b))
                break;
        if (queued() == 0) {
            release();
            reportFellBack(path);
            return;
        }
        reportStarted(path);
    }

    void release() override
    {
        if (device_) {
            waveOutReset(device_); // marks every queued buffer done
            for (Buffer& b : buffers_)
                unprepare(b);
            waveOutClose(device_);
            device_ = nullptr;
        }
        closeFile();
        tailQueued_ = false;
        path_.clear();
    }

private:
    struct Buffer {
        WAVEHDR header{};
        std::vector<short> samples;
    };

    // The device signals an event as it finishes each buffer. The notifier is made here, on the
    // sound thread, so that the signal wakes this thread's own event loop.
    bool watchDevice()
    {
        if (notifier_)
            return true;
        event_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        if (!event_)
            return false;
        notifier_ = std::make_unique<QWinEventNotifier>(event_);
        connect(notifier_.get(), &QWinEventNotifier::activated, this, [this] { buffersDone(); });
        return true;
    }

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

    void closeFile()
    {
        if (file_) {
            sf_close(file_);
            file_ = nullptr;
        }
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

    void unprepare(Buffer& b)
    {
        if (b.header.dwFlags & WHDR_PREPARED)
            waveOutUnprepareHeader(device_, &b.header, sizeof(WAVEHDR));
        b.header = {};
    }

    // Hands `b` the next stretch of the file, or once the file is read, the silent tail; false
    // when there is nothing left to play.
    bool queueNext(Buffer& b)
    {
        unprepare(b);
        if (file_ && readFile(b))
            return write(b);
        closeFile();
        if (tailQueued_)
            return false;
        tailQueued_ = true;
        const auto frames = format_.nSamplesPerSec * TailMilliseconds / 1000;
        b.samples.assign(static_cast<std::size_t>(frames * format_.nChannels), 0);
        return write(b);
    }

    bool readFile(Buffer& b)
    {
        const sf_count_t frames = format_.nSamplesPerSec * BufferMilliseconds / 1000;
        read_.resize(static_cast<std::size_t>(frames * fileChannels_));
        const sf_count_t got = sf_readf_short(file_, read_.data(), frames);
        if (got <= 0)
            return false;
        // Mono and stereo play as they are; of more channels, the first two (front left and right).
        const int out = format_.nChannels;
        b.samples.resize(static_cast<std::size_t>(got * out));
        for (sf_count_t f = 0; f < got; ++f)
            for (int c = 0; c < out; ++c)
                b.samples[f * out + c] = read_[f * fileChannels_ + c];
        return true;
    }

    bool write(Buffer& b)
    {
        b.header.lpData = reinterpret_cast<LPSTR>(b.samples.data());
        b.header.dwBufferLength = static_cast<DWORD>(b.samples.size() * sizeof(short));
        if (waveOutPrepareHeader(device_, &b.header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR)
            return false;
        if (waveOutWrite(device_, &b.header, sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
            unprepare(b);
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

    // The device finished one or more buffers: refill them while there is more to play, and once
    // the last one has played, the file has finished.
    void buffersDone()
    {
        if (!device_)
            return;
        for (Buffer& b : buffers_)
            if ((b.header.dwFlags & WHDR_PREPARED) && (b.header.dwFlags & WHDR_DONE))
                queueNext(b);
        if (queued() > 0)
            return;
        const QString path = path_;
        release();
        reportFinished(path);
    }

    void beep() override { MessageBeep(MB_OK); }

    HANDLE event_ = nullptr;
    std::unique_ptr<QWinEventNotifier> notifier_;
    HWAVEOUT device_ = nullptr;
    SNDFILE* file_ = nullptr;
    int fileChannels_ = 0;
    WAVEFORMATEX format_{};
    std::array<Buffer, BufferCount> buffers_;
    std::vector<short> read_;
    bool tailQueued_ = false;
    QString path_;
};

WinSoundPlayer::WinSoundPlayer(QObject* parent) : ThreadedSoundPlayer(parent)
{
    run(std::make_unique<WaveOutWorker>(*this));
}

std::unique_ptr<SoundPlayer> makeAudioPlayer() { return std::make_unique<WinSoundPlayer>(); }

} // namespace orebell
