#include "history/LogSummary.h"

#include <QHash>

#include <algorithm>

namespace orebell {

namespace {

void add(LogTotals& totals, const Trip& trip)
{
    ++totals.trips;
    totals.units += trip.units();
    totals.isk += trip.isk;
    totals.miningSeconds += trip.miningSeconds;
}

} // namespace

LogSummary summarize(const std::vector<Trip>& trips, const QDate& today)
{
    LogSummary s;
    const QDate firstDay = today.addDays(1 - LogSummary::Days);
    const QDate weekStart = today.addDays(-6);
    for (int d = 0; d < LogSummary::Days; ++d)
        s.days.push_back(firstDay.addDays(d));

    // Local midnights as UTC instants, so that each trip's day is a comparison rather than a
    // time zone conversion: thousands of trips are summed whenever the window opens.
    std::vector<qint64> midnights;
    for (int d = 0; d <= LogSummary::Days; ++d)
        midnights.push_back(QDateTime(firstDay.addDays(d), QTime(0, 0)).toMSecsSinceEpoch());
    QHash<QString, int> oreIndex;
    for (const Trip& trip : trips) {
        add(s.allTime, trip);
        const qint64 end = trip.end.toMSecsSinceEpoch();
        if (end < midnights.front() || end >= midnights.back())
            continue;
        const auto next = std::upper_bound(midnights.begin(), midnights.end(), end);
        const QDate day = firstDay.addDays(next - midnights.begin() - 1);
        if (day >= weekStart)
            add(s.lastSevenDays, trip);
        if (day == today)
            add(s.today, trip);
        const auto d = static_cast<std::size_t>(firstDay.daysTo(day));
        for (const TripOre& ore : trip.ores) {
            auto it = oreIndex.find(ore.oreName);
            if (it == oreIndex.end()) {
                it = oreIndex.insert(ore.oreName, static_cast<int>(s.ores.size()));
                s.ores << ore.oreName;
                s.unitsByOre.emplace_back(LogSummary::Days, 0.0);
            }
            s.unitsByOre[static_cast<std::size_t>(*it)][d] += ore.units;
        }
    }
    // Name order, so that an ore keeps its colour from one opening to the next.
    std::vector<std::size_t> order(s.ores.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return s.ores[a] < s.ores[b]; });
    QStringList ores;
    std::vector<std::vector<double>> units;
    for (std::size_t i : order) {
        ores << s.ores[static_cast<qsizetype>(i)];
        units.push_back(std::move(s.unitsByOre[i]));
    }
    s.ores = ores;
    s.unitsByOre = std::move(units);

    const std::size_t first =
        trips.size() > LogSummary::RecentTrips ? trips.size() - LogSummary::RecentTrips : 0;
    for (std::size_t i = first; i < trips.size(); ++i)
        s.recent.push_back({trips[i].id, trips[i].end, trips[i].iskPerHour(), false});
    return s;
}

LogSummary withTripInProgress(LogSummary s, const Trip& inProgress)
{
    if (inProgress.units() > 0) {
        add(s.allTime, inProgress);
        add(s.lastSevenDays, inProgress);
        add(s.today, inProgress);
        s.unitsInProgress = inProgress.units();
    }
    if (s.recent.size() >= LogSummary::RecentTrips)
        s.recent.erase(s.recent.begin());
    s.recent.push_back({0, inProgress.end, inProgress.iskPerHour(), true});
    return s;
}

} // namespace orebell
