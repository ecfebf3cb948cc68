// Cost of one laser tick: the countdown, the asteroid, the ore-mined grid and the cargo hold, with
// and without the valuation refresh that every twentieth second of a cycle runs. And the wake-ups
// a second that the timer schedule needs for the timers a player starts, on a simulated clock.
#include "QtBenchmarkMain.h"
#include "app/Program.h"
#include "data/MineralData.h"
#include "data/Shared.h"
#include "gui/TimerDriver.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

using namespace orebell;

namespace {

// The program's main window with one laser mining a huge asteroid, the cargo monitor on.
struct Rig {
    test::TestPlatform platform;
    Program program{platform};
    Shared& shared = program.shared();
    Control* timer = nullptr;

    Rig()
    {
        Form& form = program.mainForm();
        LoadMineralYields(shared.mineralYields);
        shared.routines.CycleWarningSeconds = [] { return 15.0; };
        shared.routines.DepletionWarningSeconds = [] { return 15.0; };
        form.control(QStringLiteral("lblCargoHold"), 0).setTag(QStringLiteral("0"));
        form.control(QStringLiteral("cboRoidType"), 0).setText(QStringLiteral("Veldspar"));
        form.control(QStringLiteral("txtSizeOfRoid"), 0).setText(QStringLiteral("1000000000"));
        form.control(QStringLiteral("txtMiningRate"), 0).setText(QStringLiteral("540"));
        form.control(QStringLiteral("txtCycleDurationInSeconds"), 0).setText(QStringLiteral("180"));
        form.control(QStringLiteral("btnActivateTimer"), 0).click();
        timer = &form.control(QStringLiteral("tmrMiningLaser"), 0);
    }
};

// Runs ticks with the countdown held at `countdown`, counting the valuation refreshes they make
// through the wired routine.
void runTicks(benchmark::State& state, double countdown)
{
    Rig rig;
    LaserState& laser = rig.shared.Lasers[0];
    long valuations = 0;
    auto refresh = rig.shared.routines.RefreshValuation;
    rig.shared.routines.RefreshValuation = [&] {
        ++valuations;
        if (refresh)
            refresh();
    };
    for (auto _ : state) {
        laser.CycleRemaining = countdown;
        rig.timer->fire();
    }
    state.counters["valuations"] =
        benchmark::Counter(static_cast<double>(valuations), benchmark::Counter::kAvgIterations);
    state.SetLabel(refresh ? "valuation wired" : "valuation not wired");
}

// A tick away from the valuation seconds: 171.3 s left rounds to 171, no multiple of 20.
void BM_LaserTick(benchmark::State& state) { runTicks(state, 171.3); }
BENCHMARK(BM_LaserTick);

// A tick on a valuation second: 40 s left.
void BM_LaserTickWithValuation(benchmark::State& state) { runTicks(state, 40); }
BENCHMARK(BM_LaserTickWithValuation);

struct SimulatedClock : MonotonicClock {
    double now = 0;
    double nowMs() const override { return now; }
};

// Seven lasers and four jet cans as a player starts them, driven for a simulated minute as
// TimerDriver drives them; counts the wake-ups and the latest tick. Arguments: the lasers' period
// in ms and the gap between laser starts in ms.
void BM_WakeUpsPerSecond(benchmark::State& state)
{
    const double period = static_cast<double>(state.range(0));
    const double gap = static_cast<double>(state.range(1));
    double wakeUps = 0;
    double latestMs = 0;
    double seconds = 0;
    for (auto _ : state) {
        Form form{QStringLiteral("frmSchedule")};
        SimulatedClock clock;
        struct Start {
            double at;
            double period;
            Control* timer;
        };
        std::vector<Start> starts;
        for (int i = 0; i < 7; ++i)
            starts.push_back({gap * i, period == 62 ? 62.5 : period,
                              &form.add(ControlKind::Timer, QStringLiteral("tmrMiningLaser"), i)});
        const double lastLaser = gap * 6;
        // The jet cans, clicked after the lasers, spread over a second and 7, 23, 31 and 45 ms
        // after a 1/16 s grid point.
        const double jetAfter[] = {7, 273, 531, 795};
        for (int j = 0; j < 4; ++j)
            starts.push_back({lastLaser + 1000 + jetAfter[j], 1000,
                              &form.add(ControlKind::Timer, QStringLiteral("tmrJetCan"), j)});
        std::vector<long long> ticks(starts.size());
        TimerScheduler s(form, clock);
        for (std::size_t i = 0; i < starts.size(); ++i)
            starts[i].timer->onTimer([&, i] {
                const double due = starts[i].at + static_cast<double>(++ticks[i]) * starts[i].period;
                latestMs = std::max(latestMs, clock.now - due);
            });
        const double from = starts.back().at;
        const double end = from + 60000;
        std::size_t started = 0;
        int count = 0;
        for (;;) {
            const auto wait = s.msUntilWake();
            const double wakeAt = wait ? clock.now + *wait : end;
            if (started < starts.size() && starts[started].at <= wakeAt) {
                Start& t = starts[started++];
                clock.now = std::max(clock.now, t.at);
                t.timer->setInterval(static_cast<int>(t.period));
                t.timer->setPeriod(t.period);
                t.timer->setEnabled(true);
                continue;
            }
            if (wakeAt >= end)
                break;
            clock.now = wakeAt;
            while (s.tickDue() > 0) {
            }
            if (clock.now >= from)
                ++count;
        }
        wakeUps = count;
        seconds = (end - from) / 1000;
    }
    state.counters["wakeups_per_s"] = wakeUps / seconds;
    state.counters["latest_ms"] = latestMs;
}
// 1/16 s lasers started at once or a second apart, and "1 Second" lasers clicked 140 ms apart.
BENCHMARK(BM_WakeUpsPerSecond)->ArgsProduct({{62}, {0, 1009}})->ArgsProduct({{1000}, {140}})->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    return runQtBenchmarks(argc, argv, QLocale(QLocale::English, QLocale::UnitedStates));
}
