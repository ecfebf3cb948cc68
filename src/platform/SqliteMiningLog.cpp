#include "platform/SqliteMiningLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>
#include <QUuid>
#include <QVariant>

#include <atomic>
#include <set>
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

// Version 3 gives every trip an identity, so that one kept twice (waiting in a file and written
// by another copy, or merged again after a kill) is counted once.
const char* const SchemaV3[] = {
    "ALTER TABLE trips ADD COLUMN uid TEXT",
    "CREATE UNIQUE INDEX trips_uid ON trips(uid)",
};

// What stands between the log and its file, from SQLite's result code: only a file that is not
// SQLite or is malformed is damaged; anything else may pass (space freed, the other program done).
int resultCode(const QSqlError& error) { return error.nativeErrorCode().toInt() & 0xff; }

bool damages(const QSqlError& error)
{
    const int code = resultCode(error);
    return code == 11 /* SQLITE_CORRUPT */ || code == 26 /* SQLITE_NOTADB */;
}

QString errorText(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (resultCode(error)) {
    case 13: // SQLITE_FULL
        return QStringLiteral("the disk is full");
    case 8: // SQLITE_READONLY
        return QStringLiteral("the file or its folder is read-only");
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return QStringLiteral("another program holds the file");
    case 3:  // SQLITE_PERM
    case 23: // SQLITE_AUTH
        return QStringLiteral("permission denied");
    case 10: // SQLITE_IOERR
        return QStringLiteral("a read or write error: %1").arg(text);
    default:
        return text.isEmpty() ? QStringLiteral("unknown error") : text;
    }
}

} // namespace

SqliteMiningLog::SqliteMiningLog(QString path, int busyTimeoutMs, QString pendingPath)
    : path_(std::move(path)), connection_(QStringLiteral("orebell-mining-log-%1").arg(++connectionCount)),
      busyTimeoutMs_(busyTimeoutMs),
      pending_(pendingPath.isEmpty() ? path_ + QStringLiteral(".pending") : std::move(pendingPath))
{}

SqliteMiningLog::~SqliteMiningLog()
{
    if (readers_)
        readers_->waitForDone();
    finishCheck();
    if (!waiting_.empty() && !foreign_) {
        // The last chance for the trips kept in memory: another program may hold the file a
        // while longer, and no window waits any more.
        close();
        busyTimeoutMs_ = closingBusyTimeoutMs_;
        if (!writeWaiting() && !pendingKept_)
            qWarning(
                "Orebell: %d trip(s) could not be written to the mining log %s nor kept in %s (%s): they "
                "are lost",
                static_cast<int>(waiting_.size()), qPrintable(QDir::toNativeSeparators(path_)),
                qPrintable(QDir::toNativeSeparators(pending_.path())), qPrintable(pendingWhy_));
    }
    close();
}

QString SqliteMiningLog::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Orebell/mining-log.sqlite");
}

QString SqliteMiningLog::defaultPendingPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Orebell/mining-log-pending.txt");
}

QString SqliteMiningLog::takeNotice()
{
    std::lock_guard lock(noticeMutex_);
    const QString pending = std::exchange(pendingNotice_, QString());
    if (pending.isEmpty() || notice_.isEmpty())
        return std::exchange(notice_, QString()) + pending;
    return std::exchange(notice_, QString()) + QLatin1Char('\n') + pending;
}

bool SqliteMiningLog::open()
{
    finishCheck();
    if (open_)
        return true;
    if (foreign_)
        return false;
    const Outcome outcome = openLog();
    if (outcome.problem == Problem::None)
        return true;
    tell(outcome);
    return false;
}

SqliteMiningLog::Outcome SqliteMiningLog::openLog()
{
    if (open_)
        return {};
    const Outcome outcome = openChecked(connection_, !checkedOnce_);
    checkedOnce_ = true;
    if (outcome.problem == Problem::None) {
        open_ = true;
        return outcome;
    }
    closeConnection(connection_);
    if (outcome.problem == Problem::Foreign)
        foreign_ = true;
    return outcome;
}

