#include "gui/TimerDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

using namespace orebell;

namespace {

struct FakeClock : MonotonicClock {
    double now = 1000.0; // any origin: the schedule counts from when a timer starts
    double nowMs() const override { return now; }
};

struct Schedule : ::testing::Test {
    Form form{QStringLiteral("frmTest")};
    FakeClock clock;
    Control& laser = form.add(ControlKind::Timer, QStringLiteral("tmrMiningLaser"), 0);
    Control& jet = form.add(ControlKind::Timer, QStringLiteral("tmrJetCan"), 0);
    std::vector<double> laserTicks; // clock readings at each laser tick
    std::vector<double> jetTicks;

    void SetUp() override
    {
        laser.onTimer([this] { laserTicks.push_back(clock.now); });
        jet.onTimer([this] { jetTicks.push_back(clock.now); });
    }

    void startSixteenth(double at)
    {
        clock.now = at;
        laser.setInterval(62); // whole milliseconds, as the option stores it
        laser.setPeriod(62.5); // the nominal sixteenth of a second the grid runs on
        laser.setEnabled(true);
    }

    // Every tick due now, as the driver delivers them on successive turns.
    static int turn(TimerScheduler& s)
    {
        int n = 0;
        while (const int ran = s.tickDue())
            n += ran;
        return n;
    }
};

TEST_F(Schedule, SixteenthOfASecondGivesSixteenTicksASecondWithoutDriftOverTenMinutes)
{
    TimerScheduler s(form, clock);
    const double start = 5000.0;
    startSixteenth(start);
    // Wake-ups come late by a varying few milliseconds, as a busy event loop delivers them.
    const double jitter[] = {0.0, 0.3, 1.0, 2.7, 0.9, 4.1, 0.0, 1.6, 7.9, 0.2, 3.3};
    int k = 0;
    for (double due = start + 62.5; due <= start + 600000.0; due += 62.5, ++k) {
        clock.now = due - 0.25; // just before the grid point nothing is due
        EXPECT_EQ(turn(s), 0);
        clock.now = due + jitter[k % std::size(jitter)];
        ASSERT_EQ(turn(s), 1) << "tick " << k + 1;
        if (k % 16 == 15) { // every whole second of model time matches the clock
            EXPECT_EQ(laserTicks.size(), static_cast<size_t>((k + 1) / 16) * 16);
        }
    }
    EXPECT_EQ(laserTicks.size(), 9600u); // 16 x 600 seconds
    EXPECT_EQ(s.delivered(laser), 9600);
    // Tick k is never early and never drifts: its lateness is its own jitter only.
    for (size_t i = 0; i < laserTicks.size(); ++i) {
        const double nominal = start + 62.5 * static_cast<double>(i + 1);
        EXPECT_GE(laserTicks[i], nominal);
        EXPECT_LT(laserTicks[i] - nominal, 8.0);
    }
    EXPECT_TRUE(jetTicks.empty()); // disabled, never armed
}

TEST_F(Schedule, AfterAStallTheMissedTicksFollowOnePerTurnOnTheGrid)
{
    TimerScheduler s(form, clock);
    startSixteenth(0.0);
    clock.now = 62.5 * 5 + 10; // a message box held the event loop through five grid points
    for (int turn = 1; turn <= 5; ++turn) {
        EXPECT_EQ(s.tickDue(), 1) << turn; // one tick per event-loop turn, never a burst
        EXPECT_EQ(laserTicks.size(), static_cast<size_t>(turn));
    }
    EXPECT_FALSE(s.tickDue()); // caught up: five ticks for five grid points
    ASSERT_TRUE(s.msUntilNext().has_value());
    EXPECT_DOUBLE_EQ(*s.msUntilNext(), 62.5 * 6 - clock.now); // the grid did not move
    clock.now = 62.5 * 6;
    EXPECT_TRUE(s.tickDue());
    clock.now = 62.5 * 7 - 0.001;
    EXPECT_FALSE(s.tickDue());
}

TEST_F(Schedule, ASleepLongerThanTheCatchUpLimitIsNotMadeUp)
{
    TimerScheduler s(form, clock);
    startSixteenth(0.0);
    clock.now = 62.5; // on time
    EXPECT_TRUE(s.tickDue());
    clock.now = 3600000.0 + 20; // an hour asleep
    EXPECT_TRUE(s.tickDue());   // the late tick, once
    EXPECT_FALSE(s.tickDue());
    EXPECT_EQ(laserTicks.size(), 2u);
    EXPECT_DOUBLE_EQ(*s.msUntilNext(), 62.5 * 57601 - clock.now); // the next point of the same grid
}

TEST_F(Schedule, EveryDueTimerTicksOncePerCallTheMostOverdueFirst)
{
    TimerScheduler s(form, clock);
    std::vector<QString> order;
    laser.onTimer([&] { order.push_back(QStringLiteral("laser")); });
    jet.onTimer([&] { order.push_back(QStringLiteral("jet")); });
    clock.now = 0;
    jet.setInterval(1000);
    jet.setEnabled(true);
    clock.now = 500;
    laser.setInterval(300);
    laser.setEnabled(true);
    clock.now = 1000; // jet due at 1000, laser due at 800
    EXPECT_EQ(s.tickDue(), 2);
    EXPECT_EQ(order, (std::vector<QString>{QStringLiteral("laser"), QStringLiteral("jet")}));
    EXPECT_EQ(s.tickDue(), 0);
    EXPECT_DOUBLE_EQ(*s.msUntilNext(), 1100.0 - 1000); // the laser, again on its own grid
    clock.now = 1500;                                  // laser due at 1100 and 1400: one per call
    EXPECT_EQ(s.tickDue(), 1);
    EXPECT_EQ(s.tickDue(), 1);
    EXPECT_EQ(s.tickDue(), 0);
    EXPECT_EQ(s.delivered(laser), 3);
    EXPECT_EQ(s.delivered(jet), 1);
}

TEST_F(Schedule, AWakeUpWaitsASlackForTicksDueJustAfterTheFirstNeverBeforeIt)
{
    TimerScheduler s(form, clock);
    clock.now = 0;
    laser.setInterval(100);
    laser.setEnabled(true);
    clock.now = 3;
    jet.setInterval(100);
    jet.setEnabled(true); // due at 103, three milliseconds after the laser
    clock.now = 50;
    EXPECT_DOUBLE_EQ(*s.msUntilWake(0), 50.0);
    EXPECT_DOUBLE_EQ(*s.msUntilWake(4), 53.0); // both in one wake-up
    EXPECT_DOUBLE_EQ(*s.msUntilWake(2), 50.0); // the jet can is beyond the slack
    clock.now = 103;
    EXPECT_EQ(s.tickDue(), 2);
    EXPECT_DOUBLE_EQ(*s.msUntilWake(4), 100.0); // the grids did not move: 200 and 203
    clock.now = 150;
    EXPECT_DOUBLE_EQ(*s.msUntilWake(4), 53.0);
    clock.now = 250; // both overdue: now
    EXPECT_DOUBLE_EQ(*s.msUntilWake(4), 0.0);
    laser.setEnabled(false);
    jet.setEnabled(false);
    EXPECT_FALSE(s.msUntilWake(4).has_value());
}

TEST_F(Schedule, AHandlerThatStopsAnotherTimerDueInTheSameWakeUpEndsItsTick)
{
    TimerScheduler s(form, clock);
    laser.onTimer([&] {
        laserTicks.push_back(clock.now);
        jet.setEnabled(false);
    });
    startSixteenth(0);
    jet.setInterval(62);
    jet.setPeriod(62.5);
    jet.setEnabled(true);
    clock.now = 62.5;
    EXPECT_EQ(s.tickDue(), 1);
    EXPECT_TRUE(jetTicks.empty());
}

TEST_F(Schedule, EnablingOrChangingTheIntervalRestartsTheGridDisablingStopsIt)
{
    TimerScheduler s(form, clock);
    clock.now = 0;
    laser.setInterval(100);
    laser.setEnabled(true);
    clock.now = 150;
    EXPECT_EQ(turn(s), 1);
    laser.setInterval(40); // restarts at 150: due at 190
    clock.now = 189;
    EXPECT_EQ(turn(s), 0);
    clock.now = 190;
    EXPECT_EQ(turn(s), 1);
    laser.setEnabled(false);
    EXPECT_FALSE(s.msUntilNext().has_value());
    clock.now = 10000;
    EXPECT_EQ(turn(s), 0);
    laser.setEnabled(true); // a fresh start: first tick one period later
    EXPECT_DOUBLE_EQ(*s.msUntilNext(), 40.0);
    laser.setPeriod(62.5); // a new period re-arms too
    EXPECT_DOUBLE_EQ(*s.msUntilNext(), 62.5);
    laser.setInterval(0); // interval 0 never fires, even enabled
    clock.now = 99999;
    EXPECT_EQ(turn(s), 0);
    EXPECT_FALSE(s.msUntilNext().has_value());
}

TEST_F(Schedule, NoTickStartsWhileAnotherHandlerRuns)
{
    TimerScheduler s(form, clock);
    startSixteenth(0);
    jet.setInterval(62);
    jet.setPeriod(62.5);
    jet.setEnabled(true);
    int nested = 0;
    size_t jetTicksInside = 99;
    // The laser's handler spins a nested event loop, as a message box does.
    laser.onTimer([&] {
        laserTicks.push_back(clock.now);
        clock.now += 200;
        nested += s.tickDue();
        jetTicksInside = jetTicks.size();
    });
    clock.now = 62.5;
    EXPECT_EQ(s.tickDue(), 2); // the jet can's tick runs after the laser's handler returned
    EXPECT_EQ(nested, 0);
    EXPECT_EQ(jetTicksInside, 0u);
    EXPECT_EQ(jetTicks.size(), 1u);
    EXPECT_EQ(s.tickDue(), 2); // both late ticks of 125, one per timer
    EXPECT_EQ(jetTicks.size(), 2u);
    {
        HandlerGate gesture; // a click handler is running
        clock.now += 1000;
        EXPECT_EQ(s.tickDue(), 0);
    }
    EXPECT_EQ(s.tickDue(), 2);
}

TEST_F(Schedule, AFailingHandlerIsReportedAndTheScheduleGoesOn)
{
    TimerScheduler s(form, clock);
    QStringList reports;
    s.setFailureSink([&](const std::exception& e) { reports << QString::fromUtf8(e.what()); });
    laser.onTimer([] { throw std::out_of_range("no control lblX"); });
    startSixteenth(0);
    clock.now = 62.5;
    EXPECT_TRUE(s.tickDue());
    clock.now = 125;
    EXPECT_TRUE(s.tickDue());
    EXPECT_EQ(reports, (QStringList{QStringLiteral("no control lblX"), QStringLiteral("no control lblX")}));
}

TEST_F(Schedule, AHandlerThatStopsItsOwnTimerEndsItsTicks)
{
    TimerScheduler s(form, clock);
    laser.onTimer([&] {
        laserTicks.push_back(clock.now);
        if (laserTicks.size() == 3)
            laser.setEnabled(false);
    });
    startSixteenth(0);
    for (int i = 1; i <= 10; ++i) {
        clock.now = 62.5 * i;
        turn(s);
    }
    EXPECT_EQ(laserTicks.size(), 3u);
}

} // namespace

