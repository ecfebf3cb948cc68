// Whole-process load: the real program (the gui view over RealPlatform, built as main.cpp builds
// it) with seven lasers and four jet-can clocks running, or one of the two floors it is measured
// against, each a bare Qt window with seven 62 ms timers and a stock QLabel per timer:
//
//   orebell_load program [seconds]     the program at 1/16 s; prints CPU, peak memory and the
//                                      countdown's lag behind the wall clock
//   orebell_load program-1s [seconds]  the same at the "1 Second" option
//   orebell_load program-staggered [seconds]
//                                      the program at 1/16 s with the lasers started about a
//                                      second apart, as a player clicks them: their ticks fall at
//                                      seven different moments of each 1/16 s
//   orebell_load program-staggered-125|-250|-500|-1s [seconds]
//                                      the same at the other refresh options
//   orebell_load program-presses [seconds]
//                                      program-staggered with a JET pressed every 237 ms through
//                                      the window, as a player's clicks land between the ticks:
//                                      the ticks' lateness shows what a click costs them
//   orebell_load timers [seconds]      the timers floor: each label shows a number that changes
//                                      once a second (mostly timer wake-ups); "floor" is its old name
//   orebell_load work [seconds]        the work floor: each label shows a number that changes on
//                                      every tick, as an asteroid's remaining units do
//   orebell_load work-staggered [seconds]
//                                      the work floor with its timers started 9 ms apart, at the
//                                      phases of program-staggered's lasers: the fair floor for it
//
// Prints one line of key=value figures. The program's modes also give how late its ticks start
// behind their due times in the measured seconds (late_worst_ms, late_p99_ms, late_median_ms),
// as the timer driver reports each tick it delivers. The settings store goes to a temporary
// folder, so a run neither reads nor changes the user's settings.

#include "app/Program.h"
#include "data/Shared.h"
#include "gui/FormView.h"
#include "gui/ProgramWindows.h"
#include "gui/TimerDriver.h"
#include "platform/OrderlyExit.h"
#include "platform/RealPlatform.h"
#include "platform/SessionPlatform.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Lasers = 7;
constexpr int JetCans = 4;

struct Usage {
    double cpuSeconds = 0;
    long peakKiB = 0;
    long mainThreadWaits = 0; // the GUI thread's voluntary context switches: its wake-ups
};

Usage usage()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    rusage t{};
    getrusage(RUSAGE_THREAD, &t); // called on the GUI thread
    const auto seconds = [](const timeval& v) { return static_cast<double>(v.tv_sec) + v.tv_usec / 1e6; };
    return {seconds(u.ru_utime) + seconds(u.ru_stime), u.ru_maxrss, t.ru_nvcsw};
}

// Runs the event loop for `seconds` and gives the figures at its end: CPU and wall time as the
// timers still run (a program's exit, its settings saved and its trip closed, is not part of them,
// as ktimer's is not part of its own), and the whole run's peak memory, the exit included: it is
// where the mining log's SQLite is loaded.
struct RunEnd {
    Usage usage;
    double wallMs = 0;
};

// Every contender is measured past its start-up, as ktimer is (run-load.sh starts its count three
// seconds in): a window's first paint, the program's start-up click loading the sound stack and the
// glyphs drawn for the first time are not what it costs to keep timers running for hours.
constexpr int SettleMs = 3000;

// Turns the event loop without quitting the application: its quit would run the program's orderly
// exit.
void runEventsFor(int ms)
{
    QEventLoop wait;
    QTimer::singleShot(ms, &wait, &QEventLoop::quit);
    wait.exec();
}

RunEnd runFor(QApplication& app, int seconds, const QElapsedTimer& wall)
{
    RunEnd end;
    // Precise: a coarse timer may end a run 5 % early, and runs are compared by their seconds of CPU.
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &app, [&] {
        end.usage = usage();
        end.wallMs = static_cast<double>(wall.nsecsElapsed()) / 1e6;
        app.quit();
    });
    app.exec();
    end.usage.peakKiB = usage().peakKiB;
    return end;
}

void report(const char* what, const Usage& atStart, const Usage& atEnd, double wallSeconds, const char* extra)
{
    std::printf("%s cpu_total_s=%.3f cpu_running_s=%.3f wall_running_s=%.3f peak_rss_kib=%ld "
                "gui_waits_per_s=%.1f%s\n",
                what, atEnd.cpuSeconds, atEnd.cpuSeconds - atStart.cpuSeconds, wallSeconds, atEnd.peakKiB,
                static_cast<double>(atEnd.mainThreadWaits - atStart.mainThreadWaits) / wallSeconds, extra);
    std::fflush(stdout);
}

