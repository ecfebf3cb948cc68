#include "app/Program.h"
#include "data/Shared.h"
#include "gui/FormView.h"
#include "gui/TimerDriver.h"
#include "platform/OrderlyExit.h"
#include "support/ScopedLocale.h"
#include "support/TestPlatform.h"
#include "toolkit/Conventions.h"

#include <QTest>

#include <gtest/gtest.h>

#include <vector>

using namespace orebell;

namespace {

struct SteppedClock : MonotonicClock {
    double now = 0;
    double nowMs() const override { return now; }
};

QString s(const char* text) { return QString::fromUtf8(text); }

// The whole program in its window, its timers on a clock the test moves. Lasers 1 and 2 hold
// Veldspar asteroids of 20,000 units mined at 90 units a second, at the "1 Second" option.
struct DueTicks : ::testing::Test {
    test::ScopedLocale english{test::ScopedLocale::english()};
    test::TestPlatform platform;
    Program program{platform};
    SteppedClock clock;
    std::unique_ptr<FormView> view;
    std::vector<double> lateness; // of every tick delivered, ms behind its grid point

    void SetUp() override
    {
        program.run();
        ASSERT_FALSE(platform.ended());
        view = std::make_unique<FormView>(program.mainForm(), &platform.messageBox(), nullptr, &clock);
        scheduler().setTickObserver([this](const Control&, double late) { lateness.push_back(late); });
        c("txtLasers", 0).setText(s("2"));
        c("lblControlButton", 1).click();
        c("optRefreshRate", 3).click();
        for (int i = 0; i < 2; ++i) {
            c("cboRoidType", i).setText(s("Veldspar"));
            c("txtSizeOfRoid", i).setText(s("20000"));
            c("txtMiningRate", i).setText(s("540"));
            c("txtCycleDurationInSeconds", i).setText(s("60"));
        }
    }
    void TearDown() override { view.reset(); }

