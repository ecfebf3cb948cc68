#include "SoundFixture.h"

#include <QFile>
#include <QFileInfo>

using namespace orebell;
using namespace orebell::test;

namespace {

using SoundAlertsTest = SoundFixture;

TEST_F(SoundAlertsTest, FirstStartFillsDefaultsAndTheSecondLoadPlaysThem)
{
    shared.IsLoading = true;
    for (int j : {0, 2, 4})
        delay(j).setText(QString()); // nothing stored
    sound->LoadSounds();

    EXPECT_EQ(delay(0).text(), QStringLiteral("15"));
    EXPECT_EQ(delay(2).text(), QStringLiteral("15"));
    EXPECT_EQ(delay(4).text(), QStringLiteral("45"));
    const char* defaults[] = {"end_cycle.wav", "17297_quarn_quarn_earth3.wav", "end_cycle.wav",
                              "ThumpClose.wav", "red_alert_short.wav"};
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(path(n).text(), programFile(defaults[n])) << n;
        EXPECT_TRUE(QFileInfo::exists(path(n).text())) << "the build provides " << defaults[n];
    }
    EXPECT_TRUE(path(5).text().isEmpty());

    // Until the next load the table still holds the empty paths, which go to the player as they
    // are (it sounds the system alert for them).
    sound->PlayEventSound(CycleComplete);
    EXPECT_EQ(platform.played(), QStringList{QString()});

    shared.IsLoading = false;
    sound->LoadSounds();
    platform.clearRecords();
    for (int n = 0; n < 5; ++n)
        sound->PlayEventSound(n);
    QStringList expected;
    for (const char* name : defaults)
        expected << programFile(name);
    EXPECT_EQ(platform.played(), expected);
    EXPECT_EQ(sound->cycleWarningSeconds(), 15);
    EXPECT_EQ(sound->depletionWarningSeconds(), 15);
    EXPECT_EQ(sound->jetcanReminderMinutes(), 45);
}

TEST_F(SoundAlertsTest, DelayBoxesHoldNothingOrOneToFiftyNine)
{
    struct Case {
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {"60", ""},   {"0", ""},   {"59", "59"},  {"1", "1"},
        {"-3", ""},   {"abc", ""}, {"99999", ""}, {"1.5", "1.5"}, // rounds to 2
        {"59.5", ""},                                             // rounds to 60
        {"0.4", ""},                                              // rounds to 0
        {" ", ""},
    };
    for (const Case& c : cases) {
        delay(2).setText(QStringLiteral("15"));
        delay(2).setText(QString::fromLatin1(c.typed));
        EXPECT_EQ(delay(2).text(), QString::fromLatin1(c.kept)) << "typed " << c.typed;
    }
}

TEST_F(SoundAlertsTest, AnEmptiedDelayKeepsItsValueUntilTheNextStart)
{
    startUp();
    delay(0).setText(QStringLiteral("20"));
    sound->LoadSounds();
    EXPECT_EQ(sound->cycleWarningSeconds(), 20);

    delay(0).setText(QString());
    sound->LoadSounds();
    EXPECT_EQ(sound->cycleWarningSeconds(), 20);
    EXPECT_TRUE(delay(0).text().isEmpty());

    // A new run starts from 0, so the default comes back and is written into the box.
    SoundAlerts nextRun(main, shared, platform);
    nextRun.LoadSounds();
    EXPECT_EQ(nextRun.cycleWarningSeconds(), 15);
    EXPECT_EQ(delay(0).text(), QStringLiteral("15"));
}

TEST_F(SoundAlertsTest, PanelEditsTakeEffectOnlyAtTheNextLoad)
{
    startUp();
    check(CycleComplete).click(); // unticked on the panel
    path(AsteroidDepleted).setText(QStringLiteral("/elsewhere/boom.wav"));
    platform.clearRecords();
    sound->PlayEventSound(CycleComplete);
    sound->PlayEventSound(AsteroidDepleted);
    EXPECT_EQ(platform.played(),
              (QStringList{programFile("17297_quarn_quarn_earth3.wav"), programFile("ThumpClose.wav")}));

    sound->LoadSounds(); // the timer view is shown
    platform.clearRecords();
    sound->PlayEventSound(CycleComplete);
    sound->PlayEventSound(AsteroidDepleted);
    EXPECT_EQ(platform.played(), QStringList{QStringLiteral("/elsewhere/boom.wav")});
}

TEST_F(SoundAlertsTest, AGreyedCheckBoxCountsAsOn)
{
    startUp();
    check(JetcanReminder).setValue(2);
    sound->LoadSounds();
    EXPECT_TRUE(sound->soundEnabled(JetcanReminder));
}

TEST_F(SoundAlertsTest, CheckBoxClicksAreSilentWhileLoading)
{
    shared.IsLoading = true;
    check(0).setValue(0);
    check(5).setValue(0);
    EXPECT_TRUE(platform.played().isEmpty());
    shared.IsLoading = false;
    check(0).click();
    EXPECT_EQ(platform.played(), QStringList{programFile("tick1.wav")});
}