// Lasers a player starts one by one: seven sixteenth-second grids 9 ms apart, more than the
// slack. Each grid gets its own wake-ups: no tick waits for another laser's.
TEST_F(Schedule, StaggeredLasersEachTickOnTheirOwnGrid)
{
    std::vector<Control*> lasers{&laser};
    for (int i = 1; i < 7; ++i)
        lasers.push_back(&form.add(ControlKind::Timer, QStringLiteral("tmrMiningLaser"), i));
    std::vector<std::vector<double>> late(lasers.size()); // ms after its grid point, per tick
    std::vector<double> starts;
    TimerScheduler s(form, clock);
    for (std::size_t i = 0; i < lasers.size(); ++i) {
        clock.now = 1000.0 + 9.0 * static_cast<double>(i);
        starts.push_back(clock.now);
        lasers[i]->onTimer([this, &late, &starts, i] {
            const double k = static_cast<double>(late[i].size() + 1);
            late[i].push_back(clock.now - (starts[i] + k * 62.5));
        });
        lasers[i]->setInterval(62);
        lasers[i]->setPeriod(62.5);
        lasers[i]->setEnabled(true);
    }
    int wakeUps = 0;
    while (clock.now < starts.back() + 10000.0) {
        clock.now += *s.msUntilWake();
        ASSERT_GT(turn(s), 0) << "a wake-up with nothing due";
        ++wakeUps;
    }
    for (const auto& ticks : late) {
        EXPECT_GE(ticks.size(), 159u);
        for (const double ms : ticks)
            EXPECT_DOUBLE_EQ(ms, 0.0);
    }
    EXPECT_GE(wakeUps, 7 * 159);
}