void SqliteMiningLog::checkInBackground(std::function<void()> done)
{
    if (check_ || open_ || foreign_ || checkedOnce_) {
        QTimer::singleShot(0, &context_, [done] {
            if (done)
                done();
        });
        return;
    }
    // A connection of the check's own: Qt SQL's connections belong to the thread that made them.
    const QString connection = connection_ + QStringLiteral("-check");
    loadDriverOnThisThread();
    check_.reset(QThread::create([this, connection] {
        checked_ = openChecked(connection, true);
        closeConnection(connection);
    }));
    QObject::connect(check_.get(), &QThread::finished, &context_, [this, done] {
        finishCheck();
        if (done)
            done();
    });
    check_->start();
}

void SqliteMiningLog::finishCheck()
{
    if (!check_)
        return;
    check_->wait();
    check_.reset();
    checkedOnce_ = true;
    if (checked_.problem == Problem::Foreign)
        foreign_ = true;
    tell(checked_);
}

SqliteMiningLog::Outcome SqliteMiningLog::openChecked(const QString& connection, bool checkIntegrity)
{
    Outcome outcome = tryOpen(connection, checkIntegrity);
    if (outcome.problem == Problem::Damaged) {
        closeConnection(connection);
        if (!setAside(outcome.why))
            return {Problem::Unavailable, outcome.why + QStringLiteral("; it is left where it is for now")};
        outcome = tryOpen(connection, false);
    }
    if (outcome.problem == Problem::None)
        mergePending(connection);
    return outcome;
}

SqliteMiningLog::Outcome SqliteMiningLog::tryOpen(const QString& connection, bool checkIntegrity)
{
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return {Problem::Unavailable, QStringLiteral("its folder cannot be made")};
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    if (!db.isValid())
        return {Problem::Unavailable,
                QStringLiteral("the SQLite driver of Qt is missing (Debian package libqt6sql6-sqlite)")};
    db.setDatabaseName(path_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_));
    if (!db.open())
        return {damages(db.lastError()) ? Problem::Damaged : Problem::Unavailable, errorText(db.lastError())};
    connected(db);
    QSqlQuery q(db);
    const auto failed = [&](bool schemaStep = false) -> Outcome {
        const QSqlError error = q.lastError();
        // In the schema's own statements a plain error means tables that are not ours.
        const bool damaged = damages(error) || (schemaStep && resultCode(error) == 1 /* SQLITE_ERROR */);
        return {damaged ? Problem::Damaged : Problem::Unavailable, errorText(error)};
    };
    // A file that is not a database fails on its first statement.
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
        return failed();
    if (!q.next() || q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        return {Problem::Unavailable, QStringLiteral("it cannot use a write-ahead journal")};
    // In WAL mode a committed trip survives the program being killed; NORMAL skips only the
    // fsync that guards against losing power.
    if (!q.exec(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
        !q.exec(QStringLiteral("PRAGMA foreign_keys=ON")) || !q.exec(QStringLiteral("PRAGMA user_version")) ||
        !q.next())
        return failed();
    const int version = q.value(0).toInt();
    q.finish();
    if (version > SchemaVersion || version < 0)
        return {Problem::Foreign,
                QStringLiteral(
                    "it was written by a newer Orebell, or one this Orebell does not know (log version %1)")
                    .arg(version)};
    if (version == 0) {
        if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
            return failed();
        if (q.value(0).toInt() > 0)
            return {Problem::Damaged, QStringLiteral("it holds tables that are not a mining log")};
        q.finish();
    }
    if (version < SchemaVersion) {
        const Outcome migrated = migrate(db, version);
        if (migrated.problem != Problem::None)
            return migrated;
    }
    // Reads every table once, so that a damaged schema shows now rather than mid-trip.
    if (!q.exec(
            QStringLiteral("SELECT (SELECT count(*) FROM trips WHERE uid IS NULL) + (SELECT count(*) FROM "
                           "trip_ores) + (SELECT count(*) FROM trip_minerals WHERE refined IS NULL)")))
        return failed(true);
    q.finish();
    // A file that reads but cannot be written (its folder read-only, the journal's files already
    // there) shows now rather than at the first trip. Beginning alone takes no write lock there.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")) || !q.exec(QStringLiteral("DELETE FROM trips WHERE 0"))) {
        const Outcome outcome = failed();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return outcome;
    }
    q.exec(QStringLiteral("ROLLBACK"));
    if (checkIntegrity) {
        if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next())
            return failed();
        const QString verdict = q.value(0).toString();
        q.finish();
        if (verdict != QLatin1String("ok"))
            return {Problem::Damaged, QStringLiteral("its integrity check failed: %1").arg(verdict)};
    }
    return {};
}

