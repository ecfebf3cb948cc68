#include "platform/AudioPlayer.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

using namespace orebell;

namespace {

QAudioFormat format(int rate, int channels, QAudioFormat::SampleFormat sample)
{
    QAudioFormat f;
    f.setSampleRate(rate);
    f.setChannelCount(channels);
    f.setSampleFormat(sample);
    return f;
}

// Writes interleaved float frames in the given WAV encoding with libsndfile.
bool writeWav(const QString& path, int subtype, int rate, int channels, const std::vector<float>& frames)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | subtype;
    SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    const sf_count_t n = static_cast<sf_count_t>(frames.size()) / channels;
    const bool ok = sf_writef_float(f, frames.data(), n) == n;
    sf_close(f);
    return ok;
}

std::vector<float> sine(int rate, double seconds, double hz, double amplitude, int channels = 1,
                        int loudChannel = -1)
{
    const int n = static_cast<int>(rate * seconds);
    std::vector<float> out(static_cast<size_t>(n) * channels);
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < channels; ++c)
            if (loudChannel < 0 || c == loudChannel)
                out[static_cast<size_t>(i) * channels + c] =
                    static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hz * i / rate));
    return out;
}

// Everything the device would pull, as floats (the output format must be Float).
std::vector<float> pullAll(DecodedSound& sound)
{
    std::vector<float> out;
    char block[1000]; // not a multiple of the frame size: partial frames must never be written
    for (;;) {
        const qint64 got = sound.read(block, sizeof block);
        EXPECT_GE(got, 0);
        if (got <= 0)
            break;
        EXPECT_EQ(got % sound.outputFormat().bytesPerFrame(), 0);
        const size_t base = out.size();
        out.resize(base + static_cast<size_t>(got) / sizeof(float));
        std::memcpy(out.data() + base, block, static_cast<size_t>(got));
    }
    EXPECT_TRUE(sound.atEnd());
    return out;
}

double rms(const std::vector<float>& s, int channels, int channel)
{
    double sum = 0;
    size_t n = 0;
    for (size_t i = static_cast<size_t>(channel); i < s.size(); i += static_cast<size_t>(channels), ++n)
        sum += double(s[i]) * s[i];
    return n ? std::sqrt(sum / static_cast<double>(n)) : 0;
}

// Rising crossings per second between the first and the last one, so that padding around the
// tone does not count.
double pitch(const std::vector<float>& s, int channels, int rate)
{
    long first = -1, last = -1;
    int crossings = 0;
    bool low = false;
    for (size_t i = 0; i < s.size(); i += static_cast<size_t>(channels)) {
        if (s[i] < -0.1f) {
            low = true;
        } else if (low && s[i] > 0.1f) {
            low = false;
            const long frame = static_cast<long>(i / static_cast<size_t>(channels));
            if (first < 0)
                first = frame;
            last = frame;
            ++crossings;
        }
    }
    return crossings > 1 ? (crossings - 1) / (static_cast<double>(last - first) / rate) : 0.0;
}

struct Encoded {
    const char* name;
    int subtype;
    int rate;
    double tolerance; // of the level, for the lossy encodings
    double pitchTolerance = 2;
};

std::ostream& operator<<(std::ostream& os, const Encoded& e) { return os << e.name; }

class DecodedSoundEncodings : public ::testing::TestWithParam<Encoded> {
protected:
    QTemporaryDir dir;
};

TEST_P(DecodedSoundEncodings, DecodeToTheDeviceRateAtTheSamePitchAndLevel)
{
    const Encoded e = GetParam();
    const QString path = dir.filePath(QStringLiteral("tone.wav"));
    ASSERT_TRUE(writeWav(path, e.subtype, e.rate, 1, sine(e.rate, 0.5, 440, 0.5)));

    QString error;
    auto sound = DecodedSound::open(path, &error);
    ASSERT_TRUE(sound) << e.name << ": " << error.toStdString();
    EXPECT_EQ(sound->fileSampleRate(), e.rate);
    sound->setOutputFormat(format(48000, 2, QAudioFormat::Float));
    const std::vector<float> out = pullAll(*sound);

    // Half a second at 48 kHz whatever the file's rate (ADPCM and GSM pad their last block).
    const double seconds = static_cast<double>(out.size()) / 2 / 48000;
    EXPECT_GE(seconds, 0.4999) << e.name;
    EXPECT_LE(seconds, 0.58) << e.name;
    EXPECT_NEAR(pitch(out, 2, 48000), 440, e.pitchTolerance) << e.name;
    EXPECT_NEAR(rms(out, 2, 0), 0.5 / std::sqrt(2.0), e.tolerance) << e.name;
    EXPECT_NEAR(rms(out, 2, 1), rms(out, 2, 0), 1e-6) << "a mono file plays on both channels";
}

