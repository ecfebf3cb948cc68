#include "platform/LocalClock.h"

#include <QDateTime>
#include <QTime>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

// The time of day in `zone` at `utcMs`, as Qt works it out from the zone alone.
double expectedSecondsOfDay(const QTimeZone& zone, qint64 utcMs)
{
    return QDateTime::fromMSecsSinceEpoch(utcMs, zone).time().msecsSinceStartOfDay() / 1000.0;
}

QTimeZone zoneOrSkip(const char* id)
{
    const QTimeZone zone(id);
    return zone.isValid() && zone.hasTransitions() ? zone : QTimeZone();
}

const qint64 Noon = QDateTime(QDate(2026, 3, 2), QTime(12, 0), Qt::UTC).toMSecsSinceEpoch();

TEST(LocalClock, AChangeOfZoneShowsAtTheNextReading)
{
    QTimeZone zone = QTimeZone::utc();
    LocalClock clock([&] { return zone; });
    EXPECT_DOUBLE_EQ(clock.secondsOfDay(Noon), 12 * 3600.0);
    EXPECT_DOUBLE_EQ(clock.secondsOfDay(Noon + 1500), 12 * 3600.0 + 1.5);

    zone = QTimeZone(9 * 3600); // nine hours east of UTC: 21:00
    EXPECT_DOUBLE_EQ(clock.secondsOfDay(Noon + 2000), 21 * 3600.0 + 2);
    zone = QTimeZone(-10 * 3600); // ten hours west: the day before, 02:00
    EXPECT_DOUBLE_EQ(clock.secondsOfDay(Noon + 3000), 2 * 3600.0 + 3);
    zone = QTimeZone(5 * 3600 + 45 * 60); // a quarter-hour zone
    EXPECT_DOUBLE_EQ(clock.secondsOfDay(Noon + 4000), 17 * 3600.0 + 45 * 60 + 4);

    // Named zones too, as the player picks them from the desktop's list.
    const QTimeZone lordHowe = zoneOrSkip("Australia/Lord_Howe");
    const QTimeZone berlin = zoneOrSkip("Europe/Berlin");
    if (!lordHowe.isValid() || !berlin.isValid())
        GTEST_SKIP() << "no zone database";
    zone = berlin;
    EXPECT_DOUBLE_EQ(clock.secondsOfDay(Noon), 13 * 3600.0);
    zone = lordHowe; // +11 in March
    EXPECT_DOUBLE_EQ(clock.secondsOfDay(Noon + 1000), 23 * 3600.0 + 1);
    zone = berlin;
    EXPECT_DOUBLE_EQ(clock.secondsOfDay(Noon + 2000), 13 * 3600.0 + 2);
}

// Every transition of zones with whole-hour, half-hour and 45-minute steps, over a few years: the
// clock read just before a transition and again just after it shows the new offset at once, and
// the old one again when the system clock is set back across it.
TEST(LocalClock, EveryTransitionShowsAtOnceInBothDirections)
{
    const QDateTime from(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(2029, 1, 1), QTime(0, 0), Qt::UTC);
    int checked = 0;
    for (const char* id : {"Australia/Lord_Howe", "Europe/Berlin", "America/St_Johns", "Australia/Adelaide",
                           "Pacific/Chatham", "America/Santiago"}) {
        const QTimeZone zone = zoneOrSkip(id);
        if (!zone.isValid())
            continue;
        LocalClock clock([&] { return zone; });
        for (const QTimeZone::OffsetData& t : zone.transitions(from, to)) {
            const qint64 at = t.atUtc.toMSecsSinceEpoch();
            for (const qint64 ms : {at - 30'000, at - 1, at, at + 1, at + 45'000, at - 1, at + 59'000}) {
                ASSERT_DOUBLE_EQ(clock.secondsOfDay(ms), expectedSecondsOfDay(zone, ms))
                    << id << " at " << t.atUtc.toString(Qt::ISODate).toStdString() << " " << ms - at << " ms";
            }
            ++checked;
        }
    }
    if (checked == 0)
        GTEST_SKIP() << "no zone database";
    EXPECT_GE(checked, 40); // two a year in each zone that keeps daylight saving
}

// The case: a can launched a few minutes after Lord Howe's half-hour step shows the time
// of day of the new offset, not the old one.
TEST(LocalClock, ACanLaunchedRightAfterAHalfHourStepGetsTheNewTimeOfDay)
{
    const QTimeZone zone = zoneOrSkip("Australia/Lord_Howe");
    if (!zone.isValid())
        GTEST_SKIP() << "no zone database";
    const QTimeZone::OffsetData step =
        zone.nextTransition(QDateTime(QDate(2026, 9, 1), QTime(0, 0), Qt::UTC)); // into daylight saving
    ASSERT_TRUE(step.atUtc.isValid());
    const qint64 at = step.atUtc.toMSecsSinceEpoch();
    LocalClock clock([&] { return zone; });
    const double before = clock.secondsOfDay(at - 20'000);
    const double after = clock.secondsOfDay(at + 20'000);
    EXPECT_DOUBLE_EQ(after - before, 40 + 1800.0); // 02:00 became 02:30
}

TEST(LocalClock, TheSystemZoneAgreesWithQtsLocalTimeNow)
{
    LocalClock clock;
    const double before = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    const double seen = clock.secondsOfDay();
    const double after = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    if (after >= before) { // not across midnight
        EXPECT_GE(seen, before);
        EXPECT_LE(seen, after);
    }
}

} // namespace