SqliteMiningLog::Outcome SqliteMiningLog::migrate(QSqlDatabase& db, int from)
{
    QSqlQuery q(db);
    // One transaction from the version found to the current one: a kill leaves the old version.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return {Problem::Unavailable, errorText(q.lastError())};
    bool ok = true;
    if (from < 1)
        for (const char* sql : SchemaV1)
            ok = ok && q.exec(QLatin1String(sql));
    if (from < 2)
        for (const char* sql : SchemaV2)
            ok = ok && q.exec(QLatin1String(sql));
    if (from < 3)
        for (const char* sql : SchemaV3)
            ok = ok && q.exec(QLatin1String(sql));
    ok = ok && q.exec(QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion));
    if (ok && q.exec(QStringLiteral("COMMIT")))
        return {};
    const QSqlError error = q.lastError();
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    // A statement of the schema refused by the file's own tables: they are not ours.
    const bool damaged = damages(error) || resultCode(error) == 1;
    return {damaged ? Problem::Damaged : Problem::Unavailable, errorText(error)};
}

void SqliteMiningLog::close()
{
    open_ = false;
    closeConnection(connection_);
}

void SqliteMiningLog::loadDriverOnThisThread()
{
    // Qt makes a driver plugin's object in the thread that first asks for the driver. Made in a
    // worker that then ends, it outlives its thread, and on Windows the process then never
    // finishes exiting. So the thread that outlives the workers asks first.
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    const QString warm = QStringLiteral("orebell-driver");
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), warm);
    QSqlDatabase::removeDatabase(warm);
}

void SqliteMiningLog::closeConnection(const QString& connection)
{
    if (!QSqlDatabase::contains(connection))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

bool SqliteMiningLog::setAside(const QString& why)
{
    const QString wal = path_ + QStringLiteral("-wal");
    const QString shm = path_ + QStringLiteral("-shm");
    if (QFileInfo::exists(wal) || QFileInfo::exists(shm)) {
        // Another program with the file open keeps its journal there, and taking it away would
        // lose what it wrote. Leaving WAL mode needs the file to ourselves: if SQLite grants it,
        // no one else has it open and the journal is folded into the file; if it is busy,
        // everything stays as it is.
        const QString probe = connection_ + QStringLiteral("-aside");
        bool held = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), probe);
            db.setDatabaseName(path_);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_));
            if (db.open()) {
                QSqlQuery q(db);
                if (!q.exec(QStringLiteral("PRAGMA journal_mode=DELETE"))) {
                    const int code = resultCode(q.lastError());
                    held = code == 5 || code == 6;
                }
            }
        }
        closeConnection(probe);
        if (held)
            return false;
    }
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
    // What is left of a journal (of a file SQLite could not read) belongs with its database: the
    // new log must not replay it. The shared-memory index is rebuilt from a journal.
    QFile::rename(wal, aside + QStringLiteral("-wal"));
    QFile::remove(shm);
    std::lock_guard lock(noticeMutex_);
    notice_ = QStringLiteral(
                  "The mining log could not be used (%1).\nIt was moved to %2 and a new log was started.")
                  .arg(why, QDir::toNativeSeparators(aside));
    return true;
}

