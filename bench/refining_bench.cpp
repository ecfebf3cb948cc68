// The valuation runs on laser ticks (up to sixteen times a second per laser in the seconds it is
// due) and the calculator on every label the pointer enters: both must stay far below a tick.
#include "app/Program.h"
#include "data/Shared.h"
#include "support/TestPlatform.h"
#include "toolkit/Conventions.h"

#include <QApplication>
#include <QLocale>

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
    for (auto _ : state)
        refresh();
    if (!session.platform.messages().isEmpty())
        state.SkipWithError("the valuation refused an entry");
}
BENCHMARK(BM_RefreshValuation48Ores)->Unit(benchmark::kMicrosecond);

void BM_CalcRefinedYieldSevenLasers(benchmark::State& state)
{
    Session session;
    // A locked label recalculates every time the pointer moves over it.
    Control& hedbergite = session.program.mainForm().control(QStringLiteral("lblProcessingSkills"), 8);
    hedbergite.click();
    auto& calc = session.program.shared().routines.CalcRefinedYield;
    for (auto _ : state)
        calc(8);
    if (!session.platform.messages().isEmpty())
        state.SkipWithError("the calculation refused an entry");
}
BENCHMARK(BM_CalcRefinedYieldSevenLasers)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
