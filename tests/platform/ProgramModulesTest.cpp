#include "platform/ProgramModules.h"
#include "platform/SqliteMiningLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QWidget>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

const QString BuiltModules = QStringLiteral(OREBELL_RUNTIME_DIR);

struct Messages : MessageBoxService {
    QStringList texts;
    void show(const QString& text) override { texts.append(text); }
};

Trip oneTrip()
{
    Trip t;
    t.end = QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
    t.start = t.end.addSecs(-600);
    t.miningSeconds = 540;
    t.ores = {{QStringLiteral("Veldspar"), 1234.5}};
    t.endedBy = TripEnd::Refine;
    return t;
}

// The log's file goes to a data folder of the test's own.
struct ProgramModulesTest : ::testing::Test {
    QTemporaryDir data;
    QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    void SetUp() override { qputenv("XDG_DATA_HOME", data.path().toLocal8Bit()); }
    void TearDown() override
    {
        if (oldDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", oldDataHome);
    }
    static bool mapped(const QString& file)
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(QFile::encodeName(file));
    }
};

// Waits (without sleeping) for the log's start-up check; true once it is done.
bool checked(MiningLog& log)
{
    bool done = false;
    log.checkInBackground([&] { done = true; });
    return QTest::qWaitFor([&] { return done; }, 10000);
}

// A damaged log is found by the start-up check, before any trip: the module loads off the
// caller's thread, the file goes aside, the player is told once, and the trips go to a new file.
TEST_F(ProgramModulesTest, TheLogIsCheckedAtStartUpAndWhatItFindsIsToldThen)
{
#ifdef Q_OS_WIN
    GTEST_SKIP()
        << "the log's folder follows XDG_DATA_HOME on Linux only; SqliteMiningLogTest checks it here";
#endif
    const QString path = SqliteMiningLog::defaultPath();
    ASSERT_TRUE(path.startsWith(data.path()));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a database at all, but long enough to have a header of sorts............");
    }
    const QString module = programModulePath(QString::fromLatin1(module::Log), BuiltModules);
    auto log = makeModuleMiningLog(BuiltModules);
    EXPECT_FALSE(mapped(module));
    ASSERT_TRUE(checked(*log));
    EXPECT_TRUE(mapped(module));
    const QString notice = log->takeNotice();
    EXPECT_TRUE(notice.contains(QStringLiteral("could not be used"))) << notice.toStdString();
    EXPECT_TRUE(log->takeNotice().isEmpty());

    ASSERT_TRUE(log->record(oneTrip()));
    ASSERT_TRUE(log->record(oneTrip()));
    const auto trips = log->trips();
    ASSERT_EQ(trips.size(), 2u);
    EXPECT_EQ(trips[0].ores.at(0).units, 1234.5);
    EXPECT_TRUE(log->takeNotice().isEmpty());
}

// A module that is missing, not a library, or another module: the start-up check says once that
// the log is unavailable, and the caller goes on.
TEST_F(ProgramModulesTest, AMissingOrBrokenLogModuleIsToldOnceAtStartUpAndNothingBreaks)
{
    QTemporaryDir folder;
    const auto check = [&](const char* what) {
        SCOPED_TRACE(what);
        auto log = makeModuleMiningLog(folder.path());
        ASSERT_TRUE(checked(*log));
        const QString notice = log->takeNotice();
        EXPECT_TRUE(notice.startsWith(QStringLiteral("The mining log is unavailable")))
            << notice.toStdString();
        EXPECT_TRUE(notice.contains(QStringLiteral("not kept"))) << notice.toStdString();
        EXPECT_FALSE(log->record(oneTrip()));
        EXPECT_TRUE(log->trips().empty());
        EXPECT_FALSE(log->record(oneTrip()));
        EXPECT_TRUE(log->takeNotice().isEmpty());
    };
    check("missing");

    const QString file = programModulePath(QString::fromLatin1(module::Log), folder.path());
    {
        QFile junk(file);
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write("not a shared object");
    }
    check("not a library");

    QFile::remove(file);
    ASSERT_TRUE(QFile::copy(programModulePath(QString::fromLatin1(module::Sound), BuiltModules), file));
    check("another module");
}

TEST_F(ProgramModulesTest, WithoutItsModuleSoundIsTheSystemAlertAndThePlayerIsToldOnce)
{
    QTemporaryDir folder;
    Messages messages;
    auto player = makeModuleSoundPlayer(messages, folder.path());
    player->play(QStringLiteral("/nowhere/tick1.wav"));
    player->play(QStringLiteral("/nowhere/end_cycle.wav"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.texts.isEmpty(); }, 5000));
    player->play(QStringLiteral("/nowhere/tick1.wav"));
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.texts.size(), 1);
    EXPECT_TRUE(messages.texts.first().startsWith(QStringLiteral("Sound is unavailable")))
        << messages.texts.first().toStdString();
}

// The start-up click is asked for before the window is built: loading the sound module (mapping
// Qt Multimedia on another thread) waits until a window being shown has painted its first frame.
TEST_F(ProgramModulesTest, TheSoundModuleLoadsAfterTheFirstFrameOfAWindowBeingShown)
{
    QTemporaryDir folder; // no module in it: the load fails at once and says so
    QStringList order;
    struct Told : MessageBoxService {
        QStringList& order;
        explicit Told(QStringList& o) : order(o) {}
        void show(const QString&) override { order << QStringLiteral("module"); }
    } messages(order);
    struct Window : QWidget {
        QStringList& order;
        explicit Window(QStringList& o) : order(o) {}
        void paintEvent(QPaintEvent*) override { order << QStringLiteral("frame"); }
    } window(order);

    auto player = makeModuleSoundPlayer(messages, folder.path());
    player->play(QStringLiteral("/nowhere/tick1.wav"));
    window.show();
    QThread::msleep(100); // time enough for a loader started at once to be done
    ASSERT_TRUE(QTest::qWaitFor([&] { return order.contains(QStringLiteral("module")); }, 5000));
    ASSERT_FALSE(order.isEmpty());
    EXPECT_EQ(order.first().toStdString(), "frame") << order.join(u' ').toStdString();

    // With no window waiting for its frame the module is loaded at once.
    QTemporaryDir other;
    Messages later;
    auto second = makeModuleSoundPlayer(later, other.path());
    second->play(QStringLiteral("/nowhere/tick1.wav"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !later.texts.isEmpty(); }, 300));
}

} // namespace
