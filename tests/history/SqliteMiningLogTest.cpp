#include "platform/SqliteMiningLog.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace orebell {
namespace {

Trip sampleTrip(int n, bool refined = false)
{
    Trip t;
    t.start = QDateTime(QDate(2026, 11, 30), QTime(21, 15, 3, 250), Qt::UTC).addSecs(n * 3600);
    t.end = t.start.addSecs(1800).addMSecs(7);
    t.miningSeconds = 1750.125;
    t.ores = {{QStringLiteral("Dense Veldspar"), 1234.5678901234}, {QStringLiteral("Scordite"), 0.1 + n}};
    t.cycles = 12 + n;
    t.asteroidsMinedOut = 2;
    for (int k = 0; k < Trip::Minerals; ++k)
        t.estimate[static_cast<std::size_t>(k)] = 4939.6295 * (k + 1) + n;
    t.isk = 1234567.891 + n;
    t.endedBy = refined ? TripEnd::Refine : TripEnd::Reset;
    if (refined) {
        t.refined.emplace();
        for (int k = 0; k < Trip::Minerals; ++k)
            (*t.refined)[static_cast<std::size_t>(k)] = 100.0 * k;
    }
    return t;
}

void expectSameTrip(const Trip& a, const Trip& b)
{
    EXPECT_EQ(a.start, b.start);
    EXPECT_EQ(a.end, b.end);
    EXPECT_EQ(a.miningSeconds, b.miningSeconds);
    ASSERT_EQ(a.ores.size(), b.ores.size());
    for (std::size_t i = 0; i < a.ores.size(); ++i) {
        EXPECT_EQ(a.ores[i].oreName, b.ores[i].oreName);
        EXPECT_EQ(a.ores[i].units, b.ores[i].units);
    }
    EXPECT_EQ(a.cycles, b.cycles);
    EXPECT_EQ(a.asteroidsMinedOut, b.asteroidsMinedOut);
    EXPECT_EQ(a.estimate, b.estimate);
    EXPECT_EQ(a.isk, b.isk);
    EXPECT_EQ(a.endedBy, b.endedBy);
    EXPECT_EQ(a.refined, b.refined);
}

// Runs SQL on a file with a connection of the test's own.
struct RawDb {
    QString name;
    explicit RawDb(const QString& path) : name(QStringLiteral("raw-") + path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawDb()
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    QVariant exec(const QString& sql)
    {
        QSqlQuery q(QSqlDatabase::database(name, false));
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
        return q.next() ? q.value(0) : QVariant();
    }
};

struct SqliteMiningLogTest : ::testing::Test {
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("data/mining-log.sqlite")); }
    QStringList setAside() const
    {
        return QDir(dir.filePath(QStringLiteral("data"))).entryList({QStringLiteral("*.unusable-*.sqlite")});
    }
};