namespace {

// Timers of mixed periods started at given moments, driven the way TimerDriver drives them;
// records every tick's lateness behind its grid point and the wake-ups.
struct MixedRun {
    struct Timer {
        double period;
        double startAt;
    };
    std::vector<std::vector<double>> late;
    int wakeUps = 0;

    MixedRun(const std::vector<Timer>& timers, double runMs)
    {
        Form form{QStringLiteral("frmTest")};
        FakeClock clock;
        std::vector<Control*> controls;
        for (std::size_t i = 0; i < timers.size(); ++i)
            controls.push_back(&form.add(ControlKind::Timer, QStringLiteral("tmr"), static_cast<int>(i)));
        late.resize(timers.size());
        TimerScheduler s(form, clock);
        std::vector<std::size_t> order(timers.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(),
                  [&](std::size_t a, std::size_t b) { return timers[a].startAt < timers[b].startAt; });
        for (const std::size_t i : order)
            controls[i]->onTimer([this, &clock, &timers, i] {
                const double k = static_cast<double>(late[i].size() + 1);
                late[i].push_back(clock.now - (timers[i].startAt + k * timers[i].period));
            });
        // Timers start at their moments while the others run.
        clock.now = timers[order.front()].startAt;
        const double end = timers[order.back()].startAt + runMs;
        std::size_t started = 0;
        for (;;) {
            const std::optional<double> wait = s.msUntilWake();
            const double wakeAt = wait ? clock.now + *wait : end;
            if (started < order.size() && timers[order[started]].startAt <= wakeAt) {
                const std::size_t i = order[started++];
                clock.now = std::max(clock.now, timers[i].startAt);
                controls[i]->setInterval(static_cast<int>(std::lround(timers[i].period)));
                controls[i]->setPeriod(timers[i].period);
                controls[i]->setEnabled(true);
                continue;
            }
            if (wakeAt >= end)
                break;
            clock.now = wakeAt;
            int ran = 0;
            while (const int n = s.tickDue())
                ran += n;
            if (ran == 0)
                ADD_FAILURE() << "a wake-up with nothing due at " << clock.now;
            ++wakeUps;
        }
        for (std::size_t i = 0; i < timers.size(); ++i) {
            // Every grid point up to the end was delivered, once, never early, and no later than
            // the slack.
            const auto points = static_cast<std::size_t>((clock.now - timers[i].startAt) / timers[i].period);
            EXPECT_EQ(late[i].size(), points) << "timer " << i;
            for (const double ms : late[i]) {
                EXPECT_GE(ms, 0.0) << "timer " << i;
                EXPECT_LE(ms, TimerScheduler::SlackMs) << "timer " << i;
            }
        }
    }
};

} // namespace

