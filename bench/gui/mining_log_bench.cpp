// The mining log: recording one trip, and opening the "Mining log" window, both on a generated
// log of 10,000 trips in the real SQLite file format; the window's thread while it opens on, and
// exports, 100,000 trips.

#include "../QtBenchmarkMain.h"
#include "gui/MiningLogWindow.h"
#include "history/LogSummary.h"
#include "platform/SqliteMiningLog.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>

#include <benchmark/benchmark.h>

namespace {

using namespace orebell;

constexpr int GeneratedTrips = 10000;

Trip generatedTrip(int n)
{
    static const char* const ores[] = {
        "Veldspar", "Concentrated Veldspar", "Scordite", "Pyroxeres", "Plagioclase", "Omber", "Kernite",
        "Jaspet"};
    Trip t;
    t.end = QDateTime(QDate(2026, 12, 7), QTime(22, 0), Qt::UTC).addSecs(-3600LL * 3 * (GeneratedTrips - n));
    t.start = t.end.addSecs(-5400);
    t.miningSeconds = 4000 + n % 1000;
    for (int k = 0; k < 3; ++k)
        t.ores.push_back({QString::fromLatin1(ores[(n + k) % 8]), 1000.0 + n % 977 + k});
    t.cycles = 40 + n % 20;
    t.asteroidsMinedOut = n % 4;
    for (int k = 0; k < Trip::Minerals; ++k)
        t.estimate[static_cast<std::size_t>(k)] = 1000.0 * (k + 1) + n;
    t.isk = 2.5e6 + 137.0 * n;
    t.endedBy = n % 5 ? TripEnd::Reset : TripEnd::Refine;
    if (!(n % 5))
        t.refined = t.estimate;
    return t;
}

// One log of 10,000 trips for the whole run.
struct GeneratedLog {
    QTemporaryDir dir;
    SqliteMiningLog log{dir.filePath(QStringLiteral("mining-log.sqlite"))};
    GeneratedLog()
    {
        for (int n = 0; n < GeneratedTrips; ++n)
            log.record(generatedTrip(n));
    }
    static GeneratedLog& instance()
    {
        static GeneratedLog generated;
        return generated;
    }
};

void BM_RecordTripInto10000(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mining-log.sqlite"));
    QFile::copy(GeneratedLog::instance().log.path(), path);
    SqliteMiningLog log(path);
    log.open();
    int n = GeneratedTrips;
    for (auto _ : state) {
        if (!log.record(generatedTrip(n++)))
            state.SkipWithError("the trip was not recorded");
    }
}
BENCHMARK(BM_RecordTripInto10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every trip with its ores, as the window reads them (the minerals only for an export).
void BM_ReadTrips10000(benchmark::State& state)
{
    MiningLog& log = GeneratedLog::instance().log;
    for (auto _ : state)
        benchmark::DoNotOptimize(log.trips(MiningLog::TripDetail::WithoutMinerals));
}
BENCHMARK(BM_ReadTrips10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The totals, days and bars of 10,000 trips.
void BM_Summarize10000(benchmark::State& state)
{
    const auto trips = GeneratedLog::instance().log.trips(MiningLog::TripDetail::WithoutMinerals);
    for (auto _ : state)
        benchmark::DoNotOptimize(summarize(trips, QDate(2026, 12, 7)));
}
BENCHMARK(BM_Summarize10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Runs the event loop until `signal` of `window` comes.
template <class Signal> void waitFor(MiningLogWindow& window, Signal signal)
{
    QEventLoop loop;
    QObject::connect(&window, signal, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
}

// One opening of the window as the player sees it: built, read, shown and painted.
void openWindowOnce(MiningLog& log, test::TestPlatform& platform)
{
    MiningLogWindow window(log, platform.messageBox());
    window.reload(QDate(2026, 12, 7));
    window.show();
    waitFor(window, &MiningLogWindow::reloaded);
    QApplication::processEvents();
    window.repaint();
}

// The window without trips: widgets, two charts, showing and painting.
void BM_OpenEmptyWindow(benchmark::State& state)
{
    QTemporaryDir dir;
    SqliteMiningLog log(dir.filePath(QStringLiteral("empty.sqlite")));
    test::TestPlatform platform;
    for (auto _ : state)
        openWindowOnce(log, platform);
}
BENCHMARK(BM_OpenEmptyWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// Building the window, reading every trip, drawing the charts, sorting the table and showing it
// painted.
void BM_OpenMiningLogWindow10000(benchmark::State& state)
{
    MiningLog& log = GeneratedLog::instance().log;
    test::TestPlatform platform;
    if (log.trips().size() != GeneratedTrips)
        state.SkipWithError("the generated log is incomplete");
    for (auto _ : state)
        openWindowOnce(log, platform);
}
BENCHMARK(BM_OpenMiningLogWindow10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window's thread seen from a 1 ms timer on it: every stretch the timer could not run is time
// the thread was held (a laser's countdown would have waited as long).
struct UiThreadWatch {
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longestNs = 0;
    qint64 heldNs = 0;
    UiThreadWatch()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(1);
        QObject::connect(&timer, &QTimer::timeout, [this] { note(); });
        clock.start();
        timer.start();
    }
    void note()
    {
        const qint64 now = clock.nsecsElapsed();
        const qint64 gap = now - last;
        last = now;
        if (gap > 2'000'000) {
            heldNs += gap - 1'000'000;
            longestNs = std::max(longestNs, gap);
        }
    }
    void report(benchmark::State& state)
    {
        note();
        state.counters["ui_held_ms"] = static_cast<double>(heldNs) / 1e6;
        state.counters["ui_longest_ms"] = static_cast<double>(longestNs) / 1e6;
    }
};

// 100,000 trips, written in one transaction through a connection of the benchmark's own into a
// log whose schema the log made.
constexpr int ManyTrips = 100000;
struct ManyTripLog {
    QTemporaryDir dir;
    SqliteMiningLog log{dir.filePath(QStringLiteral("mining-log.sqlite"))};
    ManyTripLog()
    {
        log.record(generatedTrip(0));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-fill"));
        db.setDatabaseName(log.path());
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("BEGIN"));
        for (int n = 1; n < ManyTrips; ++n) {
            const Trip t = generatedTrip(n % GeneratedTrips);
            q.prepare(
                QStringLiteral("INSERT INTO trips (start_ms, end_ms, mining_seconds, cycles, asteroids, isk,"
                               " ended_by) VALUES (?, ?, ?, ?, ?, ?, ?)"));
            for (const QVariant& v :
                 {QVariant(t.start.toMSecsSinceEpoch()), QVariant(t.end.toMSecsSinceEpoch()),
                  QVariant(t.miningSeconds), QVariant(t.cycles), QVariant(t.asteroidsMinedOut),
                  QVariant(t.isk), QVariant(t.endedBy)})
                q.addBindValue(v);
            q.exec();
            const qint64 id = q.lastInsertId().toLongLong();
            for (const TripOre& ore : t.ores)
                q.exec(QStringLiteral("INSERT INTO trip_ores VALUES (%1, '%2', %3)")
                           .arg(id)
                           .arg(ore.oreName)
                           .arg(ore.units));
            for (int k = 0; k < Trip::Minerals; ++k)
                q.exec(QStringLiteral("INSERT INTO trip_minerals VALUES (%1, %2, %3, NULL)")
                           .arg(id)
                           .arg(k)
                           .arg(t.estimate[static_cast<std::size_t>(k)]));
        }
        q.exec(QStringLiteral("COMMIT"));
        q.finish();
        db.close();
    }
    static ManyTripLog& instance()
    {
        static ManyTripLog many;
        return many;
    }
};

// Opening the window on 100,000 trips: how long its thread is held in all (goal < 300 ms) and
// at most at a time.
void BM_OpenMiningLogWindow100000UiThread(benchmark::State& state)
{
    MiningLog& log = ManyTripLog::instance().log;
    test::TestPlatform platform;
    for (auto _ : state) {
        UiThreadWatch watch;
        openWindowOnce(log, platform);
        watch.report(state);
    }
}
BENCHMARK(BM_OpenMiningLogWindow100000UiThread)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Exporting 100,000 trips: the longest the window's thread is held at a time (goal < 50 ms).
void BM_ExportMiningLog100000UiThread(benchmark::State& state)
{
    MiningLog& log = ManyTripLog::instance().log;
    test::TestPlatform platform;
    QTemporaryDir out;
    MiningLogWindow window(log, platform.messageBox());
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        UiThreadWatch watch;
        window.exportCsv(out.filePath(QStringLiteral("export.csv")));
        waitFor(window, &MiningLogWindow::exported);
        watch.report(state);
    }
}
BENCHMARK(BM_ExportMiningLog100000UiThread)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv) { return runQtBenchmarks(argc, argv); }
