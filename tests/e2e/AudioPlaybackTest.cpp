// Plays real files through the real player into a private PulseAudio null sink and listens to the
// sink's monitor. Run through run-with-pulse.sh, which starts that server.
#include "platform/AudioPlayer.h"
#include "platform/ProgramModules.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <vector>

using namespace orebell;

namespace {

constexpr int RecordRate = 16000;
constexpr float Threshold = 0.05f; // test tones are at half scale; silence is exact zeros

QString sinkName() { return qEnvironmentVariable("OREBELL_E2E_SINK"); }

// What the monitor heard, mono at RecordRate.
struct Heard {
    std::vector<float> samples;

    long first() const
    {
        for (size_t i = 0; i < samples.size(); ++i)
            if (std::fabs(samples[i]) > Threshold)
                return static_cast<long>(i);
        return -1;
    }
    long last() const
    {
        for (size_t i = samples.size(); i-- > 0;)
            if (std::fabs(samples[i]) > Threshold)
                return static_cast<long>(i);
        return -1;
    }
    // Seconds from the first to the last audible sample.
    double length() const { return first() < 0 ? 0.0 : double(last() - first() + 1) / RecordRate; }
    // Longest run of near-silence between the first and the last audible sample, in seconds:
    // a stutter or a dropped block shows here.
    double longestGap() const
    {
        long run = 0, longest = 0;
        for (long i = first(); i >= 0 && i <= last(); ++i) {
            run = std::fabs(samples[i]) > Threshold * 0.2f ? 0 : run + 1;
            longest = std::max(longest, run);
        }
        return double(longest) / RecordRate;
    }
    // Pitch by counting rising crossings with a little hysteresis, over [from, to) seconds
    // counted from the first audible sample.
    double frequency(double from, double to) const
    {
        const long begin = first() + long(from * RecordRate);
        const long end = std::min<long>(first() + long(to * RecordRate), last());
        int crossings = 0;
        bool low = false;
        for (long i = begin; i < end; ++i) {
            if (samples[i] < -0.1f)
                low = true;
            else if (low && samples[i] > 0.1f) {
                low = false;
                ++crossings;
            }
        }
        return end > begin ? crossings / (double(end - begin) / RecordRate) : 0.0;
    }
    double peak() const
    {
        float p = 0;
        for (float s : samples)
            p = std::max(p, std::fabs(s));
        return p;
    }
};

// parec on the null sink's monitor, writing a WAV file that libsndfile reads back.
class MonitorRecording {
public:
    explicit MonitorRecording(QString file) : file_(std::move(file))
    {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(OREBELL_PAREC),
                       {QStringLiteral("-d"), sinkName() + QStringLiteral(".monitor"),
                        QStringLiteral("--rate=%1").arg(RecordRate), QStringLiteral("--channels=1"),
                        QStringLiteral("--format=s16le"), QStringLiteral("--file-format=wav"),
                        QStringLiteral("--latency-msec=20"), file_});
        started_ = process_.waitForStarted(5000);
        // Nothing plays before the monitor stream delivers: wait for a tenth of a second of
        // recorded silence beyond the header (the first stream of a fresh server can take two
        // seconds to start).
        QElapsedTimer timer;
        timer.start();
        while (started_ && QFileInfo(file_).size() < 44 + RecordRate / 5 && timer.elapsed() < 5000)
            QTest::qWait(10);
    }
    ~MonitorRecording() { stop(); }
    bool started() const { return started_; }

    Heard stop()
    {
        Heard heard;
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate(); // parec closes its file properly on SIGTERM
            process_.waitForFinished(5000);
        }
        SF_INFO info{};
        SNDFILE* f = sf_open(QFile::encodeName(file_).constData(), SFM_READ, &info);
        if (!f)
            return heard;
        heard.samples.resize(static_cast<size_t>(info.frames) * info.channels);
        const sf_count_t got = sf_readf_float(f, heard.samples.data(), info.frames);
        heard.samples.resize(static_cast<size_t>(std::max<sf_count_t>(got, 0)) * info.channels);
        sf_close(f);
        return heard;
    }