TEST(ScheduleSlack, IsAFewMillisecondsWhateverThePeriod)
{
    // What a system timer may be late by anyway; a tick later than that shows on a 1/16 s
    // countdown and moves a stop's ore.
    EXPECT_GE(TimerScheduler::SlackMs, 1.0);
    EXPECT_LE(TimerScheduler::SlackMs, 5.0);
    EXPECT_DOUBLE_EQ(TimerDriver::SlackMs, TimerScheduler::SlackMs);
}

// Jet cans clicked at any moment beside seven lasers at 1/16 s tick on time, waking the program
// themselves when no laser tick falls within the slack.
TEST(ScheduleSlack, JetCansStartedAtAnyMomentTickOnTimeBesideTheLasers)
{
    std::vector<MixedRun::Timer> timers;
    for (int i = 0; i < 7; ++i)
        timers.push_back({62.5, 1000.0 + 0.4 * i});
    for (const double at : {1137.0, 1411.0, 1733.0, 1950.0})
        timers.push_back({1000.0, at});
    const MixedRun run(timers, 20000.0);
    std::size_t jetTicks = 0;
    for (std::size_t i = 7; i < timers.size(); ++i) {
        ASSERT_GE(run.late[i].size(), 19u);
        jetTicks += run.late[i].size();
        for (const double ms : run.late[i])
            EXPECT_DOUBLE_EQ(ms, 0.0); // none within the slack of a laser grid point
    }
    // The seven lasers started together share one wake-up a tick; each jet can tick has its own.
    EXPECT_EQ(static_cast<std::size_t>(run.wakeUps), run.late[0].size() + jetTicks);
}

// At the "1 Second" option lasers clicked at different moments each tick a second apart on their
// own grid: no tick waits up to a quarter of a second for another laser's wake-up.
TEST(ScheduleSlack, OneSecondLasersStartedApartTickASecondApart)
{
    std::vector<MixedRun::Timer> timers;
    for (const double at : {0.0, 140.0, 290.0, 430.0, 580.0, 720.0, 860.0})
        timers.push_back({1000.0, 5000.0 + at});
    for (const double at : {5977.0, 6251.0, 6577.0, 6929.0}) // jet cans
        timers.push_back({1000.0, at});
    const MixedRun run(timers, 30000.0);
    for (std::size_t i = 0; i < timers.size(); ++i) {
        ASSERT_GE(run.late[i].size(), 29u);
        for (std::size_t k = 1; k < run.late[i].size(); ++k)
            EXPECT_NEAR(run.late[i][k] - run.late[i][k - 1], 0.0, TimerScheduler::SlackMs) << "timer " << i;
    }
}

