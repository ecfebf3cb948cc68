// The valuation runs on laser ticks (up to sixteen times a second per laser in the seconds it is
// due) and the calculator on every label the pointer enters: both must stay far below a tick.
#include "QtBenchmarkMain.h"
#include "app/Program.h"
#include "data/Shared.h"
#include "support/TestPlatform.h"
#include "toolkit/Conventions.h"

#include <QApplication>
#include <QLocale>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <memory>

using namespace orebell;

namespace {

struct Session {
    test::TestPlatform platform;
    Program program{platform};

    Session()
    {
        program.run();
        Form& form = program.mainForm();
        form.control(QStringLiteral("txtStationNetYield"), 0).setText(QStringLiteral("96.2"));
        form.control(QStringLiteral("txtStationCommsission"), 0).setText(QStringLiteral("5.0"));
        form.control(QStringLiteral("txtStationTax"), 0).setText(QStringLiteral("0.0"));
        const QStringList prices = {QStringLiteral("109"),   QStringLiteral("4500"), QStringLiteral("13.5"),
                                    QStringLiteral("15000"), QStringLiteral("450"),  QStringLiteral("4.5"),
                                    QStringLiteral("2.1"),   QStringLiteral("3900")};
        for (int k = 0; k < 8; ++k) {
            form.control(QStringLiteral("txtMarketValue"), k).setText(prices[k]);
            form.control(QStringLiteral("txtRefinedOre"), k).setText(QStringLiteral("1000"));
            // Goals far away, so that every bar is drawn anew on each run.
            form.control(QStringLiteral("txtMineralsYieldGoal"), k).setText(QStringLiteral("1000000000"));
            form.control(QStringLiteral("lblYieldProgress_bkgrnd"), k).setWidth(1500);
        }
        for (int k = 0; k < 16; ++k)
            form.control(QStringLiteral("txtProcessingSkill"), k).setText(QString::number(k % 6));
        // Every ore of the table mined, as after a long session.
        Grid& grid = form.grid(QStringLiteral("mshflexOreMined"));
        grid.setRows(2);
        grid.setRows(50);
        for (int r = 0; r < 48; ++r) {
            grid.setTextMatrix(r + 1, 0, program.shared().mineralYields.row(r).oreName);
            grid.setTextMatrix(r + 1, 1,
                               formatNumber((r + 1) * 1234.56789, QStringLiteral("#,###.0000000000")));
            grid.setTextMatrix(r + 1, 2, QString::number(program.shared().mineralYields.row(r).batch));
        }
        form.control(QStringLiteral("txtLasers"), 0).setText(QStringLiteral("7"));
        for (int i = 0; i < 7; ++i) {
            form.control(QStringLiteral("txtMiningRate"), i).setText(QStringLiteral("540"));
            form.control(QStringLiteral("txtCycleDurationInSeconds"), i).setText(QStringLiteral("180"));
        }
    }
};

void BM_RefreshValuation48Ores(benchmark::State& state)
{
    Session session;
    auto& refresh = session.program.shared().routines.RefreshValuation;
    Control& tritanium = session.program.mainForm().control(QStringLiteral("txtMineralsMinedFromOre"), 6);
    for (auto _ : state)
        refresh();
    if (!session.platform.messages().isEmpty() || tritanium.text() == QLatin1String("0"))
        state.SkipWithError("the valuation did not refine the grid");
}
BENCHMARK(BM_RefreshValuation48Ores)->Unit(benchmark::kMicrosecond);

// As on a laser tick: the rows of the running lasers (state.range(0) of them) hold new counts.
void BM_RefreshValuation48OresChanging(benchmark::State& state)
{
    Session session;
    Grid& grid = session.program.mainForm().grid(QStringLiteral("mshflexOreMined"));
    const int changing = static_cast<int>(state.range(0));
    QStringList counts[2];
    for (int r = 0; r < changing; ++r)
        for (int v = 0; v < 2; ++v)
            counts[v] << formatNumber((r + 1) * 1234.56789 + v * 0.0625, QStringLiteral("#,###.0000000000"));
    auto& refresh = session.program.shared().routines.RefreshValuation;
    int turn = 0;
    for (auto _ : state) {
        turn ^= 1;
        for (int r = 0; r < changing; ++r)
            grid.setTextMatrix(1 + r * 48 / changing, 1, counts[turn][r]);
        refresh();
    }
}
BENCHMARK(BM_RefreshValuation48OresChanging)->Arg(7)->Arg(48)->Unit(benchmark::kMicrosecond);

void BM_CalcRefinedYieldSevenLasers(benchmark::State& state)
{
    Session session;
    // A locked label recalculates every time the pointer moves over it.
    Control& hedbergite = session.program.mainForm().control(QStringLiteral("lblProcessingSkills"), 8);
    hedbergite.click();
    auto& calc = session.program.shared().routines.CalcRefinedYield;
    Control& isogen = session.program.mainForm().control(QStringLiteral("txtStationYield"), 16);
    for (auto _ : state)
        calc(8);
    if (!session.platform.messages().isEmpty() || isogen.text() == QLatin1String("000"))
        state.SkipWithError("the calculation did not run");
}
BENCHMARK(BM_CalcRefinedYieldSevenLasers)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runQtBenchmarks(argc, argv, QLocale(QLocale::English, QLocale::UnitedStates));
}