TEST_F(SqliteMiningLogTest, KeepsEveryFieldOfATripAcrossReopening)
{
    {
        SqliteMiningLog log(path());
        ASSERT_TRUE(log.record(sampleTrip(0)));
        ASSERT_TRUE(log.record(sampleTrip(1, true)));
    }
    SqliteMiningLog log(path());
    const auto trips = log.trips();
    ASSERT_EQ(trips.size(), 2u);
    EXPECT_LT(trips[0].id, trips[1].id);
    expectSameTrip(trips[0], sampleTrip(0));
    expectSameTrip(trips[1], sampleTrip(1, true));
    EXPECT_TRUE(log.takeNotice().isEmpty());

    RawDb raw(path());
    EXPECT_EQ(raw.exec(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    EXPECT_EQ(raw.exec(QStringLiteral("PRAGMA user_version")).toInt(), SqliteMiningLog::SchemaVersion);
}

TEST_F(SqliteMiningLogTest, MigratesAVersionOneLogAndKeepsItsTrips)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    {
        // The first version's layout, as its files hold it.
        RawDb raw(path());
        raw.exec(
            QStringLiteral("CREATE TABLE trips (id INTEGER PRIMARY KEY, start_ms INTEGER NOT NULL,"
                           " end_ms INTEGER NOT NULL, mining_seconds REAL NOT NULL, cycles INTEGER NOT NULL,"
                           " asteroids INTEGER NOT NULL, isk REAL NOT NULL, ended_by TEXT NOT NULL)"));
        raw.exec(QStringLiteral("CREATE TABLE trip_ores (trip_id INTEGER NOT NULL REFERENCES trips(id),"
                                " ore TEXT NOT NULL, units REAL NOT NULL)"));
        raw.exec(QStringLiteral("CREATE TABLE trip_minerals (trip_id INTEGER NOT NULL REFERENCES trips(id),"
                                " mineral INTEGER NOT NULL, estimated REAL NOT NULL)"));
        raw.exec(QStringLiteral("INSERT INTO trips VALUES (7, 1796073303250, 1796075103257, 1750.125, 12, 2,"
                                " 1234567.891, 'Reset')"));
        raw.exec(QStringLiteral("INSERT INTO trip_ores VALUES (7, 'Dense Veldspar', 1234.5678901234),"
                                " (7, 'Scordite', 0.1)"));
        for (int k = 0; k < Trip::Minerals; ++k)
            raw.exec(QStringLiteral("INSERT INTO trip_minerals VALUES (7, %1, %2)")
                         .arg(k)
                         .arg(4939.6295 * (k + 1), 0, 'g', 17));
        raw.exec(QStringLiteral("PRAGMA user_version=1"));
    }
    SqliteMiningLog log(path());
    auto trips = log.trips();
    ASSERT_EQ(trips.size(), 1u);
    EXPECT_EQ(trips[0].id, 7);
    expectSameTrip(trips[0], sampleTrip(0));
    ASSERT_TRUE(log.record(sampleTrip(1, true))); // the column version 2 added
    trips = log.trips();
    ASSERT_EQ(trips.size(), 2u);
    expectSameTrip(trips[1], sampleTrip(1, true));
    EXPECT_TRUE(log.takeNotice().isEmpty());
    EXPECT_TRUE(setAside().isEmpty());
    RawDb raw(path());
    EXPECT_EQ(raw.exec(QStringLiteral("PRAGMA user_version")).toInt(), 2);
}

TEST_F(SqliteMiningLogTest, DamagedOrForeignFilesAreSetAsideWithOneNotice)
{
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    QByteArray truncated;
    {
        SqliteMiningLog log(path());
        for (int i = 0; i < 50; ++i)
            log.record(sampleTrip(i));
    }
    {
        QFile f(path());
        f.open(QIODevice::ReadOnly);
        truncated = f.readAll();
        truncated.truncate(truncated.size() / 3);
        truncated.replace(100, 3000, QByteArray(3000, '\x5a'));
    }
    QFile::remove(path() + QStringLiteral("-wal"));
    QFile::remove(path() + QStringLiteral("-shm"));
    const Case cases[] = {
        {"text", QByteArray("Ore,Units\nVeldspar,12\n")},
        {"damaged database", truncated},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(dir.filePath(QStringLiteral("data"))).removeRecursively();
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.bytes);
        f.close();

        SqliteMiningLog log(path());
        EXPECT_TRUE(log.open());
        const QString notice = log.takeNotice();
        EXPECT_TRUE(notice.contains(QStringLiteral("mining log could not be used"))) << notice.toStdString();
        EXPECT_TRUE(log.takeNotice().isEmpty()); // told once
        ASSERT_EQ(setAside().size(), 1);
        QFile kept(dir.filePath(QStringLiteral("data/") + setAside().first()));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), c.bytes); // set aside as it was, not repaired or deleted
        EXPECT_TRUE(notice.contains(setAside().first()));

        ASSERT_TRUE(log.record(sampleTrip(3)));
        ASSERT_EQ(log.trips().size(), 1u);
        EXPECT_TRUE(log.takeNotice().isEmpty());
    }
}

QByteArray contentsOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(SqliteMiningLogTest, ALogOfANewerOrUnknownVersionIsLeftUntouchedAndNothingRecorded)
{
    for (int version : {9, -1}) {
        SCOPED_TRACE(version);
        QDir(dir.filePath(QStringLiteral("data"))).removeRecursively();
        {
            SqliteMiningLog log(path());
            ASSERT_TRUE(log.record(sampleTrip(0)));
        }
        {
            RawDb raw(path());
            raw.exec(QStringLiteral("PRAGMA user_version=%1").arg(version));
        }
        const QByteArray before = contentsOf(path());
        {
            SqliteMiningLog log(path());
            EXPECT_FALSE(log.open());
            const QString notice = log.takeNotice();
            EXPECT_TRUE(notice.contains(QStringLiteral("left as it is"))) << notice.toStdString();
            EXPECT_TRUE(notice.contains(QStringLiteral("not recorded"))) << notice.toStdString();
            EXPECT_FALSE(log.record(sampleTrip(1)));
            EXPECT_TRUE(log.trips().empty());
            EXPECT_TRUE(log.takeNotice().isEmpty()); // told once
        }
        EXPECT_TRUE(setAside().isEmpty());
        EXPECT_EQ(contentsOf(path()), before);
        RawDb raw(path());
        EXPECT_EQ(raw.exec(QStringLiteral("SELECT count(*) FROM trips")).toInt(), 1);
    }
}

