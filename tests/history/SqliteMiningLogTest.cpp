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
#include <optional>
#include <set>
#include <utility>

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
    // Where trips wait: a folder of its own, as the settings' folder is.
    QString pendingPath() const { return dir.filePath(QStringLiteral("config/mining-log-pending.txt")); }
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
    EXPECT_EQ(raw.exec(QStringLiteral("PRAGMA user_version")).toInt(), SqliteMiningLog::SchemaVersion);
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

// The trip numbers a writer process printed, each once it had committed that trip.
struct Acknowledgements {
    explicit Acknowledgements(std::set<long>& into) : numbers(into) {}
    std::set<long>& numbers;
    QByteArray lines;
    int seen = 0;
    void read(QProcess& writer)
    {
        lines += writer.readAllStandardOutput();
        qsizetype nl;
        while ((nl = lines.indexOf('\n')) >= 0) {
            numbers.insert(lines.left(nl).toLong());
            lines.remove(0, nl + 1);
            ++seen;
        }
    }
};

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
        Acknowledgements printed(acknowledged);
        while (printed.seen < wanted) {
            ASSERT_TRUE(writer.waitForReadyRead(10000)) << "round " << round;
            printed.read(writer);
        }
        writer.kill(); // SIGKILL, while the next trip is on its way
        writer.waitForFinished();
        // What it printed before it died: a kill that takes a while (Windows) lets it write on.
        printed.read(writer);

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

// Trips the log cannot take before the program ends wait in their file, and the next start merges
// them in once: also when a kill left the file behind after the merge.
TEST_F(SqliteMiningLogTest, TripsTheLogCannotTakeAtExitWaitInTheirFileAndAreMergedOnce)
{
    {
        SqliteMiningLog log(path(), 50, pendingPath());
        ASSERT_TRUE(log.record(sampleTrip(0)));
    }
    QByteArray kept;
    {
        RawDb other(path());
        other.exec(QStringLiteral("BEGIN EXCLUSIVE"));
        {
            SqliteMiningLog log(path(), 50, pendingPath());
            log.setClosingBusyTimeout(50);
            EXPECT_FALSE(log.record(sampleTrip(1)));
            EXPECT_FALSE(log.record(sampleTrip(2)));
            const QString notice = log.takeNotice();
            EXPECT_TRUE(notice.contains(QDir::toNativeSeparators(pendingPath()))) << notice.toStdString();
            EXPECT_TRUE(log.atRisk().isEmpty());
            EXPECT_EQ(log.trips().size(), 3u);
        } // the program ends while the other program still holds the log
        kept = contentsOf(pendingPath());
        EXPECT_FALSE(kept.isEmpty());
        other.exec(QStringLiteral("ROLLBACK"));
    }
    for (const char* start : {"next start", "a start after a kill between the merge and the removal"}) {
        SCOPED_TRACE(start);
        {
            SqliteMiningLog log(path(), 50, pendingPath());
            const auto trips = log.trips();
            ASSERT_EQ(trips.size(), 3u);
            for (int i = 0; i < 3; ++i)
                expectSameTrip(trips[static_cast<std::size_t>(i)], sampleTrip(i));
            EXPECT_TRUE(log.takeNotice().isEmpty());
        }
        EXPECT_FALSE(QFile::exists(pendingPath()));
        RawDb raw(path());
        EXPECT_EQ(raw.exec(QStringLiteral("SELECT count(*) FROM trips")).toInt(), 3);
        QFile f(pendingPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kept);
    }
}

// Two copies (under two file names) share the log and the file: each keeps its trips beside the
// other's, and whichever writes first takes all of them in; nothing is counted twice.
TEST_F(SqliteMiningLogTest, TwoCopiesKeepTheirTripsInOneFileAndEachIsCountedOnce)
{
    auto a = std::make_unique<SqliteMiningLog>(path(), 50, pendingPath());
    auto b = std::make_unique<SqliteMiningLog>(path(), 50, pendingPath());
    ASSERT_TRUE(a->open());
    {
        RawDb other(path());
        other.exec(QStringLiteral("BEGIN EXCLUSIVE"));
        EXPECT_FALSE(a->record(sampleTrip(0)));
        EXPECT_FALSE(b->record(sampleTrip(1)));
        EXPECT_FALSE(a->record(sampleTrip(2)));
        EXPECT_TRUE(a->atRisk().isEmpty());
        EXPECT_TRUE(b->atRisk().isEmpty());
        other.exec(QStringLiteral("ROLLBACK"));
    }
    EXPECT_EQ(b->trips().size(), 3u); // b writes its own and merges a's from the file
    EXPECT_FALSE(QFile::exists(pendingPath()));
    ASSERT_TRUE(a->record(sampleTrip(3))); // a's waiting trips are there already
    a.reset();
    b.reset();
    RawDb raw(path());
    EXPECT_EQ(raw.exec(QStringLiteral("SELECT count(*) FROM trips")).toInt(), 4);
    EXPECT_EQ(raw.exec(QStringLiteral("SELECT count(DISTINCT cycles) FROM trips")).toInt(), 4);
}