TEST_F(SoundAlertsTest, OnlyEventsZeroToFourEverSound)
{
    startUp();
    path(5).setText(QStringLiteral("/sounds/crystal.wav"));
    sound->LoadSounds();
    platform.clearRecords();
    for (int event : {int(CrystalChangeReminder), -1, 6, 1000})
        sound->PlayEventSound(event);
    EXPECT_TRUE(platform.played().isEmpty());
    EXPECT_EQ(path(5).text(), QStringLiteral("/sounds/crystal.wav")); // row 5 keeps its path
}

TEST_F(SoundAlertsTest, HoverHighlightsOneRowAndTheFrameClearsIt)
{
    sound->chkSoundEffect_MouseMove(3);
    EXPECT_EQ(check(3).backColor(), 0x606060u);
    sound->chkSoundEffect_MouseMove(1);
    EXPECT_EQ(check(3).backColor(), 0x2F2931u);
    EXPECT_EQ(check(1).backColor(), 0x606060u);

    browse(4).mouseMove(0, 0, 10, 10);
    EXPECT_EQ(browse(4).backColor(), 0x606060u);
    main.control(QStringLiteral("fraSound")).mouseMove(0, 0, 10, 10);
    for (int j = 0; j < 6; ++j) {
        EXPECT_EQ(check(j).backColor(), 0x2F2931u) << j;
        EXPECT_EQ(browse(j).backColor(), 0u) << j;
    }
    // Every repaint covers all six rows (highest index 5).
    for (const auto& [array, color, highest] : repaints)
        EXPECT_EQ(highest, 5) << array.toStdString();
}

TEST_F(SoundAlertsTest, AFailureWhileReadingThePanelIsReportedAndEndsAStartUp)
{
    Form broken(QStringLiteral("frmOrebell"));
    broken.add(ControlKind::Frame, QStringLiteral("fraSound"));
    for (int j = 0; j < 6; ++j) {
        broken.add(ControlKind::CheckBox, QStringLiteral("chkSoundEffect"), j);
        if (j != 3)
            broken.add(ControlKind::TextBox, QStringLiteral("txtPathSoundEffect"), j);
        broken.add(ControlKind::Label, QStringLiteral("lblBrowseSoundEffect"), j);
    }
    for (int j : {0, 2, 4})
        broken.add(ControlKind::TextBox, QStringLiteral("txtSoundeEffectDelay"), j);
    Shared brokenShared;
    SoundAlerts alerts(broken, brokenShared, platform);

    alerts.LoadSounds(); // later loads report and go on
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_TRUE(platform.messages()[0].startsWith(QStringLiteral("Error Number:9\nDescription :")));
    EXPECT_TRUE(platform.messages()[0].endsWith(QStringLiteral("\nLine        :10")));
    EXPECT_FALSE(platform.messages()[0].contains(QStringLiteral("Function")));
    EXPECT_FALSE(platform.ended());

    brokenShared.IsLoading = true;
    alerts.LoadSounds();
    EXPECT_EQ(platform.messages().size(), 2);
    EXPECT_TRUE(platform.ended());
}

} // namespace

namespace {

// A reinstall to another folder leaves the stored default paths pointing at the old one: they
// play the same sound from the program's folder now; the box and the table keep the stored text.
// Any other missing file is played as it is and listed by its event while its box is ticked.
TEST_F(SoundAlertsTest, AStaleDefaultPlaysFromTheProgramFolderAndOtherMissingFilesAreNamed)
{
    const QString staleUnix = QStringLiteral("/opt/orebell-old/lib/orebell/ThumpClose.wav");
    const QString staleWindows = QStringLiteral("C:\\Games\\Orebell\\end_cycle.wav");
    const QString ownLost = QStringLiteral("/home/nobody/sounds/mine.wav");
    platform.setStoreValue(QStringLiteral("Settings"), path(AsteroidDepleted).displayName(), staleUnix);
    platform.setStoreValue(QStringLiteral("Settings"), path(CycleNearlyComplete).displayName(), staleWindows);
    platform.setStoreValue(QStringLiteral("Settings"), path(CycleComplete).displayName(), ownLost);
    startUp();

    EXPECT_EQ(path(AsteroidDepleted).text(), staleUnix);
    EXPECT_EQ(sound->soundPath(AsteroidDepleted), staleUnix);
    platform.clearRecords();
    for (int n : {CycleNearlyComplete, CycleComplete, AsteroidDepleted})
        sound->PlayEventSound(n);
    EXPECT_EQ(platform.played(),
              (QStringList{programFile("end_cycle.wav"), ownLost, programFile("ThumpClose.wav")}));
    EXPECT_EQ(sound->missingSounds(), QStringList{check(CycleComplete).caption()});

    check(CycleComplete).click(); // unticked: it will not sound, so it is not named
    sound->LoadSounds();
    EXPECT_TRUE(sound->missingSounds().isEmpty());

    // Not a default's name, or a default's name that the program folder lacks: left as it is.
    EXPECT_EQ(sound->playablePath(QStringLiteral("/old/ThumpClose.wav.bak")),
              QStringLiteral("/old/ThumpClose.wav.bak"));
    ASSERT_TRUE(QFile::remove(programFile("red_alert_short.wav")));
    EXPECT_EQ(sound->playablePath(QStringLiteral("/old/red_alert_short.wav")),
              QStringLiteral("/old/red_alert_short.wav"));
    sound->LoadSounds();
    EXPECT_EQ(sound->missingSounds(), QStringList{check(JetcanReminder).caption()});
}

} // namespace