// Another program (a database browser) holding the file in a write transaction: the file, its
// journal and its shared memory stay, the trips wait in memory and follow once it lets go.
TEST_F(SqliteMiningLogTest, ALogHeldByAnotherProgramStaysAndItsTripsWaitUntilItIsFree)
{
    auto held = std::make_unique<SqliteMiningLog>(path(), 50);
    SqliteMiningLog& log = *held;
    ASSERT_TRUE(log.record(sampleTrip(0)));
    {
        RawDb other(path());
        other.exec(QStringLiteral("BEGIN EXCLUSIVE"));
        EXPECT_FALSE(log.record(sampleTrip(1)));
        const QString notice = log.takeNotice();
        EXPECT_TRUE(notice.contains(QStringLiteral("another program holds"))) << notice.toStdString();
        EXPECT_FALSE(log.record(sampleTrip(2)));
        EXPECT_TRUE(log.takeNotice().isEmpty()); // told once
        EXPECT_EQ(log.waitingTrips(), 2u);
        EXPECT_EQ(log.trips().size(), 3u); // shown meanwhile, from the file and from memory
        EXPECT_TRUE(setAside().isEmpty());
        EXPECT_TRUE(QFile::exists(path() + QStringLiteral("-wal")));
        EXPECT_TRUE(QFile::exists(path() + QStringLiteral("-shm")));
        other.exec(QStringLiteral("ROLLBACK"));
    }
    held.reset(); // the program ends: what waits is written on the way out
    SqliteMiningLog after(path());
    const auto trips = after.trips();
    ASSERT_EQ(trips.size(), 3u);
    for (int i = 0; i < 3; ++i)
        expectSameTrip(trips[static_cast<std::size_t>(i)], sampleTrip(i));
    EXPECT_TRUE(after.takeNotice().isEmpty());
}

// A log whose writes fail as a full disk or a read-only file makes them (SQLite's own limits on
// one connection): the file is kept, the trips wait and are written at the next trip once the
// fault is gone, or when the log is closed.
struct FaultyLog : SqliteMiningLog {
    QString fault;
    using SqliteMiningLog::SqliteMiningLog;
    void connected(QSqlDatabase& db) override
    {
        if (!fault.isEmpty())
            QSqlQuery(db).exec(fault);
    }
};

TEST_F(SqliteMiningLogTest, AFullDiskOrAReadOnlyFileKeepsTheLogAndItsTrips)
{
    struct Case {
        const char* fault;
        const char* told;
    };
    const Case cases[] = {
        {"PRAGMA max_page_count=1", "the disk is full"},
        {"PRAGMA query_only=1", "read-only"},
    };
    // Each trip needs pages of its own, which a file held at its size cannot give.
    const auto bigTrip = [](int n) {
        Trip t = sampleTrip(n);
        t.ores[0].oreName = QString(20000, QLatin1Char('x')) + QString::number(n);
        return t;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        QDir(dir.filePath(QStringLiteral("data"))).removeRecursively();
        {
            SqliteMiningLog log(path());
            ASSERT_TRUE(log.record(bigTrip(0)));
        }
        {
            FaultyLog log(path());
            log.fault = QString::fromLatin1(c.fault);
            EXPECT_FALSE(log.record(bigTrip(1)));
            const QString notice = log.takeNotice();
            EXPECT_TRUE(notice.contains(QString::fromLatin1(c.told))) << notice.toStdString();
            EXPECT_TRUE(notice.contains(QStringLiteral("kept"))) << notice.toStdString();
            EXPECT_FALSE(log.record(bigTrip(2)));
            EXPECT_TRUE(log.takeNotice().isEmpty());
            EXPECT_EQ(log.trips().size(), 3u);
            EXPECT_TRUE(setAside().isEmpty());

            log.fault.clear(); // space freed: the next trip takes the waiting ones along
            ASSERT_TRUE(log.record(bigTrip(3)));
            EXPECT_EQ(log.waitingTrips(), 0u);
            EXPECT_TRUE(log.takeNotice().isEmpty());
        }
        SqliteMiningLog log(path());
        const auto trips = log.trips();
        ASSERT_EQ(trips.size(), 4u);
        for (int i = 0; i < 4; ++i)
            expectSameTrip(trips[static_cast<std::size_t>(i)], bigTrip(i));
        EXPECT_TRUE(setAside().isEmpty());
    }
}

