// What the view costs on the user-interface thread: building every widget of the main window,
// and one laser tick's caption changes pushed to the widgets and painted.
#include "../QtBenchmarkMain.h"
#include "app/Program.h"
#include "gui/FormView.h"
#include "support/TestPlatform.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace orebell;

namespace {

void BM_BuildMainWindowView(benchmark::State& state)
{
    test::TestPlatform platform;
    Program program(platform);
    program.run();
    for (auto _ : state) {
        FormView view(program.mainForm());
        benchmark::DoNotOptimize(view.widgetFor(QStringLiteral("lblCycleCountdown"), 0));
    }
    state.counters["controls"] = static_cast<double>(program.mainForm().controls().size());
}
BENCHMARK(BM_BuildMainWindowView)->Unit(benchmark::kMillisecond);

// A tick of one laser changes its countdown, its time left and its asteroid size; the window then
// repaints what changed.
void BM_LaserTickCaptions(benchmark::State& state)
{
    test::TestPlatform platform;
    Program program(platform);
    program.run();
    FormView view(program.mainForm());
    QApplication::processEvents();
    Form& form = program.mainForm();
    Control& countdown = form.control(QStringLiteral("lblCycleCountdown"), 0);
    Control& left = form.control(QStringLiteral("lblTimeLeft"), 0);
    Control& size = form.control(QStringLiteral("lblSizeOfRoid"), 0);
    int tick = 0;
    for (auto _ : state) {
        ++tick;
        countdown.setCaption(QString::number(60.0 - tick * 0.0625, 'f', 1));
        left.setCaption(QStringLiteral("%1:%2")
                            .arg(tick / 960 % 60, 2, 10, QLatin1Char('0'))
                            .arg(tick / 16 % 60, 2, 10, QLatin1Char('0')));
        size.setCaption(QString::number(100000 - tick));
        QApplication::processEvents(); // paints the changed labels
    }
}
BENCHMARK(BM_LaserTickCaptions)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return runQtBenchmarks(argc, argv); }
