#pragma once

#include <QByteArray>
#include <QTimeZone>
#include <QtGlobal>

#include <functional>
#include <limits>

namespace orebell {

// The local time of day from the system clock and the zone's offset from UTC. The offset is kept
// for as long as it holds: until the zone's next transition (or back past its last one, when the
// system clock is set back), or until the zone itself changes, which is asked on every reading.
// Asking the C library for the local time would read the zone file on each call.
class LocalClock {
public:
    // The zone the time of day is shown in; the system's zone when none is given.
    using ZoneSource = std::function<QTimeZone()>;

    explicit LocalClock(ZoneSource zone = {});

    // Seconds since local midnight at `utcMs` (milliseconds since the epoch).
    double secondsOfDay(qint64 utcMs);
    // The same now.
    double secondsOfDay();

    // A zone that knows no transitions (a fixed offset, or a system that does not tell) is asked
    // again this often.
    static constexpr qint64 UnknownTransitionsCheckMs = 60 * 1000;
    // A zone with transitions is asked again at least this often, for an updated zone database.
    static constexpr qint64 ZoneRecheckMs = 60 * 60 * 1000;

private:
    void readOffset(const QTimeZone& zone, qint64 utcMs);

    ZoneSource zone_;
    QByteArray zoneId_;
    qint64 offsetMs_ = 0;
    // The span of UTC over which offsetMs_ holds; empty until the first reading.
    qint64 validFrom_ = std::numeric_limits<qint64>::max();
    qint64 validUntil_ = std::numeric_limits<qint64>::min();
};

} // namespace orebell
