#include "app/Program.h"
#include "data/Shared.h"
#include "support/TestPlatform.h"

#include <gtest/gtest.h>

using namespace orebell;

namespace {

TEST(ProgramSound, TheChooserIsThereExactlyWhileOpenAndTheViewHearsOfIt)
{
    test::TestPlatform platform;
    Program program(platform);
    QList<Form*> seen;
    program.onBrowseFormChanged([&](Form* f) { seen << f; });
    EXPECT_EQ(program.browseForm(), nullptr);

    program.mainForm().control(QStringLiteral("lblBrowseSoundEffect"), 1).click();
    Form* chooser = program.browseForm();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->control(QStringLiteral("lblSelectSound")).caption(),
              QStringLiteral("Select .WAV file for \"Cycle complete\""));
    EXPECT_EQ(seen, QList<Form*>{chooser});

    chooser->control(QStringLiteral("lblCancel"), 0).click();
    EXPECT_EQ(program.browseForm(), nullptr);
    EXPECT_EQ(seen, (QList<Form*>{chooser, nullptr}));
}

TEST(ProgramSound, StartUpFillsTheSoundPanelAndTheJetCanReminderSoundsItsFile)
{
    test::TestPlatform platform;
    Program program(platform);
    program.run();
    Form& main = program.mainForm();
    auto box = [&](const char* name, int i) -> Control& {
        return main.control(QString::fromLatin1(name), i);
    };
    EXPECT_EQ(box("txtSoundeEffectDelay", 0).text(), QStringLiteral("15"));
    EXPECT_EQ(box("txtSoundeEffectDelay", 2).text(), QStringLiteral("15"));
    EXPECT_EQ(box("txtSoundeEffectDelay", 4).text(), QStringLiteral("45"));
    EXPECT_EQ(box("txtPathSoundEffect", 4).text(),
              joinProgramPath(platform.programFolder(), QStringLiteral("red_alert_short.wav")));
    EXPECT_TRUE(box("txtPathSoundEffect", 5).text().isEmpty());

    // A one-minute reminder, taken over as the timer view would.
    box("txtSoundeEffectDelay", 4).setText(QStringLiteral("1"));
    program.shared().routines.LoadSounds();
    platform.setTimeOfDay(1000);
    box("lblJetButton", 0).click();
    platform.clearRecords();
    platform.setTimeOfDay(1060);
    box("tmrJetCan", 0).fire();
    EXPECT_EQ(platform.played(),
              QStringList{joinProgramPath(platform.programFolder(), QStringLiteral("red_alert_short.wav"))});
}

} // namespace

namespace {

QStringList warnings;
void keepWarning(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg)
        warnings << text;
}

// A sound file that has gone is named by its event once, on the terminal, when the program starts.
TEST(ProgramSound, AMissingSoundFileIsNamedOnceAtStart)
{
    test::TestPlatform platform;
    Program program(platform);
    platform.setStoreValue(QStringLiteral("Settings"), QStringLiteral("txtPathSoundEffect1"),
                           QStringLiteral("/nowhere/gone.wav"));
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepWarning);
    program.run();
    program.shared().routines.LoadSounds(); // the timer view again: no second report
    qInstallMessageHandler(previous);
    const QStringList named = warnings.filter(QStringLiteral("sound file"));
    ASSERT_EQ(named.size(), 1) << qPrintable(warnings.join(QLatin1Char('\n')));
    EXPECT_TRUE(named.front().contains(QStringLiteral("Cycle complete")));
    EXPECT_FALSE(named.front().contains(QStringLiteral("Cycle nearly complete")));
}

} // namespace