// A file of waiting trips that is not whole (a changed byte, something else in its place) is
// moved aside as it is, never deleted nor merged, and the player is told; new trips wait in a
// new file.
TEST_F(SqliteMiningLogTest, ADamagedFileOfWaitingTripsIsSetAsideAndTold)
{
    QDir().mkpath(QFileInfo(pendingPath()).absolutePath());
    QByteArray valid = PendingTrips::encode({sampleTrip(7)});
    QByteArray changed = valid;
    changed[changed.indexOf("Scordite")] = 's';
    const QByteArray cases[] = {changed, valid.left(valid.size() / 2), "Veldspar 400\n"};
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(bytes.left(60).toStdString());
        QDir(dir.filePath(QStringLiteral("data"))).removeRecursively();
        QDir config(QFileInfo(pendingPath()).absolutePath());
        for (const QString& f : config.entryList(QDir::Files))
            config.remove(f);
        QFile f(pendingPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();

        SqliteMiningLog log(path(), 50, pendingPath());
        EXPECT_TRUE(log.trips().empty());
        const QString notice = log.takeNotice();
        EXPECT_TRUE(notice.contains(QStringLiteral("could not be read"))) << notice.toStdString();
        const QStringList aside = config.entryList({QStringLiteral("*.damaged-*")});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_TRUE(notice.contains(aside.first())) << notice.toStdString();
        EXPECT_EQ(contentsOf(config.filePath(aside.first())), bytes);
        EXPECT_FALSE(QFile::exists(pendingPath()));
        EXPECT_TRUE(log.takeNotice().isEmpty());
    }
    // Found when a trip is to wait there: moved aside first, the trip kept in a new file.
    const QDir config(QFileInfo(pendingPath()).absolutePath());
    ASSERT_TRUE(QFile::copy(config.filePath(config.entryList({QStringLiteral("*.damaged-*")}).first()),
                            pendingPath()));
    {
        RawDb other(path());
        other.exec(QStringLiteral("BEGIN EXCLUSIVE"));
        SqliteMiningLog log(path(), 50, pendingPath());
        log.setClosingBusyTimeout(50);
        EXPECT_FALSE(log.record(sampleTrip(1)));
        EXPECT_TRUE(log.takeNotice().contains(QStringLiteral("could not be read")));
        EXPECT_TRUE(log.atRisk().isEmpty());
        QString why;
        const auto waiting = PendingTrips::decode(contentsOf(pendingPath()), &why);
        ASSERT_TRUE(waiting) << why.toStdString();
        ASSERT_EQ(waiting->size(), 1u);
        expectSameTrip(waiting->front(), sampleTrip(1));
        other.exec(QStringLiteral("ROLLBACK"));
    }
    EXPECT_EQ(config.entryList({QStringLiteral("*.damaged-*")}).size(), 2);
}

// When neither the log nor the file of waiting trips can be written, the trips wait in memory,
// the player hears that they are at risk, and they follow as soon as the log can take them.
TEST_F(SqliteMiningLogTest, TripsThatCanBeKeptNowhereAreToldAtRiskUntilTheLogTakesThem)
{
    QDir().mkpath(path()); // a folder in the log's place
    QFile blocker(dir.filePath(QStringLiteral("config")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file in the place of the file's folder
    blocker.close();
    SqliteMiningLog log(path(), 50, pendingPath());
    EXPECT_FALSE(log.record(sampleTrip(0)));
    const QString notice = log.takeNotice();
    EXPECT_TRUE(notice.contains(QStringLiteral("cannot be kept"))) << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("lost"))) << notice.toStdString();
    EXPECT_TRUE(log.atRisk().contains(QStringLiteral("1 trip(s)"))) << log.atRisk().toStdString();
    EXPECT_FALSE(log.record(sampleTrip(1)));
    EXPECT_TRUE(log.takeNotice().isEmpty()); // told once
    EXPECT_TRUE(log.atRisk().contains(QStringLiteral("2 trip(s)")));

    ASSERT_TRUE(QDir(path()).removeRecursively());
    ASSERT_TRUE(log.record(sampleTrip(2)));
    EXPECT_TRUE(log.atRisk().isEmpty());
    EXPECT_EQ(log.trips().size(), 3u);
}

