#pragma once

#include <QtGlobal>

namespace orebell {

// The local time of day from the system clock and the zone's offset from UTC, the offset read
// again at most once a minute. Asking for the local time makes glibc look at the zone file each
// time (tzset), a good part of the CPU of a clock that ticks once a second; a change of zone or
// of daylight saving shows within a minute.
class LocalClock {
public:
    static constexpr qint64 ZoneCheckMs = 60 * 1000;

    // Seconds since local midnight at `utcMs` (milliseconds since the epoch).
    double secondsOfDay(qint64 utcMs);
    // The same now.
    double secondsOfDay();

private:
    qint64 offsetMs_ = 0;
    qint64 checkedAt_ = 0;
    bool checked_ = false;
};

} // namespace orebell