    Control& c(const char* name, int index = -1) { return program.mainForm().control(s(name), index); }
    TimerScheduler& scheduler() { return view->timers()->scheduler(); }
    QString remaining(int slot) { return c("lblSizeOfRoid", slot).caption(); }
    double gridUnits()
    {
        Grid& grid = program.mainForm().grid(s("mshflexOreMined"));
        for (int r = 1; r < grid.rows() - 1; ++r)
            if (grid.textMatrix(r, 0) == s("Veldspar"))
                return textToNumberOrZero(grid.textMatrix(r, 1));
        return 0;
    }
    // Laser 1 at 0 ms, laser 2 at 200 ms.
    void startBoth()
    {
        clock.now = 0;
        c("btnActivateTimer", 0).click();
        clock.now = 200;
        c("btnActivateTimer", 1).click();
        ASSERT_EQ(c("btnActivateTimer", 1).caption(), s("!"));
    }
    // The event loop wakes up when the driver asks it to, until `until`.
    void wakeUpsUntil(double until)
    {
        for (;;) {
            const std::optional<double> wait = scheduler().msUntilWake();
            if (!wait || clock.now + *wait > until)
                break;
            clock.now += *wait;
            scheduler().tickDue();
        }
        clock.now = until;
    }
    // A press on a control through the window, as a key or a click delivers it.
    void press(const char* name, int index) { view->pressByKey(c(name, index)); }
    std::vector<Trip> trips() { return platform.miningLog()->trips(); }
};

// The session: laser 1 started at 0 ms, laser 2 at 200 ms, laser 1 stopped at 5,100 ms.
// Each laser's tick comes at its own time, and the stop finds five ticks of laser 1 done.
TEST_F(DueTicks, EachLasersTickComesAtItsOwnTime)
{
    startBoth();
    wakeUpsUntil(5100);
    EXPECT_EQ(scheduler().delivered(c("tmrMiningLaser", 0)), 5);
    EXPECT_EQ(scheduler().delivered(c("tmrMiningLaser", 1)), 4);
    ASSERT_EQ(lateness.size(), 9u);
    for (const double late : lateness) {
        EXPECT_GE(late, 0.0);
        EXPECT_LE(late, TimerScheduler::SlackMs);
    }
    QWidget* stop = view->widgetFor(s("btnActivateTimer"), 0);
    ASSERT_NE(stop, nullptr);
    QTest::mouseClick(stop, Qt::LeftButton);
    EXPECT_EQ(c("btnActivateTimer", 0).caption(), s("1")); // stopped
    EXPECT_EQ(remaining(0), s("19550"));
    EXPECT_DOUBLE_EQ(gridUnits(), 5 * 90 + 4 * 90);
}

// The same stop while the event loop was held up (a busy machine) past the ticks' times: they run
// before the stop acts, in the order they fell due, as beside timers that are never late.
TEST_F(DueTicks, AStopActsAfterEveryTickAlreadyDue)
{
    startBoth();
    clock.now = 5100;
    QWidget* stop = view->widgetFor(s("btnActivateTimer"), 0);
    ASSERT_NE(stop, nullptr);
    QTest::mouseClick(stop, Qt::LeftButton);
    EXPECT_EQ(scheduler().delivered(c("tmrMiningLaser", 0)), 5);
    EXPECT_EQ(scheduler().delivered(c("tmrMiningLaser", 1)), 4);
    EXPECT_EQ(remaining(0), s("19550"));
    EXPECT_EQ(remaining(1), s("19640"));
    EXPECT_DOUBLE_EQ(gridUnits(), 5 * 90 + 4 * 90);
    EXPECT_EQ(c("btnActivateTimer", 0).caption(), s("1")); // stopped
    EXPECT_EQ(c("btnActivateTimer", 1).caption(), s("!"));
}

// A Reset, a Refine and the close button act on the ore of the ticks already due.
TEST_F(DueTicks, AResetARefineAndTheCloseButtonActAfterTheTicksAlreadyDue)
{
    // An asteroid mined out by its third tick, due at 3,000 ms: a Reset at 3,100 ms finds the laser
    // stopped, as beside a timer that is never late (a Reset waits for every laser to stop), and
    // the trip holds the whole asteroid.
    c("txtSizeOfRoid", 0).setText(s("270"));
    clock.now = 0;
    c("btnActivateTimer", 0).click();
    clock.now = 3100;
    press("lblControlButton", 15);
    EXPECT_EQ(c("btnActivateTimer", 0).caption(), s("1"));
    ASSERT_EQ(trips().size(), 1u);
    EXPECT_EQ(trips()[0].endedBy, TripEnd::Reset);
    EXPECT_DOUBLE_EQ(trips()[0].units(), 270);

    clock.now = 4000;
    c("btnActivateTimer", 1).click();
    clock.now = 6100; // two ticks due
    press("lblControlButton", 18);
    ASSERT_EQ(trips().size(), 2u);
    EXPECT_EQ(trips()[1].endedBy, TripEnd::Refine);
    EXPECT_DOUBLE_EQ(trips()[1].units(), 2 * 90);

    clock.now = 7100; // one more
    press("lblControlButton", 6);
    ASSERT_EQ(trips().size(), 3u);
    EXPECT_EQ(trips()[2].endedBy, TripEnd::Close);
    EXPECT_DOUBLE_EQ(trips()[2].units(), 90);
}

// Ways in that are not the window's: a global key and the desktop ending the session.
TEST_F(DueTicks, AGlobalKeyAndAnOrderlyExitActAfterTheTicksAlreadyDue)
{
    startBoth();
    clock.now = 2050;
    ASSERT_TRUE(platform.pressGlobalKey(s("Ctrl+Alt+1"))); // laser 1's start button
    EXPECT_EQ(c("btnActivateTimer", 0).caption(), s("1")); // stopped
    EXPECT_EQ(remaining(0), s("19820"));

    OrderlyExit exit(program.mainForm(), program.shared().routines);
    clock.now = 4250;
    exit.saveBeforeQuit();
    ASSERT_EQ(trips().size(), 1u);
    EXPECT_EQ(trips()[0].endedBy, TripEnd::Exit);
    EXPECT_DOUBLE_EQ(trips()[0].units(), 2 * 90 + 4 * 90);
}

// A click that opened a message box holds the handler gate while the box shows. The desktop
// ending the session then (a signal, a logoff) still saves the ore of every tick already due.
TEST_F(DueTicks, AnExitWhileAMessageBoxIsOpenActsAfterTheTicksAlreadyDue)
{
    OrderlyExit exit(program.mainForm(), program.shared().routines);
    clock.now = 0;
    c("btnActivateTimer", 0).click();
    clock.now = 2800;
    wakeUpsUntil(2800); // two ticks ran
    {
        HandlerGate box;
        clock.now = 9500; // seven more fell due behind the box
        exit.terminateOrderly();
    }
    ASSERT_EQ(trips().size(), 1u);
    EXPECT_EQ(trips()[0].endedBy, TripEnd::Exit);
    EXPECT_DOUBLE_EQ(trips()[0].units(), 9 * 90);
    EXPECT_DOUBLE_EQ(gridUnits(), 9 * 90);
}

} // namespace
