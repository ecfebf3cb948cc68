#include "platform/LocalClock.h"

#include <QDateTime>

namespace orebell {

double LocalClock::secondsOfDay(qint64 utcMs)
{
    // Read again once a minute, and at once when the system clock is set back.
    if (!checked_ || utcMs - checkedAt_ >= ZoneCheckMs || utcMs < checkedAt_) {
        offsetMs_ = QDateTime::fromMSecsSinceEpoch(utcMs).offsetFromUtc() * qint64(1000);
        checkedAt_ = utcMs;
        checked_ = true;
    }
    constexpr qint64 MsPerDay = 24 * 60 * 60 * 1000;
    const qint64 msOfDay = ((utcMs + offsetMs_) % MsPerDay + MsPerDay) % MsPerDay;
    return static_cast<double>(msOfDay) / 1000.0;
}

double LocalClock::secondsOfDay() { return secondsOfDay(QDateTime::currentMSecsSinceEpoch()); }

} // namespace orebell