void SqliteMiningLog::tell(const Outcome& outcome)
{
    QString text;
    const QString file = QDir::toNativeSeparators(path_);
    switch (outcome.problem) {
    case Problem::None:
    case Problem::Damaged: // setAside() has said it
        return;
    case Problem::Unavailable: {
        const bool kept = pendingWhy_.isEmpty();
        const QString pending = QDir::toNativeSeparators(pending_.path());
        if (!kept && !std::exchange(pendingTold_, true)) {
            // Kept apart: at the close, atRisk() says it more exactly.
            std::lock_guard lock(noticeMutex_);
            pendingNotice_ =
                QStringLiteral("The trips waiting for it cannot be kept in %1 either (%2).\nThey "
                               "wait in memory; if Orebell closes before the log can take them, "
                               "they are lost.")
                    .arg(pending, pendingWhy_);
        }
        if (std::exchange(unavailable_, true))
            return;
        text = QStringLiteral("The mining log in %1 cannot be written now (%2).").arg(file, outcome.why);
        if (kept)
            text +=
                QStringLiteral("\nThe trips of this session are kept in %1 and go into the log as soon as it "
                               "can take them.")
                    .arg(pending);
        break;
    }
    case Problem::Foreign:
        text = QStringLiteral(
                   "The mining log in %1 is left as it is: %2.\nTrips of this session are not recorded.")
                   .arg(file, outcome.why);
        break;
    }
    std::lock_guard lock(noticeMutex_);
    notice_ = notice_.isEmpty() ? text : notice_ + QStringLiteral("\n\n") + text;
}

bool SqliteMiningLog::record(const Trip& trip)
{
    finishCheck();
    if (foreign_)
        return false;
    Trip& kept = waiting_.emplace_back(trip);
    if (kept.uid.isEmpty())
        kept.uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return writeWaiting();
}

QString SqliteMiningLog::atRisk()
{
    finishCheck();
    if (waiting_.empty() || pendingKept_)
        return {};
    {
        std::lock_guard lock(noticeMutex_);
        pendingNotice_.clear();
    }
    return QStringLiteral("%1 trip(s) could not be written to the mining log in %2 nor kept in %3 (%4).\n"
                          "Orebell tries once more as it closes; what the log cannot take then is lost.")
        .arg(waiting_.size())
        .arg(QDir::toNativeSeparators(path_), QDir::toNativeSeparators(pending_.path()), pendingWhy_);
}

bool SqliteMiningLog::keepWaiting()
{
    QString why;
    {
        const PendingTrips::Guard guard(pending_.path());
        PendingTrips::Contents contents;
        if (!guard.held())
            why = guard.why();
        else if (contents = pending_.read(); !contents.damage.isEmpty() && !setPendingAside(contents.damage))
            why = QStringLiteral("a damaged file is in its place");
        if (why.isEmpty()) {
            // What waits there already (of an earlier session or another copy) stays.
            std::set<QString> uids;
            for (const Trip& t : contents.trips)
                uids.insert(t.uid);
            for (const Trip& t : waiting_)
                if (uids.insert(t.uid).second)
                    contents.trips.push_back(t);
            pending_.write(contents.trips, &why);
        }
    }
    pendingKept_ = why.isEmpty();
    pendingWhy_ = why;
    if (pendingKept_)
        pendingTold_ = false;
    return pendingKept_;
}

void SqliteMiningLog::mergePending(const QString& connection)
{
    if (!QFileInfo::exists(pending_.path()))
        return;
    const PendingTrips::Guard guard(pending_.path());
    if (!guard.held() && guard.busy())
        return; // another copy has it now: a later opening tries again
    const PendingTrips::Contents contents = pending_.read();
    if (!guard.held()) {
        // Its folder cannot be written, so no copy can change it; a damaged one is still told.
        if (!contents.damage.isEmpty())
            setPendingAside(contents.damage);
        return;
    }
    if (!contents.damage.isEmpty()) {
        setPendingAside(contents.damage);
        return;
    }
    // All of the file or none of it, and a trip already there (merged before a kill, written by
    // the copy that kept it) is skipped: the file goes only once the log holds every trip.
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery q(db);
    bool ok = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
    for (auto trip = contents.trips.begin(); ok && trip != contents.trips.end(); ++trip)
        ok = insert(db, *trip).problem == Problem::None;
    if (ok && q.exec(QStringLiteral("COMMIT")))
        pending_.remove();
    else
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
}

bool SqliteMiningLog::setPendingAside(const QString& why)
{
    const std::optional<QString> aside = pending_.setAside();
    if (!aside && std::exchange(pendingStuckTold_, true))
        return false; // every opening finds it again: told once
    const QString file = QDir::toNativeSeparators(pending_.path());
    std::lock_guard lock(noticeMutex_);
    if (!notice_.isEmpty())
        notice_ += QStringLiteral("\n\n");
    if (aside)
        notice_ +=
            QStringLiteral("The trips waiting for the mining log in %1 could not be read (%2).\nThe file was "
                           "moved to %3; none of its trips was added to the log.")
                .arg(file, why, QDir::toNativeSeparators(*aside));
    else
        notice_ +=
            QStringLiteral("The trips waiting for the mining log in %1 could not be read (%2), and the "
                           "file could not be moved aside. It is left as it is.")
                .arg(file, why);
    return aside.has_value();
}

