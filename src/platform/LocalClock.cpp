#include "platform/LocalClock.h"

#include <QDateTime>

#include <algorithm>

namespace orebell {

LocalClock::LocalClock(ZoneSource zone) : zone_(std::move(zone)) {}

double LocalClock::secondsOfDay(qint64 utcMs)
{
    const QTimeZone zone = zone_ ? zone_() : QTimeZone::systemTimeZone();
    if (zone.id() != zoneId_ || utcMs < validFrom_ || utcMs >= validUntil_)
        readOffset(zone, utcMs);
    constexpr qint64 MsPerDay = 24 * 60 * 60 * 1000;
    const qint64 msOfDay = ((utcMs + offsetMs_) % MsPerDay + MsPerDay) % MsPerDay;
    return static_cast<double>(msOfDay) / 1000.0;
}

double LocalClock::secondsOfDay() { return secondsOfDay(QDateTime::currentMSecsSinceEpoch()); }

void LocalClock::readOffset(const QTimeZone& zone, qint64 utcMs)
{
    zoneId_ = zone.id();
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(utcMs, Qt::UTC);
    if (!zone.isValid()) { // nothing known of it: the local time as the C library gives it
        offsetMs_ = at.toLocalTime().offsetFromUtc() * qint64(1000);
        validFrom_ = utcMs;
        validUntil_ = utcMs + UnknownTransitionsCheckMs;
        return;
    }
    offsetMs_ = zone.offsetFromUtc(at) * qint64(1000);
    if (!zone.hasTransitions()) {
        validFrom_ = utcMs;
        validUntil_ = utcMs + UnknownTransitionsCheckMs;
        return;
    }
    // A transition exactly at `at` is the one that set the offset just read.
    const QTimeZone::OffsetData last = zone.previousTransition(at.addMSecs(1));
    const QTimeZone::OffsetData next = zone.nextTransition(at);
    validFrom_ = last.atUtc.isValid() ? last.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
    validUntil_ = next.atUtc.isValid() ? next.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
    // An updated zone database may move a transition: ask again now and then all the same.
    validUntil_ = std::min(validUntil_, utcMs + ZoneRecheckMs);
}

} // namespace orebell