INSTANTIATE_TEST_SUITE_P(Wav, DecodedSoundEncodings,
                         ::testing::Values(Encoded{"pcm8", SF_FORMAT_PCM_U8, 11025, 0.01},
                                           Encoded{"pcm16", SF_FORMAT_PCM_16, 44100, 0.01},
                                           Encoded{"pcm24", SF_FORMAT_PCM_24, 96000, 0.01},
                                           Encoded{"pcm32", SF_FORMAT_PCM_32, 48000, 0.01},
                                           Encoded{"float", SF_FORMAT_FLOAT, 22050, 0.01},
                                           Encoded{"ima_adpcm", SF_FORMAT_IMA_ADPCM, 22050, 0.03},
                                           Encoded{"ms_adpcm", SF_FORMAT_MS_ADPCM, 11025, 0.03},
                                           Encoded{"ulaw", SF_FORMAT_ULAW, 8000, 0.01},
                                           Encoded{"alaw", SF_FORMAT_ALAW, 16000, 0.01},
                                           Encoded{"gsm610", SF_FORMAT_GSM610, 8000, 0.06, 30}),
                         [](const ::testing::TestParamInfo<Encoded>& info) {
                             return std::string(info.param.name);
                         });

class DecodedSoundTest : public ::testing::Test {
protected:
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(DecodedSoundTest, WritesEverySampleFormatAndClipsOverloads)
{
    // One frame at half scale, one at -1, one beyond full scale (a float file may hold that).
    ASSERT_TRUE(writeWav(file("dc.wav"), SF_FORMAT_FLOAT, 8000, 1, {0.5f, -1.0f, 1.5f}));
    auto frames = [&](QAudioFormat::SampleFormat sample, auto type) {
        auto sound = DecodedSound::open(file("dc.wav"));
        sound->setOutputFormat(format(8000, 1, sample));
        std::vector<decltype(type)> out(4);
        const qint64 got = sound->read(reinterpret_cast<char*>(out.data()), sizeof(type) * 4);
        out.resize(static_cast<size_t>(got) / sizeof(type));
        return out;
    };
    EXPECT_EQ(frames(QAudioFormat::Int16, qint16{}), (std::vector<qint16>{16384, -32767, 32767}));
    EXPECT_EQ(frames(QAudioFormat::UInt8, quint8{}), (std::vector<quint8>{192, 1, 255}));
    EXPECT_EQ(frames(QAudioFormat::Int32, qint32{}),
              (std::vector<qint32>{1073741824, -2147483647, 2147483647}));
    EXPECT_EQ(frames(QAudioFormat::Float, float{}), (std::vector<float>{0.5f, -1.0f, 1.0f}));
}

TEST_F(DecodedSoundTest, FoldsChannelsOntoTheDevice)
{
    // Left carries the tone, right is silent.
    ASSERT_TRUE(writeWav(file("left.wav"), SF_FORMAT_PCM_16, 8000, 2, sine(8000, 0.25, 440, 0.8, 2, 0)));
    auto mono = DecodedSound::open(file("left.wav"));
    mono->setOutputFormat(format(8000, 1, QAudioFormat::Float));
    EXPECT_NEAR(rms(pullAll(*mono), 1, 0), 0.4 / std::sqrt(2.0), 0.01); // the mean of both sides

    auto stereo = DecodedSound::open(file("left.wav"));
    stereo->setOutputFormat(format(8000, 2, QAudioFormat::Float));
    const auto both = pullAll(*stereo);
    EXPECT_NEAR(rms(both, 2, 0), 0.8 / std::sqrt(2.0), 0.01);
    EXPECT_LT(rms(both, 2, 1), 1e-4);
}

TEST_F(DecodedSoundTest, StreamsALongFileInSmallPiecesWithoutLosingFrames)
{
    // Far longer than one decoding block, and downsampled by a ratio that does not divide evenly.
    std::vector<float> ramp(44100 * 3);
    for (size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<float>(i) / static_cast<float>(ramp.size());
    ASSERT_TRUE(writeWav(file("ramp.wav"), SF_FORMAT_FLOAT, 44100, 1, ramp));
    auto sound = DecodedSound::open(file("ramp.wav"));
    sound->setOutputFormat(format(48000, 1, QAudioFormat::Float));
    const auto out = pullAll(*sound);
    ASSERT_EQ(static_cast<std::int64_t>(out.size()), sound->outputFrames());
    EXPECT_EQ(out.size(), 48000u * 3);
    // Linear in, linear out: every output frame lies on the ramp, so no block seam skips or
    // repeats a frame.
    for (size_t k = 0; k < out.size(); k += 997)
        EXPECT_NEAR(out[k], k * (44100.0 / 48000.0) / static_cast<double>(ramp.size()), 1e-5) << k;
}

TEST_F(DecodedSoundTest, RefusesWhatIsNotASound)
{
    QString error;
    EXPECT_FALSE(DecodedSound::open(file("missing.wav"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(DecodedSound::open(QString()));

    QFile text(file("notes.wav"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("RIFF but not really a wave file at all");
    text.close();
    EXPECT_FALSE(DecodedSound::open(text.fileName()));

    ASSERT_TRUE(writeWav(file("empty.wav"), SF_FORMAT_PCM_16, 8000, 1, {}));
    EXPECT_FALSE(DecodedSound::open(file("empty.wav"), &error));
    EXPECT_EQ(error, QStringLiteral("the file holds no playable audio"));
}

} // namespace
