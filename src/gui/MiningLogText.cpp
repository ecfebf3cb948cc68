#include "gui/MiningLogText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace orebell {

QString inProgressText() { return QCoreApplication::translate("MiningLog", "In progress"); }

QString endedByText(const QString& endedBy)
{
    static const char* const ways[] = {
        QT_TRANSLATE_NOOP("MiningLog", "Refine"), QT_TRANSLATE_NOOP("MiningLog", "Reset"),
        QT_TRANSLATE_NOOP("MiningLog", "Close"), QT_TRANSLATE_NOOP("MiningLog", "Exit")};
    for (const char* way : ways)
        if (endedBy == QLatin1String(way))
            return QCoreApplication::translate("MiningLog", way);
    return endedBy;
}

QString wholeNumber(double v) { return QLocale().toString(v, 'f', 0); }

QString dayText(const QDate& day) { return QLocale().toString(day, QStringLiteral("d MMM")); }

QString oreText(const Trip& trip)
{
    QStringList names;
    for (const TripOre& ore : trip.ores)
        names << ore.oreName;
    return names.join(QStringLiteral(", "));
}

QString duration(double seconds)
{
    const auto s = static_cast<qint64>(seconds + 0.5);
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace orebell