// The log's path taken by a folder all session: the trips wait in their file, and join the log
// once the folder is gone.
TEST_F(SqliteMiningLogTest, ALogPathTakenByAFolderKeepsTheTripsInTheirFile)
{
    QDir().mkpath(path());
    {
        SqliteMiningLog log(path(), 50, pendingPath());
        log.setClosingBusyTimeout(50);
        EXPECT_FALSE(log.record(sampleTrip(0)));
        EXPECT_TRUE(log.atRisk().isEmpty());
    }
    ASSERT_TRUE(QDir(path()).removeRecursively());
    SqliteMiningLog log(path(), 50, pendingPath());
    const auto trips = log.trips();
    ASSERT_EQ(trips.size(), 1u);
    expectSameTrip(trips[0], sampleTrip(0));
    EXPECT_FALSE(QFile::exists(pendingPath()));
}

// A file system mounted for the test (root only; skipped otherwise): a small tmpfs for a full
// disk, a read-only bind mount for a read-only folder (root ignores permission bits).
struct Mount {
    QString folder;
    bool mounted = false;
    Mount(const QString& where, const QStringList& how) : folder(where)
    {
        QDir().mkpath(folder);
        mounted = QProcess::execute(QStringLiteral("mount"), how + QStringList{folder}) == 0;
    }
    ~Mount()
    {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {folder});
    }
};

bool canCreateIn(const QString& folder)
{
    QFile probe(folder + QStringLiteral("/probe"));
    const bool created = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return created;
}

