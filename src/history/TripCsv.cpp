#include "history/TripCsv.h"

#include "data/MineralData.h"
#include "data/OreCatalogue.h"

#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <QStringList>

#include <cmath>
#include <optional>

namespace orebell {

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// Whole numbers and cents are kept as integers, so that a total is exactly the sum of its cells.
// A figure that is not finite (a damaged log) counts as nothing rather than as noise.
qint64 whole(double v) { return std::isfinite(v) ? std::llround(v) : 0; }
qint64 cents(double v) { return whole(v * 100); }
QString wholeText(qint64 v) { return QString::number(v); }
QString centsText(qint64 c)
{
    const qint64 a = c < 0 ? -c : c;
    return QStringLiteral("%1%2.%3")
        .arg(c < 0 ? QStringLiteral("-") : QString())
        .arg(a / 100)
        .arg(a % 100, 2, 10, QLatin1Char('0'));
}

QString quoted(const QString& field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString q = field;
    q.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// The ores of the trips, each once: those of the ore list in its order, then any other by name.
QStringList oreColumns(const std::vector<Trip>& trips)
{
    QSet<QString> mined;
    for (const Trip& t : trips)
        for (const TripOre& ore : t.ores)
            mined.insert(ore.oreName);
    QStringList ores;
    for (const QString& name : oreListNames())
        if (mined.remove(name))
            ores << name;
    QStringList others(mined.begin(), mined.end());
    others.sort();
    return ores + others;
}

// One trip's figures, or the totals of several: the row a trip adds to the file.
struct Row {
    qint64 miningSeconds = 0;
    qint64 cycles = 0;
    qint64 minedOut = 0;
    qint64 units = 0;
    qint64 iskCents = 0;
    std::vector<qint64> oreUnits;
    std::array<qint64, Trip::Minerals> estimate{};
    std::array<std::optional<qint64>, Trip::Minerals> refined{}; // none: not known to the log

    Row& operator+=(const Row& r)
    {
        miningSeconds += r.miningSeconds;
        cycles += r.cycles;
        minedOut += r.minedOut;
        units += r.units;
        iskCents += r.iskCents;
        for (std::size_t i = 0; i < oreUnits.size(); ++i)
            oreUnits[i] += r.oreUnits[i];
        for (int k = 0; k < Trip::Minerals; ++k) {
            estimate[k] += r.estimate[k];
            refined[k] = refined[k].value_or(0) + r.refined[k].value_or(0);
        }
        return *this;
    }
};

Row rowOf(const Trip& t, const QStringList& ores)
{
    Row r;
    r.miningSeconds = whole(t.miningSeconds);
    r.cycles = t.cycles;
    r.minedOut = t.asteroidsMinedOut;
    r.iskCents = cents(t.isk);
    r.oreUnits.assign(static_cast<std::size_t>(ores.size()), 0);
    for (const TripOre& ore : t.ores)
        r.oreUnits[static_cast<std::size_t>(ores.indexOf(ore.oreName))] += whole(ore.units);
    for (qint64 u : r.oreUnits)
        r.units += u;
    for (int k = 0; k < Trip::Minerals; ++k) {
        r.estimate[k] = whole(t.estimate[k]);
        // Only a Refine refines; a Refine recorded before the log kept what it refined is unknown.
        if (t.refined)
            r.refined[k] = whole((*t.refined)[k]);
        else if (t.endedBy != TripEnd::Refine)
            r.refined[k] = 0;
    }
    return r;
}

QStringList figures(const Row& r)
{
    QStringList f;
    for (qint64 u : r.oreUnits)
        f << wholeText(u);
    for (qint64 m : r.estimate)
        f << wholeText(m);
    for (const auto& m : r.refined)
        f << (m ? wholeText(*m) : QString());
    return f;
}

QString line(const QStringList& fields) { return fields.join(QLatin1Char(',')) + QStringLiteral("\r\n"); }

} // namespace

QString tripsToCsv(const std::vector<Trip>& trips)
{
    const QStringList ores = oreColumns(trips);
    QStringList header = {QStringLiteral("trip"),
                          QStringLiteral("start_utc"),
                          QStringLiteral("end_utc"),
                          QStringLiteral("ended_by"),
                          QStringLiteral("mining_seconds"),
                          QStringLiteral("cycles"),
                          QStringLiteral("asteroids_mined_out"),
                          QStringLiteral("units"),
                          QStringLiteral("isk"),
                          QStringLiteral("isk_per_hour")};
    for (const QString& ore : ores)
        header << quoted(QStringLiteral("units_") + ore);
    for (const char* m : MineralNames)
        header << QStringLiteral("estimated_") + QLatin1String(m);
    for (const char* m : MineralNames)
        header << QStringLiteral("refined_") + QLatin1String(m);

    QString out = line(header);
    Row total;
    total.oreUnits.assign(static_cast<std::size_t>(ores.size()), 0);
    for (const Trip& t : trips) {
        const Row r = rowOf(t, ores);
        total += r;
        out += line(QStringList{QString::number(t.id), t.start.toUTC().toString(TimeFormat),
                                t.end.toUTC().toString(TimeFormat), quoted(t.endedBy),
                                wholeText(r.miningSeconds), wholeText(r.cycles), wholeText(r.minedOut),
                                wholeText(r.units), centsText(r.iskCents), centsText(cents(t.iskPerHour()))} +
                    figures(r));
    }
    // Isk per hour does not add up; the times and the ending are not figures.
    out +=
        line(QStringList{QStringLiteral("total"), QString(), QString(), QString(),
                         wholeText(total.miningSeconds), wholeText(total.cycles), wholeText(total.minedOut),
                         wholeText(total.units), centsText(total.iskCents), QString()} +
             figures(total));
    return out;
}

std::vector<QStringList> csvRecords(const QString& text)
{
    std::vector<QStringList> records;
    QStringList fields;
    QString field;
    bool inQuotes = false;
    const auto endRecord = [&] {
        fields << field;
        records.push_back(fields);
        fields.clear();
        field.clear();
    };
    for (qsizetype pos = 0; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (inQuotes) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (pos + 1 < text.size() && text[pos + 1] == QLatin1Char('"'))
                field += text[++pos];
            else
                inQuotes = false;
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            endRecord();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (!field.isEmpty() || !fields.isEmpty())
        endRecord();
    return records;
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