private:
    QString file_;
    QProcess process_;
    bool started_ = false;
};

// The player's signals, received on this thread (they are emitted on the player's own).
struct Events : QObject {
    explicit Events(AudioPlayer& player)
    {
        connect(&player, &AudioPlayer::started, this, [this](const QString& p) { started << p; });
        connect(&player, &AudioPlayer::finished, this, [this](const QString& p) { finished << p; });
        connect(&player, &AudioPlayer::fellBack, this, [this](const QString& p) { fellBack << p; });
    }
    QStringList started, finished, fellBack;
};

// Runs the event loop until `list` holds `n` entries or `ms` have passed.
bool waitFor(const QStringList& list, int n, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (list.size() < n && timer.elapsed() < ms)
        QTest::qWait(5);
    return list.size() >= n;
}

struct Encoding {
    const char* name;
    QStringList sox; // sox output options for the encoding
    int rate;
    int channels;
};

std::ostream& operator<<(std::ostream& os, const Encoding& e) { return os << e.name; }

// A half-scale sine of the given length and pitch, written with sox in one encoding.
QString makeTone(const QTemporaryDir& dir, const Encoding& e, double seconds, int hz)
{
    const QString file = dir.filePath(QStringLiteral("%1_%2.wav").arg(QString::fromLatin1(e.name)).arg(hz));
    QStringList args{QStringLiteral("-D"),    QStringLiteral("-n"), QStringLiteral("-r"),
                     QString::number(e.rate), QStringLiteral("-c"), QString::number(e.channels)};
    args << e.sox << file << QStringLiteral("synth") << QString::number(seconds) << QStringLiteral("sine")
         << QString::number(hz) << QStringLiteral("gain") << QStringLiteral("-6");
    if (QProcess::execute(QStringLiteral(OREBELL_SOX), args) != 0)
        return {};
    return file;
}

const Encoding Pcm16{"pcm16", {"-e", "signed-integer", "-b", "16"}, 44100, 2};

class AudioEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (sinkName().isEmpty())
            GTEST_SKIP() << "run through run-with-pulse.sh, which provides the sound server";
        ASSERT_TRUE(dir.isValid());
    }
    QTemporaryDir dir;
};

class EveryWavEncoding : public AudioEndToEnd, public ::testing::WithParamInterface<Encoding> {};

TEST_P(EveryWavEncoding, PlaysWholeAndAtTheRightPitch)
{
    const Encoding& e = GetParam();
    const QString wav = makeTone(dir, e, 0.6, 440);
    ASSERT_FALSE(wav.isEmpty()) << "sox could not write " << e.name;

    AudioPlayer player;
    Events events(player);
    MonitorRecording recording(dir.filePath(QStringLiteral("heard.wav")));
    ASSERT_TRUE(recording.started());

    QElapsedTimer call;
    call.start();
    player.play(wav);
    EXPECT_LT(call.elapsed(), 50) << "play() must return at once";
    ASSERT_TRUE(waitFor(events.finished, 1, 5000)) << "not played; fell back: " << events.fellBack.size();
    const Heard heard = recording.stop();

    EXPECT_TRUE(events.fellBack.isEmpty());
    EXPECT_NEAR(heard.length(), 0.6, 0.08) << e.name;
    EXPECT_LT(heard.longestGap(), 0.02) << e.name;
    EXPECT_NEAR(heard.frequency(0.05, 0.55), 440, 20) << e.name;
    EXPECT_GT(heard.peak(), 0.3) << e.name; // about half scale arrived, not a whisper
}

INSTANTIATE_TEST_SUITE_P(
    Wav, EveryWavEncoding,
    ::testing::Values(Encoding{"pcm8", {"-e", "unsigned-integer", "-b", "8"}, 11025, 1}, Pcm16,
                      Encoding{"pcm24", {"-e", "signed-integer", "-b", "24"}, 96000, 2},
                      Encoding{"pcm32", {"-e", "signed-integer", "-b", "32"}, 48000, 1},
                      Encoding{"float32", {"-e", "floating-point", "-b", "32"}, 22050, 2},
                      Encoding{"ima_adpcm", {"-e", "ima-adpcm"}, 22050, 1},
                      Encoding{"ms_adpcm", {"-e", "ms-adpcm"}, 11025, 2},
                      Encoding{"mu_law", {"-e", "u-law"}, 8000, 1},
                      Encoding{"a_law", {"-e", "a-law"}, 16000, 1},
                      Encoding{"gsm610", {"-e", "gsm-full-rate"}, 8000, 1}),
    [](const ::testing::TestParamInfo<Encoding>& info) { return std::string(info.param.name); });

