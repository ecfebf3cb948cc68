#include "history/TripCsv.h"

#include "data/MineralData.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <QStringList>

namespace orebell {

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'Z'");
constexpr int TripColumns = 10; // trip .. units; then the estimate and the refined minerals

QStringList header()
{
    QStringList h = {QStringLiteral("trip"),
                     QStringLiteral("start_utc"),
                     QStringLiteral("end_utc"),
                     QStringLiteral("mining_seconds"),
                     QStringLiteral("ended_by"),
                     QStringLiteral("cycles"),
                     QStringLiteral("asteroids_mined_out"),
                     QStringLiteral("trip_isk"),
                     QStringLiteral("ore"),
                     QStringLiteral("units")};
    for (const char* m : MineralNames)
        h << QStringLiteral("estimated_") + QLatin1String(m);
    for (const char* m : MineralNames)
        h << QStringLiteral("refined_") + QLatin1String(m);
    return h;
}

QString number(double v) { return QString::number(v, 'g', 17); }

QString quoted(const QString& field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')))
        return field;
    QString q = field;
    q.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// The fields of one record starting at `pos`; quoted fields may hold commas, quotes and line breaks.
QStringList nextRecord(const QString& text, qsizetype& pos)
{
    QStringList fields;
    QString field;
    bool inQuotes = false;
    while (pos < text.size()) {
        const QChar c = text[pos++];
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (pos < text.size() && text[pos] == QLatin1Char('"')) {
                    field += c;
                    ++pos;
                } else {
                    inQuotes = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            break;
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    fields << field;
    return fields;
}

} // namespace

QString tripsToCsv(const std::vector<Trip>& trips)
{
    QString out = header().join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const Trip& t : trips) {
        QStringList tripFields = {QString::number(t.id),
                                  t.start.toUTC().toString(TimeFormat),
                                  t.end.toUTC().toString(TimeFormat),
                                  number(t.miningSeconds),
                                  quoted(t.endedBy),
                                  QString::number(t.cycles),
                                  QString::number(t.asteroidsMinedOut),
                                  number(t.isk)};
        QStringList minerals;
        for (double v : t.estimate)
            minerals << number(v);
        for (int k = 0; k < Trip::Minerals; ++k)
            minerals << (t.refined ? number((*t.refined)[k]) : QString());
        for (const TripOre& ore : t.ores)
            out += (tripFields + QStringList{quoted(ore.oreName), number(ore.units)} + minerals)
                       .join(QLatin1Char(',')) +
                   QStringLiteral("\r\n");
    }
    return out;
}

std::optional<std::vector<Trip>> tripsFromCsv(const QString& text, QString* error)
{
    const auto fail = [error](int line, const QString& why) -> std::optional<std::vector<Trip>> {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(line).arg(why);
        return std::nullopt;
    };
    const QStringList expected = header();
    qsizetype pos = 0;
    if (nextRecord(text, pos) != expected)
        return fail(1, QStringLiteral("not a mining log export"));
    std::vector<Trip> trips;
    for (int line = 2; pos < text.size(); ++line) {
        const QStringList f = nextRecord(text, pos);
        if (f.size() == 1 && f[0].isEmpty())
            continue;
        if (f.size() != expected.size())
            return fail(line, QStringLiteral("%1 fields instead of %2").arg(f.size()).arg(expected.size()));
        bool ok = true;
        const auto num = [&ok](const QString& s) {
            bool good = false;
            const double v = s.toDouble(&good);
            ok = ok && good;
            return v;
        };
        const qint64 id = f[0].toLongLong(&ok);
        if (!ok)
            return fail(line, QStringLiteral("the trip number is not a number"));
        if (trips.empty() || trips.back().id != id) {
            Trip& t = trips.emplace_back();
            t.id = id;
            t.start = QDateTime::fromString(f[1], TimeFormat);
            t.end = QDateTime::fromString(f[2], TimeFormat);
            t.start.setTimeSpec(Qt::UTC);
            t.end.setTimeSpec(Qt::UTC);
            if (!t.start.isValid() || !t.end.isValid())
                return fail(line, QStringLiteral("a time does not read"));
            t.miningSeconds = num(f[3]);
            t.endedBy = f[4];
            t.cycles = static_cast<int>(num(f[5]));
            t.asteroidsMinedOut = static_cast<int>(num(f[6]));
            t.isk = num(f[7]);
            for (int k = 0; k < Trip::Minerals; ++k)
                t.estimate[k] = num(f[TripColumns + k]);
            if (!f[TripColumns + Trip::Minerals].isEmpty()) {
                t.refined.emplace();
                for (int k = 0; k < Trip::Minerals; ++k)
                    (*t.refined)[k] = num(f[TripColumns + Trip::Minerals + k]);
            }
        }
        trips.back().ores.push_back({f[8], num(f[9])});
        if (!ok)
            return fail(line, QStringLiteral("a number does not read"));
    }
    return trips;
}

QString csvTargetRefusal(const QString& path)
{
    const QFileInfo info(path);
    if ((info.exists() || info.isSymLink()) && !info.isFile())
        return QStringLiteral("it is not a regular file");
    static const QStringList systemFileSystems = {
        QStringLiteral("proc"),   QStringLiteral("sysfs"),     QStringLiteral("devtmpfs"),
        QStringLiteral("devpts"), QStringLiteral("debugfs"),   QStringLiteral("tracefs"),
        QStringLiteral("cgroup"), QStringLiteral("cgroup2"),   QStringLiteral("securityfs"),
        QStringLiteral("pstore"), QStringLiteral("configfs"),  QStringLiteral("efivarfs"),
        QStringLiteral("bpf"),    QStringLiteral("hugetlbfs"), QStringLiteral("mqueue")};
    const QStorageInfo volume(info.absolutePath());
    if (volume.isValid() && systemFileSystems.contains(QString::fromLatin1(volume.fileSystemType())))
        return QStringLiteral("it is a file of the system, not a place for an export");
    return {};
}

} // namespace orebell
