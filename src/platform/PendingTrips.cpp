#include "platform/PendingTrips.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>
#include <utility>

namespace orebell {

namespace {

const QByteArray Header = QByteArrayLiteral("orebell-pending-trips 1 ");

QByteArray checksum(const QByteArray& body)
{
    return QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex();
}

QJsonArray numbers(const std::array<double, Trip::Minerals>& values)
{
    QJsonArray out;
    for (double v : values)
        out.append(v);
    return out;
}

QJsonObject toJson(const Trip& t)
{
    QJsonArray ores;
    for (const TripOre& ore : t.ores)
        ores.append(QJsonArray{ore.oreName, ore.units});
    QJsonObject o{
        {QStringLiteral("uid"), t.uid},
        {QStringLiteral("start"), t.start.toMSecsSinceEpoch()},
        {QStringLiteral("end"), t.end.toMSecsSinceEpoch()},
        {QStringLiteral("miningSeconds"), t.miningSeconds},
        {QStringLiteral("ores"), ores},
        {QStringLiteral("cycles"), t.cycles},
        {QStringLiteral("asteroids"), t.asteroidsMinedOut},
        {QStringLiteral("estimate"), numbers(t.estimate)},
        {QStringLiteral("isk"), t.isk},
        {QStringLiteral("endedBy"), t.endedBy},
    };
    if (t.refined)
        o.insert(QStringLiteral("refined"), numbers(*t.refined));
    return o;
}

bool finite(const QJsonValue& v) { return v.isDouble() && std::isfinite(v.toDouble()); }

bool mineralsFrom(const QJsonValue& v, std::array<double, Trip::Minerals>& out)
{
    const QJsonArray a = v.toArray();
    if (!v.isArray() || a.size() != Trip::Minerals)
        return false;
    for (int k = 0; k < Trip::Minerals; ++k) {
        if (!finite(a[k]))
            return false;
        out[static_cast<std::size_t>(k)] = a[k].toDouble();
    }
    return true;
}

std::optional<Trip> fromJson(const QJsonValue& value)
{
    const QJsonObject o = value.toObject();
    const auto field = [&o](const char* name) { return o.value(QLatin1String(name)); };
    Trip t;
    for (const char* name : {"start", "end", "miningSeconds", "cycles", "asteroids", "isk"})
        if (!finite(field(name)))
            return std::nullopt;
    if (!field("uid").isString() || field("uid").toString().isEmpty() || !field("endedBy").isString() ||
        !field("ores").isArray())
        return std::nullopt;
    t.uid = field("uid").toString();
    t.start = QDateTime::fromMSecsSinceEpoch(field("start").toInteger(), Qt::UTC);
    t.end = QDateTime::fromMSecsSinceEpoch(field("end").toInteger(), Qt::UTC);
    t.miningSeconds = field("miningSeconds").toDouble();
    t.cycles = field("cycles").toInt();
    t.asteroidsMinedOut = field("asteroids").toInt();
    t.isk = field("isk").toDouble();
    t.endedBy = field("endedBy").toString();
    for (const QJsonValue& ore : field("ores").toArray()) {
        const QJsonArray pair = ore.toArray();
        if (pair.size() != 2 || !pair[0].isString() || !finite(pair[1]))
            return std::nullopt;
        t.ores.push_back({pair[0].toString(), pair[1].toDouble()});
    }
    if (!mineralsFrom(field("estimate"), t.estimate))
        return std::nullopt;
    if (o.contains(QLatin1String("refined")) && !mineralsFrom(field("refined"), t.refined.emplace()))
        return std::nullopt;
    return t;
}

} // namespace

PendingTrips::PendingTrips(QString path) : path_(std::move(path)) {}

PendingTrips::Guard::Guard(const QString& path) : lock_(path + QStringLiteral(".lock"))
{
    // Only a holder that no longer runs makes it stale: a copy may wait on a busy log meanwhile.
    lock_.setStaleLockTime(0);
    QDir().mkpath(QFileInfo(path).absolutePath());
    held_ = lock_.tryLock(10000);
}

QString PendingTrips::Guard::why() const
{
    switch (lock_.error()) {
    case QLockFile::LockFailedError:
        return QStringLiteral("another copy of Orebell holds it");
    case QLockFile::PermissionError:
        return QStringLiteral("its folder cannot be written");
    default:
        return QStringLiteral("its lock file cannot be made");
    }
}

QByteArray PendingTrips::encode(const std::vector<Trip>& trips)
{
    QJsonArray list;
    for (const Trip& t : trips)
        list.append(toJson(t));
    const QByteArray body = QJsonDocument(list).toJson(QJsonDocument::Indented);
    return Header + checksum(body) + '\n' + body;
}

std::optional<std::vector<Trip>> PendingTrips::decode(const QByteArray& bytes, QString* why)
{
    const auto refuse = [why](const QString& text) {
        if (why)
            *why = text;
        return std::nullopt;
    };
    const qsizetype nl = bytes.indexOf('\n');
    if (!bytes.startsWith(Header) || nl < 0)
        return refuse(QStringLiteral("it is not a file of waiting trips"));
    const QByteArray body = bytes.mid(nl + 1);
    if (bytes.mid(Header.size(), nl - Header.size()) != checksum(body))
        return refuse(QStringLiteral("its checksum does not match"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (!document.isArray())
        return refuse(QStringLiteral("it cannot be read: %1").arg(error.errorString()));
    std::vector<Trip> out;
    for (const QJsonValue& value : document.array()) {
        std::optional<Trip> trip = fromJson(value);
        if (!trip)
            return refuse(QStringLiteral("trip %1 in it cannot be read").arg(out.size() + 1));
        out.push_back(std::move(*trip));
    }
    return out;
}

PendingTrips::Contents PendingTrips::read() const
{
    Contents contents;
    QFile file(path_);
    if (!QFileInfo(path_).isFile())
        return contents; // none, or something not ours in the way, which a write then reports

    if (!file.open(QIODevice::ReadOnly)) {
        contents.damage = QStringLiteral("it cannot be opened: %1").arg(file.errorString());
        return contents;
    }
    if (auto trips = decode(file.readAll(), &contents.damage))
        contents.trips = std::move(*trips);
    return contents;
}

bool PendingTrips::write(const std::vector<Trip>& trips, QString* why) const
{
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        if (why)
            *why = QStringLiteral("its folder cannot be made");
        return false;
    }
    QSaveFile file(path_);
    const QByteArray bytes = encode(trips);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (why)
        *why = file.errorString();
    return false;
}

bool PendingTrips::remove() const { return QFile::remove(path_) || !QFileInfo::exists(path_); }

std::optional<QString> PendingTrips::setAside() const
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1;; ++n) {
        const QString aside =
            path_ + QStringLiteral(".damaged-") + stamp + (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        if (QFileInfo::exists(aside))
            continue;
        if (QFile::rename(path_, aside))
            return aside;
        return std::nullopt;
    }
}

} // namespace orebell
