#pragma once

#include "toolkit/MiningLog.h"

#include <QDate>
#include <QStringList>

#include <vector>

namespace orebell {

struct LogTotals {
    int trips = 0;
    double units = 0;
    double isk = 0;
    double miningSeconds = 0;
    double iskPerHour() const { return miningSeconds > 0 ? isk * 3600 / miningSeconds : 0; }
};

// What the mining log window shows, worked out from the trips. A trip belongs to the local day on
// which it ended.
struct LogSummary {
    static constexpr int RecentTrips = 50;
    static constexpr int Days = 30;

    LogTotals today;
    LogTotals lastSevenDays; // today and the six days before
    LogTotals allTime;
    // The last RecentTrips trips, oldest first, the trip in progress last.
    struct RecentTrip {
        qint64 id = 0;
        QDateTime end; // UTC; now for the trip in progress
        double iskPerHour = 0;
        bool inProgress = false;
    };
    std::vector<RecentTrip> recent;
    // Units mined on each of the last Days days (oldest first, today last), per ore.
    std::vector<QDate> days;
    QStringList ores;                            // every ore of the ended trips in those days, by name
    std::vector<std::vector<double>> unitsByOre; // [ore][day]
    double unitsInProgress = 0;                  // of the trip in progress, mined today
};

LogSummary summarize(const std::vector<Trip>& trips, const QDate& today);

// The summary of the ended trips with the trip under way added, as it changes from second to
// second without the ended ones being summed again: it counts in the totals (as today's) once it
// holds ore, and is the newest of the recent trips from its first laser start.
LogSummary withTripInProgress(LogSummary ended, const Trip& inProgress);

} // namespace orebell
