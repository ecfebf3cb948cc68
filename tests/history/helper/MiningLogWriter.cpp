// Records trips into a mining log as fast as it can, printing each trip's number once it is kept
// (its transaction committed, or, given a file for waiting trips, kept there), until it is killed.
// mining_log_writer <log> <first trip number> [<file for waiting trips>]
#include "platform/SqliteMiningLog.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const bool waits = argc > 3;
    // Waiting trips: the test holds the log, and each trip goes to the file after a short wait.
    orebell::SqliteMiningLog log(QString::fromLocal8Bit(argv[1]), waits ? 20 : 250,
                                 waits ? QString::fromLocal8Bit(argv[3]) : QString());
    if (!waits && !log.open())
        return 3;
    const QDateTime start = QDateTime(QDate(2026, 12, 1), QTime(8, 0), Qt::UTC);
    for (long n = std::atol(argv[2]);; ++n) {
        orebell::Trip trip;
        trip.start = start.addSecs(n * 60);
        trip.end = trip.start.addSecs(50);
        trip.miningSeconds = 45.5;
        trip.cycles = static_cast<int>(n);
        trip.ores = {{QStringLiteral("Veldspar"), 1000.5 + n},
                     {QStringLiteral("Scordite"), 2.25},
                     {QStringLiteral("Omber"), 7}};
        for (int k = 0; k < orebell::Trip::Minerals; ++k)
            trip.estimate[static_cast<std::size_t>(k)] = n * 10 + k;
        trip.isk = n * 1.5;
        trip.endedBy = orebell::TripEnd::Reset;
        if (!log.record(trip) && !log.atRisk().isEmpty())
            return 4;
        std::printf("%ld\n", n);
        std::fflush(stdout);
    }
}
