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
    // Isk per hour of mining of the last RecentTrips trips, oldest first, with their trip numbers.
    std::vector<double> recentIskPerHour;
    std::vector<qint64> recentIds;
    // Units mined on each of the last Days days (oldest first, today last), per ore.
    std::vector<QDate> days;
    QStringList ores;                            // every ore mined in those days, by name
    std::vector<std::vector<double>> unitsByOre; // [ore][day]
};

LogSummary summarize(const std::vector<Trip>& trips, const QDate& today);

} // namespace orebell