TEST_F(AudioEndToEnd, ANewSoundCutsOffTheOneStillPlaying)
{
    const QString longTone = makeTone(dir, Pcm16, 3.0, 440);
    const QString shortTone = makeTone(dir, Pcm16, 0.4, 880);
    ASSERT_FALSE(longTone.isEmpty());
    ASSERT_FALSE(shortTone.isEmpty());

    AudioPlayer player;
    Events events(player);
    MonitorRecording recording(dir.filePath(QStringLiteral("heard.wav")));
    player.play(longTone);
    ASSERT_TRUE(waitFor(events.started, 1, 3000));
    QTest::qWait(500);
    player.play(shortTone);
    ASSERT_TRUE(waitFor(events.finished, 1, 5000));
    const Heard heard = recording.stop();

    EXPECT_EQ(events.started, (QStringList{longTone, shortTone}));
    EXPECT_EQ(events.finished, QStringList{shortTone}); // the long one never ran to its end
    // About half a second of the long tone, then the short one, and nothing of the long tone's
    // remaining two and a half seconds.
    EXPECT_GT(heard.length(), 0.7);
    EXPECT_LT(heard.length(), 1.4);
    EXPECT_NEAR(heard.frequency(heard.length() - 0.3, heard.length() - 0.05), 880, 40);
    EXPECT_NEAR(heard.frequency(0.05, 0.35), 440, 20);
}

TEST_F(AudioEndToEnd, AFileThatCannotBePlayedFallsBackWithoutSound)
{
    QFile text(dir.filePath(QStringLiteral("notes.wav")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("this is not a sound\n");
    text.close();

    AudioPlayer player;
    Events events(player);
    MonitorRecording recording(dir.filePath(QStringLiteral("heard.wav")));
    const QString missing = dir.filePath(QStringLiteral("missing.wav"));
    player.play(missing);
    player.play(text.fileName());
    // The first request may be dropped unplayed when the second arrives before it ran.
    ASSERT_TRUE(waitFor(events.fellBack, 1, 3000));
    QTest::qWait(300);
    const Heard heard = recording.stop();

    EXPECT_EQ(events.fellBack.last(), text.fileName());
    EXPECT_TRUE(events.started.isEmpty());
    EXPECT_LT(heard.peak(), Threshold);
}

// The shipped program's player: the first sound asked for loads the module on a thread of its
// own and is heard whole once it is in; the next one plays through the loaded player.
TEST_F(AudioEndToEnd, TheModulePlayerSoundsTheFirstRequestOnceItsModuleIsIn)
{
    const QString first = makeTone(dir, Pcm16, 0.6, 440);
    const QString second = makeTone(dir, Pcm16, 0.4, 880);
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());
    struct : MessageBoxService {
        QStringList texts;
        void show(const QString& text) override { texts << text; }
    } messages;
    auto player = makeModuleSoundPlayer(messages, QStringLiteral(OREBELL_RUNTIME_DIR));
    MonitorRecording recording(dir.filePath(QStringLiteral("heard.wav")));
    ASSERT_TRUE(recording.started());

    QElapsedTimer call;
    call.start();
    player->play(first);
    EXPECT_LT(call.elapsed(), 50) << "play() must return at once";
    QTest::qWait(1500);
    player->play(second);
    QTest::qWait(1200);
    const Heard heard = recording.stop();

    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(u'\n').toStdString();
    EXPECT_NEAR(heard.frequency(0.05, 0.55), 440, 20);
    EXPECT_GT(heard.peak(), 0.3);
    EXPECT_NEAR(heard.length(), 1.5 + 0.4, 0.3); // from the first tone's start to the second's end
}

} // namespace
