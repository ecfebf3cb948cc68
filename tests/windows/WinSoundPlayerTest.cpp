// The Windows sound player against Wine's (or Windows') real audio output, whatever it has: a
// file plays to its end or the player falls back to the system alert, never both and never a
// crash.
#include "platform/WinSoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orebell {
namespace {

const QString Sound = QStringLiteral(OREBELL_RUNTIME_DIR "/end_cycle.wav");

struct Outcome {
    explicit Outcome(WinSoundPlayer& player)
        : started(&player, &WinSoundPlayer::started), finished(&player, &WinSoundPlayer::finished),
          fellBack(&player, &WinSoundPlayer::fellBack)
    {}
    // Waits for the request's outcome: its end or its fallback.
    bool settle()
    {
        for (int i = 0; i < 100 && finished.isEmpty() && fellBack.isEmpty(); ++i)
            fellBack.wait(100);
        return !finished.isEmpty() || !fellBack.isEmpty();
    }
    QSignalSpy started;
    QSignalSpy finished;
    QSignalSpy fellBack;
};

TEST(WinSoundPlayer, AFileThatCannotBePlayedFallsBackToTheSystemAlert)
{
    QTemporaryDir dir;
    const QString garbage = dir.filePath(QStringLiteral("garbage.wav"));
    QFile f(garbage);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("RIFF\x10\0\0\0WAVEnot a sound at all");
    f.close();
    for (const QString& path : {garbage, dir.filePath(QStringLiteral("missing.wav"))}) {
        WinSoundPlayer player;
        Outcome outcome(player);
        player.play(path);
        ASSERT_TRUE(outcome.settle()) << qPrintable(path);
        EXPECT_EQ(outcome.fellBack.size(), 1);
        EXPECT_EQ(outcome.fellBack.at(0).at(0).toString(), path);
        EXPECT_TRUE(outcome.started.isEmpty());
    }
}

TEST(WinSoundPlayer, ASoundPlaysToItsEndOrFallsBackWhenThereIsNoDevice)
{
    ASSERT_TRUE(QFile::exists(Sound));
    WinSoundPlayer player;
    Outcome outcome(player);
    player.play(Sound);
    ASSERT_TRUE(outcome.settle());
    if (outcome.fellBack.isEmpty()) {
        EXPECT_EQ(outcome.started.size(), 1);
        EXPECT_EQ(outcome.finished.size(), 1);
        EXPECT_EQ(outcome.finished.at(0).at(0).toString(), Sound);
    } else {
        EXPECT_TRUE(outcome.finished.isEmpty());
    }
}

TEST(WinSoundPlayer, ANewerRequestReplacesOneNotYetStartedAndStopEndsThePlaying)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.wav"));
    WinSoundPlayer player;
    Outcome outcome(player);
    // Asked in one go: only the last one is acted on.
    player.play(Sound);
    player.play(Sound);
    player.play(missing);
    ASSERT_TRUE(outcome.settle());
    EXPECT_TRUE(outcome.started.isEmpty());
    ASSERT_EQ(outcome.fellBack.size(), 1);
    EXPECT_EQ(outcome.fellBack.at(0).at(0).toString(), missing);

    // A sound stopped while it plays never reports an end.
    player.play(Sound);
    outcome.started.wait(2000);
    player.stop();
    outcome.finished.wait(1500);
    if (outcome.fellBack.size() == 1) { // a device played the first file: it must not have ended
        EXPECT_TRUE(outcome.finished.isEmpty());
    }
}

} // namespace
} // namespace orebell
