#include "history/LogSummary.h"

#include <gtest/gtest.h>

namespace orebell {
namespace {

const QDate Today(2026, 12, 7);

Trip tripEnding(const QDate& day, const QTime& localTime, double isk, std::vector<TripOre> ores,
                double seconds = 1800)
{
    static qint64 id = 0;
    Trip t;
    t.id = ++id;
    t.end = QDateTime(day, localTime).toUTC(); // the player's day is a local one
    t.start = t.end.addSecs(-3600);
    t.miningSeconds = seconds;
    t.isk = isk;
    t.ores = std::move(ores);
    return t;
}

TEST(LogSummaryTest, TotalsCountEachTripOnceInEveryPeriodItFallsIn)
{
    const std::vector<Trip> trips = {
        tripEnding(Today.addDays(-40), QTime(12, 0), 1000, {{QStringLiteral("Veldspar"), 10}}),
        tripEnding(Today.addDays(-7), QTime(23, 59), 2000,
                   {{QStringLiteral("Veldspar"), 20}}), // just outside 7 days
        tripEnding(Today.addDays(-6), QTime(0, 0), 4000, {{QStringLiteral("Scordite"), 40}}),
        tripEnding(Today, QTime(0, 0, 1), 8000,
                   {{QStringLiteral("Veldspar"), 80}, {QStringLiteral("Omber"), 5}}, 0),
        tripEnding(Today, QTime(23, 59, 59), 16000, {{QStringLiteral("Omber"), 160}}),
    };
    const LogSummary s = summarize(trips, Today);
    EXPECT_EQ(s.allTime.trips, 5);
    EXPECT_EQ(s.allTime.units, 315);
    EXPECT_EQ(s.allTime.isk, 31000);
    EXPECT_EQ(s.lastSevenDays.trips, 3);
    EXPECT_EQ(s.lastSevenDays.isk, 28000);
    EXPECT_EQ(s.today.trips, 2);
    EXPECT_EQ(s.today.units, 245);
    EXPECT_EQ(s.today.miningSeconds, 1800);
    EXPECT_EQ(s.today.iskPerHour(), 48000); // the trip without mining time adds isk, not hours
    EXPECT_EQ(LogTotals{}.iskPerHour(), 0);

    // Thirty days ending today, the forty-day-old trip outside them; ores by name.
    ASSERT_EQ(s.days.size(), 30u);
    EXPECT_EQ(s.days.front(), Today.addDays(-29));
    EXPECT_EQ(s.days.back(), Today);
    EXPECT_EQ(s.ores,
              (QStringList{QStringLiteral("Omber"), QStringLiteral("Scordite"), QStringLiteral("Veldspar")}));
    EXPECT_EQ(s.unitsByOre[0][29], 165);
    EXPECT_EQ(s.unitsByOre[1][23], 40);
    EXPECT_EQ(s.unitsByOre[2][22], 20);
    EXPECT_EQ(s.unitsByOre[2][29], 80);
    double all = 0;
    for (const auto& ore : s.unitsByOre)
        for (double u : ore)
            all += u;
    EXPECT_EQ(all, 305);
}

TEST(LogSummaryTest, TheBarsShowTheLastFiftyTripsOldestFirst)
{
    std::vector<Trip> trips;
    for (int i = 0; i < 73; ++i)
        trips.push_back(tripEnding(Today, QTime(1, 0), 100.0 * i, {{QStringLiteral("Veldspar"), 1}}, 1800));
    const LogSummary s = summarize(trips, Today);
    ASSERT_EQ(s.recent.size(), 50u);
    EXPECT_EQ(s.recent.front().id, trips[23].id);
    EXPECT_EQ(s.recent.back().id, trips[72].id);
    EXPECT_EQ(s.recent.back().end, trips[72].end);
    EXPECT_EQ(s.recent.front().iskPerHour, 4600);
    EXPECT_EQ(s.recent.back().iskPerHour, 14400);

    trips.resize(3);
    EXPECT_EQ(summarize(trips, Today).recent.size(), 3u);
    EXPECT_TRUE(summarize({}, Today).recent.empty());
}

// The trip under way is the newest bar from the first laser start, and counts in the totals
// once it holds ore; its units are today's, apart from the ended trips' ores.
TEST(LogSummaryTest, TheTripInProgressIsTheNewestBarAndCountsOnceItHoldsOre)
{
    std::vector<Trip> trips;
    for (int i = 0; i < 60; ++i)
        trips.push_back(tripEnding(Today, QTime(1, 0), 100.0 * i, {{QStringLiteral("Veldspar"), 1}}, 1800));
    Trip live = tripEnding(Today, QTime(2, 0), 0, {}, 0);
    live.id = 0;

    const LogSummary ended = summarize(trips, Today);
    LogSummary s = withTripInProgress(ended, live);
    ASSERT_EQ(s.recent.size(), 50u);
    EXPECT_EQ(s.recent[48].id, trips.back().id);
    EXPECT_TRUE(s.recent.back().inProgress);
    EXPECT_EQ(s.recent.back().iskPerHour, 0);
    EXPECT_EQ(s.today.trips, 60); // nothing mined yet: not a trip
    EXPECT_EQ(s.unitsInProgress, 0);

    live.ores = {{QStringLiteral("Omber"), 30}};
    live.isk = 500;
    live.miningSeconds = 900;
    s = withTripInProgress(ended, live);
    EXPECT_EQ(s.recent.back().iskPerHour, 2000);
    EXPECT_EQ(s.today.trips, 61);
    EXPECT_EQ(s.allTime.units, 90);
    EXPECT_EQ(s.unitsInProgress, 30);
    EXPECT_EQ(s.ores, QStringList{QStringLiteral("Veldspar")});
}

} // namespace
} // namespace orebell
