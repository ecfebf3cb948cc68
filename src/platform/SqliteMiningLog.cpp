#include "platform/SqliteMiningLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>
#include <utility>

namespace orebell {

namespace {

std::atomic<int> connectionCount{0};

// Version 1 kept the trips, their ores and their estimated minerals.
const char* const SchemaV1[] = {
    "CREATE TABLE trips (id INTEGER PRIMARY KEY, start_ms INTEGER NOT NULL, end_ms INTEGER NOT NULL,"
    " mining_seconds REAL NOT NULL, cycles INTEGER NOT NULL, asteroids INTEGER NOT NULL,"
    " isk REAL NOT NULL, ended_by TEXT NOT NULL)",
    "CREATE TABLE trip_ores (trip_id INTEGER NOT NULL REFERENCES trips(id), ore TEXT NOT NULL,"
    " units REAL NOT NULL)",
    "CREATE TABLE trip_minerals (trip_id INTEGER NOT NULL REFERENCES trips(id),"
    " mineral INTEGER NOT NULL, estimated REAL NOT NULL)",
};

// Version 2 keeps what a Refine refined, and indexes what the log window reads by.
const char* const SchemaV2[] = {
    "ALTER TABLE trip_minerals ADD COLUMN refined REAL",
    "CREATE INDEX trip_ores_trip ON trip_ores(trip_id)",
    "CREATE INDEX trip_minerals_trip ON trip_minerals(trip_id)",
    "CREATE INDEX trips_start ON trips(start_ms)",
};

QString errorText(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? QStringLiteral("unknown error") : text;
}

bool run(QSqlQuery& query, const QString& sql, QString& why)
{
    if (query.exec(sql))
        return true;
    why = errorText(query.lastError());
    return false;
}

} // namespace

SqliteMiningLog::SqliteMiningLog(QString path, int busyTimeoutMs)
    : path_(std::move(path)), connection_(QStringLiteral("orebell-mining-log-%1").arg(++connectionCount)),
      busyTimeoutMs_(busyTimeoutMs)
{}

SqliteMiningLog::~SqliteMiningLog() { close(); }

QString SqliteMiningLog::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Orebell/mining-log.sqlite");
}

QString SqliteMiningLog::takeNotice() { return std::exchange(notice_, QString()); }

bool SqliteMiningLog::open()
{
    if (open_)
        return true;
    if (broken_)
        return false;
    QString why;
    if (tryOpen(why))
        return true;
    close();
    if (QFileInfo::exists(path_) && setAside(why) && tryOpen(why))
        return true;
    close();
    cannotKeep(why);
    return false;
}

bool SqliteMiningLog::tryOpen(QString& why)
{
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        why = QStringLiteral("its folder cannot be made");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    if (!db.isValid()) {
        why = QStringLiteral("the SQLite driver of Qt is missing (Debian package libqt6sql6-sqlite)");
        return false;
    }
    db.setDatabaseName(path_);
    // Another Orebell writing a trip holds the file for a few milliseconds at most.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_));
    if (!db.open()) {
        why = errorText(db.lastError());
        return false;
    }
    QSqlQuery q(db);
    // A file that is not a database fails on its first statement.
    if (!run(q, QStringLiteral("PRAGMA journal_mode=WAL"), why))
        return false;
    if (!q.next() || q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0) {
        why = QStringLiteral("it cannot use a write-ahead journal");
        return false;
    }
    // In WAL mode a committed trip survives the program being killed; NORMAL skips only the
    // fsync that guards against losing power.
    if (!run(q, QStringLiteral("PRAGMA synchronous=NORMAL"), why) ||
        !run(q, QStringLiteral("PRAGMA foreign_keys=ON"), why) ||
        !run(q, QStringLiteral("PRAGMA user_version"), why) || !q.next()) {
        return false;
    }
    const int version = q.value(0).toInt();
    q.finish();
    if (version > SchemaVersion) {
        why = QStringLiteral("it was written by a newer Orebell (log version %1)").arg(version);
        return false;
    }
    if (version < SchemaVersion && !migrate(version, why))
        return false;
    // Reads every table once, so that a damaged schema shows now rather than mid-trip.
    if (!run(q,
             QStringLiteral("SELECT (SELECT count(*) FROM trips) + (SELECT count(*) FROM trip_ores)"
                            " + (SELECT count(*) FROM trip_minerals WHERE refined IS NULL)"),
             why))
        return false;
    q.finish();
    open_ = true;
    return true;
}