// Ticks due within the slack of one another share a wake-up; a timer alone ticks on its grid
// point, not its slack later.
TEST(ScheduleSlack, ATimerAloneTicksOnTimeAndLasersStartedTogetherGather)
{
    const MixedRun alone({{1000.0, 0.0}}, 10000.0);
    for (const double ms : alone.late[0])
        EXPECT_DOUBLE_EQ(ms, 0.0);
    std::vector<MixedRun::Timer> together;
    for (int i = 0; i < 7; ++i)
        together.push_back({62.5, 1000.0 + 0.5 * i}); // one click handler after another
    const MixedRun run(together, 10000.0);
    EXPECT_LE(run.wakeUps, 161);
}

// Mixed periods at awkward phases: every tick once, never early, within the slack.
TEST(ScheduleSlack, MixedPeriodsKeepEveryTickWithinTheSlack)
{
    std::vector<MixedRun::Timer> timers;
    const double periods[] = {62.5, 125.0, 250.0, 500.0, 1000.0};
    for (int i = 0; i < 11; ++i)
        timers.push_back({periods[(i * 3) % 5], 100.0 + 37.3 * i * i});
    MixedRun run(timers, 15000.0);
    EXPECT_GT(run.wakeUps, 0);
}

// Before a gesture or an exit acts, every tick already due runs: all of each timer's, however
// many fell due during a stall, in the order they fell due, and none due after the call began.
TEST_F(Schedule, AllTicksAlreadyDueRunInTheOrderTheyFellDue)
{
    TimerScheduler s(form, clock);
    std::vector<QString> order;
    laser.onTimer([&] { order.push_back(QStringLiteral("laser")); });
    jet.onTimer([&] { order.push_back(QStringLiteral("jet")); });
    clock.now = 0;
    laser.setInterval(300);
    laser.setEnabled(true); // due at 300, 600, 900, 1200
    clock.now = 100;
    jet.setInterval(500);
    jet.setEnabled(true); // due at 600, 1100
    clock.now = 1150;     // the event loop was held up
    form.runDueTicks();
    EXPECT_EQ(order,
              (std::vector<QString>{QStringLiteral("laser"), QStringLiteral("laser"), QStringLiteral("jet"),
                                    QStringLiteral("laser"), QStringLiteral("jet")}));
    EXPECT_EQ(s.tickAllDue(), 0);
    EXPECT_DOUBLE_EQ(*s.msUntilNext(), 50.0); // the laser's grid did not move
    {
        HandlerGate gesture; // inside another handler nothing ticks
        clock.now = 5000;
        EXPECT_EQ(s.tickAllDue(), 0);
    }
    EXPECT_EQ(s.tickAllDue(), 13 + 7);
}

// A click runs behind the gate; a schedule changed inside it (a jet can pressed) still wakes for
// the laser's tick at its due time once the click returns, not a retry later.
TEST_F(Schedule, AClickDelaysNoTick)
{
    TimerDriver driver(form, &clock);
    startSixteenth(0); // due at 62.5
    clock.now = 60;
    {
        HandlerGate click;
        jet.setInterval(1000);
        jet.setEnabled(true);
        EXPECT_FALSE(driver.msUntilWakeUp()); // nothing may tick inside the click
    }
    ASSERT_TRUE(driver.msUntilWakeUp());
    EXPECT_LE(*driver.msUntilWakeUp(), 3);
}

// As the session ends, the ticks already due run even while a click's handler waits on a box.
TEST_F(Schedule, AnExitRunsTheTicksDueEvenWhileABoxIsOpen)
{
    TimerScheduler s(form, clock);
    startSixteenth(0);
    HandlerGate box;
    clock.now = 62.5 * 9;
    form.runDueTicks();
    EXPECT_TRUE(laserTicks.empty());
    form.runDueTicksAtExit();
    EXPECT_EQ(laserTicks.size(), 9u);
}

// A form whose scheduler is gone runs no tick when asked.
TEST_F(Schedule, TheFormForgetsAGoneScheduler)
{
    {
        TimerScheduler s(form, clock);
        startSixteenth(0);
        clock.now = 100;
    }
    form.runDueTicks();
    EXPECT_TRUE(laserTicks.empty());
}