bool SqliteMiningLog::writeWaiting()
{
    // A try after a failure starts from a new connection: the file may have been replaced or
    // its disk mounted again meanwhile.
    if (unavailable_ && !waiting_.empty())
        close();
    bool setAsideOnce = false;
    while (!waiting_.empty()) {
        if (foreign_)
            return false;
        Outcome outcome = openLog();
        if (outcome.problem == Problem::None) {
            outcome = write(waiting_.front());
            if (outcome.problem == Problem::None) {
                waiting_.erase(waiting_.begin());
                unavailable_ = false;
                continue;
            }
            close();
            // The file went bad while in use: it goes aside and the trips into a new log.
            if (outcome.problem == Problem::Damaged && !std::exchange(setAsideOnce, true) &&
                setAside(outcome.why))
                continue;
        }
        if (outcome.problem == Problem::Foreign) {
            tell(outcome);
            return false;
        }
        // Kept before the player is told, who hears whether the trips are safe meanwhile.
        outcome.problem = Problem::Unavailable;
        keepWaiting();
        tell(outcome);
        return false;
    }
    if (std::exchange(pendingKept_, false))
        mergePending(connection_); // what the file still holds is in the log now: it goes
    return true;
}

SqliteMiningLog::Outcome SqliteMiningLog::write(const Trip& trip)
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    const auto fail = [&] {
        const QSqlError error = q.lastError();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return Outcome{damages(error) ? Problem::Damaged : Problem::Unavailable, errorText(error)};
    };
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail();
    if (const Outcome inserted = insert(db, trip); inserted.problem != Problem::None) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return inserted;
    }
    if (!q.exec(QStringLiteral("COMMIT")))
        return fail();
    return {};
}

