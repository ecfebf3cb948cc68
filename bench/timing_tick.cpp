// Cost of one laser tick: the countdown, the asteroid, the ore-mined grid and the cargo hold, with
// and without the valuation refresh that every twentieth second of a cycle runs.
#include "QtBenchmarkMain.h"
#include "app/Program.h"
#include "data/MineralData.h"
#include "data/Shared.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

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

} // namespace

int main(int argc, char** argv)
{
    return runQtBenchmarks(argc, argv, QLocale(QLocale::English, QLocale::UnitedStates));
}
