// The mining log: recording one trip, and opening the "Mining log" window, both on a generated
// log of 10,000 trips in the real SQLite file format.

#include "../QtBenchmarkMain.h"
#include "gui/MiningLogWindow.h"
#include "history/LogSummary.h"
#include "platform/SqliteMiningLog.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QTemporaryDir>

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

// One opening of the window as the player sees it: built, read, shown and painted.
void openWindowOnce(MiningLog& log, test::TestPlatform& platform)
{
    MiningLogWindow window(log, platform.messageBox());
    window.reload(QDate(2026, 12, 7));
    window.show();
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

} // namespace

int main(int argc, char** argv) { return runQtBenchmarks(argc, argv); }