// Seven stock labels on seven 62 ms timers. everyTick: the number shown changes on every tick
// (the work floor), else once a second (the timers floor). staggerMs: timer i starts i x staggerMs
// after the first, so that the timers wake the program at seven moments of each period.
int runFloor(QApplication& app, const char* name, int seconds, bool everyTick, int staggerMs = 0)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    std::array<QLabel*, Lasers> labels{};
    std::array<double, Lasers> countdown{};
    for (int i = 0; i < Lasers; ++i) {
        labels[i] = new QLabel(QStringLiteral("180"), &window);
        layout->addWidget(labels[i]);
        countdown[i] = 180;
        auto* timer = new QTimer(&window);
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(62);
        QObject::connect(timer, &QTimer::timeout, labels[i], [&countdown, &labels, i, everyTick] {
            countdown[i] -= 0.0625;
            if (countdown[i] <= 0)
                countdown[i] += 180;
            // The remaining units of an asteroid mined at 540 units a cycle of 180 s.
            const double shown = everyTick ? countdown[i] * 48 : countdown[i];
            labels[i]->setText(QString::number(static_cast<int>(shown)));
        });
        QTimer::singleShot(i * staggerMs, Qt::PreciseTimer, timer, [timer] { timer->start(); });
    }
    window.show();
    runEventsFor(SettleMs);
    const Usage start = usage();
    QElapsedTimer wall;
    wall.start();
    const RunEnd end = runFor(app, seconds, wall);
    report(name, start, end.usage, end.wallMs / 1000.0, "");
    return 0;
}

// mode: the name the figures are reported under. rate: the index of the refresh-rate option (0 is
// 1/16 s, 3 is "1 Second"). staggered: the lasers start 1,009 ms apart (phases 9 ms apart within
// the 62.5 ms tick) and the measurement begins SettleMs after the last one starts; else all start
// at once. presses: a JET is pressed through the window every PressEveryMs while measuring.
int runProgram(QApplication& app, const char* mode, int seconds, int rate, bool staggered = false,
               bool presses = false)
{
    orebell::RealPlatform platform(orebell::moduleParts());
    orebell::Program program(platform);
    orebell::OrderlyExit orderlyExit(program.mainForm(), program.shared().routines);
    program.run();
    if (platform.endRequested()) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    orebell::ProgramWindows windows(program, platform.messageBox(), orebell::moduleMiningLogWindow());
    std::vector<double> lateness;
    lateness.reserve(static_cast<std::size_t>(seconds) * 200);
    bool measuring = false;
    windows.mainView().timers()->scheduler().setTickObserver([&](const orebell::Control&, double lateMs) {
        if (measuring)
            lateness.push_back(lateMs);
    });
    orebell::Form& form = program.mainForm();
    const auto c = [&](const char* name, int i) -> orebell::Control& {
        return form.control(QLatin1String(name), i);
    };

    // Seven panels shown, each laser on an asteroid that outlasts the run, at the 1/16 s rate.
    c("txtLasers", 0).setText(QStringLiteral("7"));
    c("lblControlButton", 1).click();
    c("optRefreshRate", rate).click();
    QElapsedTimer wall;
    wall.start();
    std::array<double, Lasers> startedMs{};
    std::array<double, Lasers> startSeconds{};
    for (int i = 0; i < Lasers; ++i) {
        if (staggered && i > 0)
            runEventsFor(1009);
        c("cboRoidType", i).setText(QStringLiteral("Veldspar"));
        c("txtSizeOfRoid", i).setText(QStringLiteral("90000000"));
        c("txtMiningRate", i).setText(QStringLiteral("540"));
        c("txtCycleDurationInSeconds", i).setText(QStringLiteral("180"));
        c("btnActivateTimer", i).click();
        startedMs[i] = static_cast<double>(wall.nsecsElapsed()) / 1e6;
        startSeconds[i] = program.shared().Lasers[i].SecondsToDeplete;
        if (c("btnActivateTimer", i).caption() != QLatin1String("!")) {
            std::fprintf(stderr, "laser %d did not start\n", i + 1);
            return 1;
        }
    }
    for (int j = 0; j < JetCans; ++j)
        c("lblJetButton", j).click();
    runEventsFor(SettleMs);
    measuring = true;
    const Usage start = usage();
    const double measuredFromMs = static_cast<double>(wall.nsecsElapsed()) / 1e6;

    // The countdown's model time (ticks x 1/16 s, read back from the model) against the wall
    // clock since each laser started, sampled over the last ten seconds each time the event loop
    // is about to sleep: after the program's own wake-ups, so that the benchmark adds none of its
    // own to the CPU measured. Right after a tick the two agree to within its delivery; a laser
    // that fell behind by a tick lags a tick more at every sample. The least lag seen is the
    // drift; a timer that keeps up has less than one tick of it.
    double leastLagMs = 1e300;
    double worstLagMs = 0;
    const double sampleFromMs = measuredFromMs + std::max(0, seconds - 10) * 1000.0;
    const auto sample = [&] {
        const double nowMs = static_cast<double>(wall.nsecsElapsed()) / 1e6;
        if (nowMs < sampleFromMs)
            return;
        for (int i = 0; i < Lasers; ++i) {
            const double modelMs = (startSeconds[i] - program.shared().Lasers[i].SecondsToDeplete) * 1000.0;
            const double lag = (nowMs - startedMs[i]) - modelMs;
            leastLagMs = std::min(leastLagMs, lag);
            worstLagMs = std::max(worstLagMs, lag);
        }
    };
    QObject sampling; // ends the connection with this run
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &sampling,
                     sample);
    // A period prime to the tick's, so that the presses fall at every phase of it.
    constexpr int PressEveryMs = 237;
    QTimer pressing;
    int pressed = 0;
    QObject::connect(&pressing, &QTimer::timeout, &pressing,
                     [&] { windows.mainView().pressByKey(c("lblJetButton", pressed++ % JetCans)); });
    if (presses)
        pressing.start(PressEveryMs);
    const RunEnd end = runFor(app, seconds, wall);
    measuring = false;
    pressing.stop();

    long long ticks = 0;
    for (int i = 0; i < Lasers; ++i)
        ticks += std::llround((startSeconds[i] - program.shared().Lasers[i].SecondsToDeplete) * 1000.0 /
                              program.shared().RefreshInterval);
    std::sort(lateness.begin(), lateness.end());
    const auto quantile = [&](double q) {
        return lateness.empty()
                   ? 0.0
                   : lateness[static_cast<std::size_t>(q * static_cast<double>(lateness.size() - 1))];
    };
    char late[160];
    std::snprintf(late, sizeof late,
                  " ticks_measured=%zu late_worst_ms=%.2f late_p99_ms=%.2f late_median_ms=%.2f",
                  lateness.size(), quantile(1.0), quantile(0.99), quantile(0.5));
    char extra[384];
    if (rate == 0)
        std::snprintf(extra, sizeof extra, " laser_ticks=%lld drift_ms=%.1f lag_worst_ms=%.1f%s", ticks,
                      leastLagMs, worstLagMs, late);
    else
        std::snprintf(extra, sizeof extra, " laser_ticks=%lld%s", ticks, late);
    report(mode, start, end.usage, (end.wallMs - measuredFromMs) / 1000.0, extra);
    return 0;
}