TEST_F(SqliteMiningLogTest, AReadOnlyFolderKeepsTheLogAndItsTrips)
{
    {
        SqliteMiningLog log(path());
        ASSERT_TRUE(log.record(sampleTrip(0)));
    }
    const QString folder = dir.filePath(QStringLiteral("data"));
    const auto writable = QFile::permissions(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(path(), QFileDevice::ReadOwner);
    const bool stillWritable = QFile(path()).open(QIODevice::ReadWrite);
    if (!stillWritable) {
        SqliteMiningLog log(path());
        EXPECT_FALSE(log.record(sampleTrip(1)));
        const QString notice = log.takeNotice();
        EXPECT_TRUE(notice.contains(QStringLiteral("cannot be written now"))) << notice.toStdString();
        EXPECT_EQ(log.trips().size(), 2u);
        EXPECT_TRUE(setAside().isEmpty());
    }
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::setPermissions(folder, writable);
    if (stillWritable)
        GTEST_SKIP() << "permissions do not hold for this user (root)";
}

// The start-up check: a file that is not a log is found and set aside before any trip, off the
// caller's thread, and told when the check is done.
TEST_F(SqliteMiningLogTest, TheBackgroundCheckFindsADamagedLogBeforeAnyTrip)
{
    QDir().mkpath(QFileInfo(path()).absolutePath());
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a database at all, but long enough to have a header of sorts............");
    }
    SqliteMiningLog log(path());
    bool done = false;
    log.checkInBackground([&] { done = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
    const QString notice = log.takeNotice();
    EXPECT_TRUE(notice.contains(QStringLiteral("could not be used"))) << notice.toStdString();
    EXPECT_EQ(setAside().size(), 1);
    ASSERT_TRUE(log.record(sampleTrip(0)));
    EXPECT_EQ(log.trips().size(), 1u);
    EXPECT_TRUE(log.takeNotice().isEmpty());
}

TEST_F(SqliteMiningLogTest, AFolderThatCannotBeWrittenIsToldOnceAndNothingBreaks)
{
    QFile blocker(dir.filePath(QStringLiteral("data")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    SqliteMiningLog log(path());
    EXPECT_FALSE(log.record(sampleTrip(0)));
    EXPECT_TRUE(log.takeNotice().contains(QStringLiteral("cannot be written now")));
    EXPECT_FALSE(log.record(sampleTrip(1)));
    EXPECT_EQ(log.trips().size(), 2u); // shown from memory
    EXPECT_TRUE(log.takeNotice().isEmpty());
}

// A kill at any moment loses at most the trip being written: 50 kills of a writer process, each
// followed by a check that every trip it reported as written is there, whole.
TEST_F(SqliteMiningLogTest, KillsDuringWritesLoseNothingThatWasWritten)
{
    std::set<long> acknowledged;
    long next = 1;
    auto* random = QRandomGenerator::global();
    for (int round = 0; round < 50; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(MINING_LOG_WRITER), {path(), QString::number(next)});
        ASSERT_TRUE(writer.waitForStarted());
        const int wanted = static_cast<int>(random->bounded(1, 6));
        int seen = 0;
        QByteArray pending;
        const auto readAcknowledged = [&] {
            pending += writer.readAllStandardOutput();
            qsizetype nl;
            while ((nl = pending.indexOf('\n')) >= 0) {
                acknowledged.insert(pending.left(nl).toLong());
                pending.remove(0, nl + 1);
                ++seen;
            }
        };
        while (seen < wanted) {
            ASSERT_TRUE(writer.waitForReadyRead(10000)) << "round " << round;
            readAcknowledged();
        }
        writer.kill(); // SIGKILL, while the next trip is on its way
        writer.waitForFinished();
        // What it printed before it died: a kill that takes a while (Windows) lets it write on.
        readAcknowledged();

        SqliteMiningLog log(path());
        const auto trips = log.trips();
        ASSERT_TRUE(log.takeNotice().isEmpty()) << "round " << round;
        std::set<long> kept;
        for (const Trip& t : trips) {
            kept.insert(t.cycles);
            ASSERT_EQ(t.ores.size(), 3u);
            EXPECT_EQ(t.ores[0].units, 1000.5 + t.cycles);
            EXPECT_EQ(t.estimate[7], t.cycles * 10 + 7);
        }
        for (long n : acknowledged)
            ASSERT_TRUE(kept.count(n)) << "trip " << n << " lost in round " << round;
        ASSERT_LE(kept.size(), acknowledged.size() + static_cast<std::size_t>(round) + 1);
        next = *kept.rbegin() + 1;
    }
}

} // namespace
} // namespace orebell