bool SqliteMiningLog::migrate(int from, QString& why)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    // One transaction from the version found to the current one: a kill leaves the old version.
    if (!run(q, QStringLiteral("BEGIN IMMEDIATE"), why))
        return false;
    bool ok = true;
    if (from < 1)
        for (const char* sql : SchemaV1)
            ok = ok && run(q, QLatin1String(sql), why);
    if (from < 2)
        for (const char* sql : SchemaV2)
            ok = ok && run(q, QLatin1String(sql), why);
    ok = ok && run(q, QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion), why);
    if (!ok) {
        QString ignored;
        run(q, QStringLiteral("ROLLBACK"), ignored);
        return false;
    }
    return run(q, QStringLiteral("COMMIT"), why);
}

void SqliteMiningLog::close()
{
    open_ = false;
    if (!QSqlDatabase::contains(connection_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

bool SqliteMiningLog::setAside(const QString& why)
{
    const QFileInfo info(path_);
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside;
    for (int n = 1;; ++n) {
        aside = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
                QStringLiteral(".unusable-") + stamp + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) +
                QLatin1Char('.') + info.suffix();
        if (!QFileInfo::exists(aside))
            break;
    }
    if (!QFile::rename(path_, aside))
        return false;
    // The journal belongs with its database; the shared-memory index is rebuilt from it.
    QFile::rename(path_ + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(path_ + QStringLiteral("-shm"));
    notice_ = QStringLiteral(
                  "The mining log could not be used (%1).\nIt was moved to %2 and a new log was started.")
                  .arg(why, QDir::toNativeSeparators(aside));
    return true;
}

void SqliteMiningLog::cannotKeep(const QString& why)
{
    if (broken_)
        return;
    broken_ = true;
    notice_ =
        QStringLiteral("The mining log cannot be kept in %1 (%2).\nTrips of this session are not recorded.")
            .arg(QDir::toNativeSeparators(path_), why);
}

bool SqliteMiningLog::record(const Trip& trip)
{
    if (!open())
        return false;
    QString why;
    if (write(trip, why))
        return true;
    // The file went bad while in use: keep it aside and the trip in a new log.
    close();
    if (setAside(why) && tryOpen(why) && write(trip, why))
        return true;
    close();
    cannotKeep(why);
    return false;
}

bool SqliteMiningLog::write(const Trip& trip, QString& why)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    if (!run(q, QStringLiteral("BEGIN IMMEDIATE"), why))
        return false;
    const auto fail = [&] {
        why = errorText(q.lastError());
        QSqlQuery rollback(db);
        rollback.exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    q.prepare(QStringLiteral(
        "INSERT INTO trips (start_ms, end_ms, mining_seconds, cycles, asteroids, isk, ended_by)"
        " VALUES (?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(trip.start.toMSecsSinceEpoch());
    q.addBindValue(trip.end.toMSecsSinceEpoch());
    q.addBindValue(trip.miningSeconds);
    q.addBindValue(trip.cycles);
    q.addBindValue(trip.asteroidsMinedOut);
    q.addBindValue(trip.isk);
    q.addBindValue(trip.endedBy);
    if (!q.exec())
        return fail();
    const qint64 id = q.lastInsertId().toLongLong();
    q.prepare(QStringLiteral("INSERT INTO trip_ores (trip_id, ore, units) VALUES (?, ?, ?)"));
    for (const TripOre& ore : trip.ores) {
        q.addBindValue(id);
        q.addBindValue(ore.oreName);
        q.addBindValue(ore.units);
        if (!q.exec())
            return fail();
    }
    q.prepare(QStringLiteral(
        "INSERT INTO trip_minerals (trip_id, mineral, estimated, refined) VALUES (?, ?, ?, ?)"));
    for (int k = 0; k < Trip::Minerals; ++k) {
        q.addBindValue(id);
        q.addBindValue(k);
        q.addBindValue(trip.estimate[k]);
        q.addBindValue(trip.refined ? QVariant((*trip.refined)[k]) : QVariant(QMetaType(QMetaType::Double)));
        if (!q.exec())
            return fail();
    }
    q.finish();
    return run(q, QStringLiteral("COMMIT"), why) || fail();
}

std::vector<Trip> SqliteMiningLog::trips(TripDetail detail)
{
    std::vector<Trip> out;
    if (!open())
        return out;
    QString why;
    if (read(out, detail, why))
        return out;
    out.clear();
    close();
    if (!setAside(why) || !tryOpen(why)) {
        close();
        cannotKeep(why);
    }
    return out;
}

bool SqliteMiningLog::read(std::vector<Trip>& out, TripDetail detail, QString& why)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // One snapshot for the three tables: a trip recorded meanwhile is seen whole or not at all.
    if (!run(q, QStringLiteral("BEGIN"), why))
        return false;
    const auto done = [&](bool ok) {
        if (!ok)
            why = errorText(q.lastError());
        q.finish();
        QSqlQuery end(db);
        end.exec(QStringLiteral("COMMIT"));
        return ok;
    };
    if (!q.exec(QStringLiteral("SELECT id, start_ms, end_ms, mining_seconds, cycles, asteroids, isk, ended_by"
                               " FROM trips ORDER BY id")))
        return done(false);
    while (q.next()) {
        Trip& t = out.emplace_back();
        t.id = q.value(0).toLongLong();
        t.start = QDateTime::fromMSecsSinceEpoch(q.value(1).toLongLong(), Qt::UTC);
        t.end = QDateTime::fromMSecsSinceEpoch(q.value(2).toLongLong(), Qt::UTC);
        t.miningSeconds = q.value(3).toDouble();
        t.cycles = q.value(4).toInt();
        t.asteroidsMinedOut = q.value(5).toInt();
        t.isk = q.value(6).toDouble();
        t.endedBy = q.value(7).toString();
    }
    if (q.lastError().isValid())
        return done(false);
    // Trips are in id order, and so are the rows below: walk both in step.
    const auto walk = [&](const QString& sql, auto&& take) {
        if (!q.exec(sql))
            return false;
        std::size_t at = 0;
        while (q.next()) {
            const qint64 id = q.value(0).toLongLong();
            while (at < out.size() && out[at].id < id)
                ++at;
            if (at < out.size() && out[at].id == id)
                take(out[at]);
        }
        return !q.lastError().isValid();
    };
    const bool ok =
        walk(QStringLiteral("SELECT trip_id, ore, units FROM trip_ores ORDER BY trip_id, rowid"),
             [&](Trip& t) {
                 t.ores.push_back({q.value(1).toString(), q.value(2).toDouble()});
             }) &&
        (detail == TripDetail::WithoutMinerals ||
         walk(QStringLiteral(
                  "SELECT trip_id, mineral, estimated, refined FROM trip_minerals ORDER BY trip_id, mineral"),
              [&](Trip& t) {
                  const int k = q.value(1).toInt();
                  if (k < 0 || k >= Trip::Minerals)
                      return;
                  t.estimate[k] = q.value(2).toDouble();
                  if (!q.isNull(3)) {
                      if (!t.refined)
                          t.refined.emplace();
                      (*t.refined)[k] = q.value(3).toDouble();
                  }
              }));
    return done(ok);
}

} // namespace orebell
