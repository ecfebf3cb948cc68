// What the view costs on the user-interface thread: building the main window's view,
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
        benchmark::DoNotOptimize(view.paintedItem(QStringLiteral("lblCycleCountdown"), 0));
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

// One 1/16 s wake-up with seven lasers and four jet cans running, seen from the view: each laser's
// countdown, time left and asteroid size change, each jet can's clock changes, then the window
// paints what changed (changed captions in, pixels out).
void BM_SevenLasersTickView(benchmark::State& state)
{
    test::TestPlatform platform;
    Program program(platform);
    program.run();
    Form& form = program.mainForm();
    const auto c = [&](const char* name, int i) -> Control& { return form.control(QLatin1String(name), i); };
    FormView view(form);
    c("txtLasers", 0).setText(QStringLiteral("7"));
    c("lblControlButton", 1).click();
    QApplication::processEvents();
    constexpr int Lasers = 7, JetCans = 4;
    int tick = 0;
    for (auto _ : state) {
        ++tick;
        for (int i = 0; i < Lasers; ++i) {
            c("lblCycleCountdown", i).setCaption(QString::number(180.0 - (tick + i) * 0.0625, 'f', 1));
            c("lblTimeLeft", i)
                .setCaption(QStringLiteral("%1:%2")
                                .arg((tick + i) / 960 % 60, 2, 10, QLatin1Char('0'))
                                .arg((tick + i) / 16 % 60, 2, 10, QLatin1Char('0')));
            c("lblSizeOfRoid", i).setCaption(QString::number(9000000 - 3 * (tick + i)));
        }
        for (int j = 0; j < JetCans; ++j)
            c("lblClockTimer", j)
                .setCaption(QStringLiteral("%1:%2")
                                .arg((tick + j) / 960 % 60, 2, 10, QLatin1Char('0'))
                                .arg((tick + j) / 16 % 60, 2, 10, QLatin1Char('0')));
        QApplication::processEvents(); // one repaint of everything that changed
    }
}
BENCHMARK(BM_SevenLasersTickView)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return runQtBenchmarks(argc, argv); }
