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

TEST(ProgramSound, TheSoundRoutinesAreWired)
{
    test::TestPlatform platform;
    Program program(platform);
    const Routines& r = program.shared().routines;
    EXPECT_TRUE(r.LoadSounds && r.PlayEventSound && r.PlayClickSound && r.CycleWarningSeconds &&
                r.DepletionWarningSeconds && r.JetcanReminderMinutes);
    r.LoadSounds();
    EXPECT_EQ(r.CycleWarningSeconds(), 15); // the design texts "15", "15" and "45"
    EXPECT_EQ(r.DepletionWarningSeconds(), 15);
    EXPECT_EQ(r.JetcanReminderMinutes(), 45);
}

} // namespace