// Fills a file system to the last byte.
void fill(const QString& folder)
{
    QFile filler(folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    for (int n = 0; n < 64; ++n) { // what is left of a block
        QFile crumb(folder + QStringLiteral("/crumb%1").arg(n));
        if (!crumb.open(QIODevice::WriteOnly) || !crumb.write("x") || !crumb.flush())
            break;
    }
}

TEST_F(SqliteMiningLogTest, AFullDiskKeepsTheTripsInTheirFileOrSaysTheyAreAtRisk)
{
    const QString data = QFileInfo(path()).absolutePath();
    Mount disk(data, {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                      QStringLiteral("size=512k"), QStringLiteral("tmpfs")});
    if (!disk.mounted)
        GTEST_SKIP() << "cannot mount a small tmpfs here (not root)";
    const auto bigTrip = [](int n) {
        Trip t = sampleTrip(n);
        t.ores[0].oreName = QString(30000, QLatin1Char('x')) + QString::number(n);
        return t;
    };
    {
        SqliteMiningLog log(path(), 50, pendingPath());
        log.setClosingBusyTimeout(50);
        ASSERT_TRUE(log.record(bigTrip(0)));
        fill(data);
        EXPECT_FALSE(log.record(bigTrip(1)));
        const QString notice = log.takeNotice();
        EXPECT_TRUE(notice.contains(QStringLiteral("the disk is full"))) << notice.toStdString();
        EXPECT_TRUE(log.atRisk().isEmpty()); // the file of waiting trips is on another disk
    }
    {
        // The file of waiting trips on the full disk too: they are at risk, and said to be.
        SqliteMiningLog log(path(), 50, data + QStringLiteral("/pending.txt"));
        log.setClosingBusyTimeout(50);
        EXPECT_FALSE(log.record(bigTrip(2)));
        EXPECT_TRUE(log.takeNotice().contains(QStringLiteral("cannot be kept")));
        EXPECT_FALSE(log.atRisk().isEmpty());
        QFile::remove(data + QStringLiteral("/filler")); // space freed before the program ends
    }
    SqliteMiningLog log(path(), 50, pendingPath());
    const auto trips = log.trips();
    ASSERT_EQ(trips.size(), 3u);
    expectSameTrip(trips[0], bigTrip(0));
    expectSameTrip(trips[1], bigTrip(2)); // written as the program ended
    expectSameTrip(trips[2], bigTrip(1)); // waited in its file until now
    EXPECT_FALSE(QFile::exists(pendingPath()));
}

// A damaged file of waiting trips in a folder that cannot be written stays as it is, and is told.
TEST_F(SqliteMiningLogTest, ADamagedFileOfWaitingTripsThatCannotBeMovedIsLeftAndTold)
{
    const QString config = QFileInfo(pendingPath()).absolutePath();
    QDir().mkpath(config);
    {
        QFile f(pendingPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("orebell-pending-trips 1 0000\n[]");
    }
    Mount readOnly(config, {QStringLiteral("--bind"), QStringLiteral("-o"), QStringLiteral("ro"), config});
    if (canCreateIn(config))
        GTEST_SKIP() << "the folder cannot be made read-only here";
    SqliteMiningLog log(path(), 50, pendingPath());
    ASSERT_TRUE(log.record(sampleTrip(0)));
    const QString notice = log.takeNotice();
    EXPECT_TRUE(notice.contains(QStringLiteral("could not be moved aside"))) << notice.toStdString();
    EXPECT_EQ(log.trips().size(), 1u);
    EXPECT_EQ(contentsOf(pendingPath()), QByteArray("orebell-pending-trips 1 0000\n[]"));
}

// A log left by a copy that was killed has its journal's files beside it. With its folder
// read-only, the start-up check must still find that it cannot be written (it used to read the
// file and say nothing until the first trip); the trips then wait in their file.
TEST_F(SqliteMiningLogTest, TheStartUpCheckFindsAReadOnlyFolderWithTheJournalBeside)
{
    QProcess writer;
    writer.start(QStringLiteral(MINING_LOG_WRITER), {path(), QStringLiteral("1")});
    ASSERT_TRUE(writer.waitForReadyRead(10000));
    writer.kill();
    writer.waitForFinished();
    ASSERT_TRUE(QFile::exists(path() + QStringLiteral("-wal")));
    ASSERT_TRUE(QFile::exists(path() + QStringLiteral("-shm")));
    const QString data = QFileInfo(path()).absolutePath();
    std::vector<std::pair<QString, QFileDevice::Permissions>> before;
    for (const QString& f : {data, path(), path() + QStringLiteral("-wal"), path() + QStringLiteral("-shm")})
        before.emplace_back(f, QFile::permissions(f));
    for (const auto& [f, p] : before)
        QFile::setPermissions(f, p & ~(QFileDevice::WriteOwner | QFileDevice::WriteGroup |
                                       QFileDevice::WriteOther | QFileDevice::WriteUser));
    std::optional<Mount> readOnly;
    if (canCreateIn(data))
        readOnly.emplace(
            data, QStringList{QStringLiteral("--bind"), QStringLiteral("-o"), QStringLiteral("ro"), data});
    const bool held = !canCreateIn(data);
    if (held) {
        SqliteMiningLog log(path(), 50, pendingPath());
        log.setClosingBusyTimeout(50);
        bool done = false;
        log.checkInBackground([&] { done = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
        const QString notice = log.takeNotice();
        EXPECT_TRUE(notice.contains(QStringLiteral("cannot be written now"))) << notice.toStdString();
        EXPECT_TRUE(notice.contains(QStringLiteral("read-only"))) << notice.toStdString();
        EXPECT_FALSE(log.record(sampleTrip(0)));
        EXPECT_TRUE(log.atRisk().isEmpty());
        EXPECT_TRUE(setAside().isEmpty());
        EXPECT_GE(log.trips().size(), 2u); // the killed writer's and this one
    }
    readOnly.reset();
    for (const auto& [f, p] : before)
        QFile::setPermissions(f, p);
    if (!held)
        GTEST_SKIP() << "the folder cannot be made read-only here";
    SqliteMiningLog log(path(), 50, pendingPath());
    const auto trips = log.trips();
    ASSERT_FALSE(trips.empty());
    expectSameTrip(trips.back(), sampleTrip(0));
    EXPECT_FALSE(QFile::exists(pendingPath()));
}

// Kills while trips go to their file (the log held by another program) lose none that the
// writer reported kept, and the merges after count each once.
TEST_F(SqliteMiningLogTest, KillsWhileTripsWaitInTheirFileLoseNoneAndCountNoneTwice)
{
    {
        SqliteMiningLog log(path());
        ASSERT_TRUE(log.open());
    }
    std::set<long> acknowledged;
    long next = 1;
    auto* random = QRandomGenerator::global();
    for (int round = 0; round < 10; ++round) {
        {
            RawDb other(path());
            other.exec(QStringLiteral("BEGIN EXCLUSIVE"));
            QProcess writer;
            writer.start(QStringLiteral(MINING_LOG_WRITER), {path(), QString::number(next), pendingPath()});
            ASSERT_TRUE(writer.waitForStarted());
            const int wanted = static_cast<int>(random->bounded(1, 4));
            Acknowledgements printed(acknowledged);
            while (printed.seen < wanted) {
                ASSERT_TRUE(writer.waitForReadyRead(10000)) << "round " << round;
                printed.read(writer);
            }
            writer.kill();
            writer.waitForFinished();
            printed.read(writer);
            other.exec(QStringLiteral("ROLLBACK"));
        }
        SqliteMiningLog log(path(), 250, pendingPath());
        std::set<long> kept;
        for (const Trip& t : log.trips()) {
            ASSERT_TRUE(kept.insert(t.cycles).second) << "trip " << t.cycles << " twice in round " << round;
            EXPECT_EQ(t.ores[0].units, 1000.5 + t.cycles);
        }
        for (long n : acknowledged)
            ASSERT_TRUE(kept.count(n)) << "trip " << n << " lost in round " << round;
        next = (kept.empty() ? 0 : *kept.rbegin()) + 1;
    }
}

} // namespace
} // namespace orebell