// The refresh-rate options by what the modes call them: the option's index and its suffix.
struct RateMode {
    const char* suffix;
    int option;
};
constexpr RateMode StaggeredRates[] = {{"", 0}, {"-125", 4}, {"-250", 1}, {"-500", 2}, {"-1s", 3}};

} // namespace

int main(int argc, char** argv)
{
    // The store lives under the configuration folder: keep the run's own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const char* mode = argc > 1 ? argv[1] : "program";
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 60;
    // The program's own choice of frame transport, as main.cpp makes it; the floors keep Qt's.
    if (std::strncmp(mode, "program", 7) == 0)
        orebell::sendFramesOverSocket();
    QApplication app(argc, argv);
    if (std::strcmp(mode, "timers") == 0 || std::strcmp(mode, "floor") == 0)
        return runFloor(app, "timers", seconds, false);
    if (std::strcmp(mode, "work") == 0)
        return runFloor(app, mode, seconds, true);
    if (std::strcmp(mode, "work-staggered") == 0)
        return runFloor(app, mode, seconds, true, 9);
    if (std::strcmp(mode, "program-1s") == 0)
        return runProgram(app, mode, seconds, 3);
    if (std::strcmp(mode, "program") == 0)
        return runProgram(app, mode, seconds, 0);
    if (std::strcmp(mode, "program-presses") == 0)
        return runProgram(app, mode, seconds, 0, true, true);
    for (const RateMode& r : StaggeredRates)
        if (std::strcmp(mode, (std::string("program-staggered") + r.suffix).c_str()) == 0)
            return runProgram(app, mode, seconds, r.option, true);
    std::fprintf(stderr, "unknown mode %s\n", mode);
    return 2;
}