SqliteMiningLog::Outcome SqliteMiningLog::insert(const QSqlDatabase& db, const Trip& trip)
{
    QSqlQuery q(db);
    const auto fail = [&] {
        const QSqlError error = q.lastError();
        return Outcome{damages(error) ? Problem::Damaged : Problem::Unavailable, errorText(error)};
    };
    if (!trip.uid.isEmpty()) {
        q.prepare(QStringLiteral("SELECT 1 FROM trips WHERE uid = ?"));
        q.addBindValue(trip.uid);
        if (!q.exec())
            return fail();
        if (q.next())
            return {}; // there already: merged from the file of waiting trips, or by another copy
        q.finish();
    }
    q.prepare(QStringLiteral(
        "INSERT INTO trips (start_ms, end_ms, mining_seconds, cycles, asteroids, isk, ended_by, uid)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(trip.start.toMSecsSinceEpoch());
    q.addBindValue(trip.end.toMSecsSinceEpoch());
    q.addBindValue(trip.miningSeconds);
    q.addBindValue(trip.cycles);
    q.addBindValue(trip.asteroidsMinedOut);
    q.addBindValue(trip.isk);
    q.addBindValue(trip.endedBy);
    q.addBindValue(trip.uid.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(trip.uid));
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
    return {};
}

std::vector<Trip> SqliteMiningLog::trips(TripDetail detail)
{
    finishCheck();
    std::vector<Trip> out;
    if (foreign_)
        return out;
    // Trips kept in memory are tried once more, and shown whether or not the file took them.
    writeWaiting();
    if (open()) {
        const Outcome outcome = read(QSqlDatabase::database(connection_, false), out, detail);
        if (outcome.problem != Problem::None) {
            out.clear();
            close();
            if (outcome.problem != Problem::Damaged || !setAside(outcome.why))
                tell({Problem::Unavailable, outcome.why});
        }
    } else if (readFile(path_, busyTimeoutMs_, connection_ + QStringLiteral("-read"), out, detail).problem !=
               Problem::None) {
        out.clear(); // what cannot be written may still be read; told by open() when it cannot
    }
    addWaiting(out, waiting_, pending_.read().trips);
    return out;
}

void SqliteMiningLog::addWaiting(std::vector<Trip>& out, const std::vector<Trip>& waiting,
                                 const std::vector<Trip>& pending)
{
    // A trip may be in the log, in memory and in the file at once: it is shown once.
    std::set<QString> uids;
    for (const Trip& t : out)
        if (!t.uid.isEmpty())
            uids.insert(t.uid);
    for (const auto* list : {&waiting, &pending})
        for (const Trip& t : *list)
            if (uids.insert(t.uid).second)
                out.push_back(t);
}

void SqliteMiningLog::readInBackground(TripDetail detail, QObject* context, TripsRead done)
{
    finishCheck();
    writeWaiting();
    const QPointer<QObject> alive(context);
    const auto deliver = [this, alive, done](std::vector<Trip> read, Outcome outcome) {
        // Back on the caller's thread: the log's own context outlives every reader.
        QMetaObject::invokeMethod(
            &context_,
            [this, alive, done, read = std::move(read), outcome]() mutable {
                if (outcome.problem != Problem::None)
                    tell({Problem::Unavailable, outcome.why});
                if (alive)
                    done(std::move(read));
            },
            Qt::QueuedConnection);
    };
    if (foreign_) {
        deliver({}, {});
        return;
    }
    open(); // what cannot be written may still be read
    if (!readers_) {
        loadDriverOnThisThread();
        readers_ = std::make_unique<QThreadPool>();
        readers_->setMaxThreadCount(1);
    }
    const QString connection = connection_ + QStringLiteral("-read-%1").arg(++reads_);
    readers_->start([this, detail, connection, deliver, waiting = waiting_] {
        std::vector<Trip> out;
        const Outcome outcome = readFile(path_, busyTimeoutMs_, connection, out, detail);
        if (outcome.problem != Problem::None)
            out.clear();
        addWaiting(out, waiting, pending_.read().trips);
        deliver(std::move(out), outcome);
    });
}

SqliteMiningLog::Outcome SqliteMiningLog::readFile(const QString& path, int busyTimeoutMs,
                                                   const QString& connection, std::vector<Trip>& out,
                                                   TripDetail detail)
{
    // Read only: a reading changes nothing. A file in a folder that cannot be written has no
    // journal beside it for SQLite to keep; it is then read as it stands (immutable).
    Outcome outcome;
    for (const bool asItStands : {false, true}) {
        out.clear();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(
                asItStands ? QUrl::fromLocalFile(path).toString() + QStringLiteral("?immutable=1") : path);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1%2")
                                     .arg(busyTimeoutMs)
                                     .arg(asItStands ? QStringLiteral(";QSQLITE_OPEN_URI") : QString()));
            outcome =
                db.open() ? read(db, out, detail) : Outcome{Problem::Unavailable, errorText(db.lastError())};
        }
        closeConnection(connection);
        if (outcome.problem == Problem::None || !QFileInfo::exists(path))
            break;
    }
    return outcome;
}

SqliteMiningLog::Outcome SqliteMiningLog::read(const QSqlDatabase& db, std::vector<Trip>& out,
                                               TripDetail detail)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // One snapshot for the three tables: a trip recorded meanwhile is seen whole or not at all.
    if (!q.exec(QStringLiteral("BEGIN")))
        return {damages(q.lastError()) ? Problem::Damaged : Problem::Unavailable, errorText(q.lastError())};
    const auto done = [&](bool ok) -> Outcome {
        const QSqlError error = q.lastError();
        q.finish();
        QSqlQuery(db).exec(QStringLiteral("COMMIT"));
        if (ok)
            return {};
        return {damages(error) ? Problem::Damaged : Problem::Unavailable, errorText(error)};
    };
    // A file read as it stands may be of an earlier version, without the trips' identities.
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return done(false);
    const bool identified = q.value(0).toInt() >= 3;
    q.finish();
    if (!q.exec(
            QStringLiteral("SELECT id, start_ms, end_ms, mining_seconds, cycles, asteroids, isk, ended_by, %1"
                           " FROM trips ORDER BY id")
                .arg(identified ? QStringLiteral("uid") : QStringLiteral("NULL"))))
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
        t.uid = q.value(8).toString();
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
