#include "platform/LocalClock.h"

#include <QDateTime>
#include <QTime>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

using namespace orebell;

namespace {

// Sets the process's zone for one test (POSIX zone rules, no zone files needed).
class Zone {
public:
    explicit Zone(const char* tz)
    {
        if (const char* old = std::getenv("TZ"))
            saved_ = std::string(old);
        set(tz);
    }
    ~Zone() { saved_ ? set(saved_->c_str()) : (unsetenv("TZ"), tzset()); }
    static void set(const char* tz)
    {
        setenv("TZ", tz, 1);
        tzset();
    }

private:
    std::optional<std::string> saved_;
};

constexpr qint64 Noon = 1'700'000'000'000 - 1'700'000'000'000 % 86'400'000 + 12 * 3'600'000; // 12:00 UTC

TEST(LocalClock, ShowsTheLocalTimeOfDayAndFollowsAZoneChangeWithinAMinute)
{
    const Zone utc("UTC0");
    LocalClock clock;
    EXPECT_DOUBLE_EQ(clock.secondsOfDay(Noon), 12 * 3600.0);
    EXPECT_DOUBLE_EQ(clock.secondsOfDay(Noon + 1500), 12 * 3600.0 + 1.5);

    Zone::set("JST-9");                                                    // nine hours east of UTC: 21:00
    EXPECT_DOUBLE_EQ(clock.secondsOfDay(Noon + 30'000), 12 * 3600.0 + 30); // not yet looked at
    EXPECT_DOUBLE_EQ(clock.secondsOfDay(Noon + LocalClock::ZoneCheckMs), 21 * 3600.0 + 60);

    Zone::set("HST10"); // ten hours west: the day before, 02:00 + 2 min
    EXPECT_DOUBLE_EQ(clock.secondsOfDay(Noon + 2 * LocalClock::ZoneCheckMs), 2 * 3600.0 + 120);
    // The system clock set back: the zone is looked at again at once.
    Zone::set("UTC0");
    EXPECT_DOUBLE_EQ(clock.secondsOfDay(Noon - 1000), 12 * 3600.0 - 1);
}

TEST(LocalClock, AgreesWithQtsLocalTimeNow)
{
    const Zone zone("CET-1CEST,M3.5.0,M10.5.0/3");
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
