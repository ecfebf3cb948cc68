#include "app/Program.h"
#include "data/Shared.h"
#include "support/TestPlatform.h"

#include <gtest/gtest.h>

using namespace orebell;

namespace {

QString s(const char* text) { return QString::fromUtf8(text); }

struct TimerLayoutTest : ::testing::Test {
    test::TestPlatform platform;
    Program program{platform};
    Form& form = program.mainForm();

    void show(int n) { program.shared().routines.ShowTimers(n); }
    Control& button(int i) { return form.control(s("lblControlButton"), i); }
    Control& border(int i) { return form.control(s("shpControlBtnBorder"), i); }
};

TEST_F(TimerLayoutTest, WindowAndTitleStripGrowByOnePanelStepPerTimer)
{
    const int window[] = {4210, 5530, 6850, 8170, 9490, 10810, 12130};
    const int strip[] = {3705, 5025, 6345, 7665, 8985, 10305, 11625};
    for (int n = 1; n <= 7; ++n) {
        show(n);
        EXPECT_EQ(form.width(), window[n - 1]) << n;
        EXPECT_EQ(button(7).width(), strip[n - 1]) << n;
        EXPECT_EQ(border(7).width(), strip[n - 1]) << n;
        // The minimise and close buttons sit at the strip's right end, inside the window.
        EXPECT_EQ(border(14).left(), strip[n - 1]);
        EXPECT_EQ(border(6).left(), strip[n - 1] + border(14).width());
        EXPECT_LE(button(6).left() + button(6).width(), form.width());
        // Exactly the first n laser panels lie inside the window.
        for (int i = 0; i < 7; ++i) {
            const Control& start = form.control(s("btnActivateTimer"), i);
            EXPECT_EQ(start.left() + start.width() <= form.width(), i < n) << n << " " << i;
        }
    }
    EXPECT_TRUE(platform.messages().isEmpty());
}

TEST_F(TimerLayoutTest, OneTimerPutsTheTwoButtonsAt3720And3975)
{
    show(3);
    show(1);
    EXPECT_EQ(form.width(), 4210);
    EXPECT_EQ(button(7).width(), 3705);
    EXPECT_EQ(button(14).left(), 3720);
    EXPECT_EQ(button(6).left(), 3975);
    // Only lefts and widths change.
    EXPECT_EQ(button(14).top(), 15);
    EXPECT_EQ(button(7).left(), 0);
}

TEST_F(TimerLayoutTest, AFailureIsReportedAndTheLayoutKept)
{
    show(2);
    show(40000); // beyond a 16-bit count
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_EQ(platform.messages().front(),
              s("Error Number:6\nDescription :Overflow\nFunction    : ShowTimers \nLine        :10"));
    EXPECT_EQ(form.width(), 5530);
    EXPECT_EQ(button(7).width(), 5025);

    show(-5); // a negative width cannot be laid out
    ASSERT_EQ(platform.messages().size(), 2);
    EXPECT_TRUE(platform.messages().back().startsWith(s("Error Number:380\n")));
    EXPECT_TRUE(platform.messages().back().contains(s("Function    : ShowTimers \nLine        :20")));
    EXPECT_EQ(form.width(), 5530);
    EXPECT_FALSE(platform.ended());
}

} // namespace
