#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>

#include <memory>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

// A copy of the program's single-copy lock in a process of its own (helper/).
struct Copy {
    QProcess process;

    explicit Copy(const QString& lock,
                  const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                  const QStringList& more = {})
    {
        process.setProgram(QStringLiteral(SINGLE_INSTANCE_HOLDER));
        process.setArguments(QStringList{lock} + more);
        process.setProcessEnvironment(environment);
        process.start();
    }
    ~Copy()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    // The next line the copy prints, or empty when none comes in time; "listening" is passed
    // by unless asked for.
    QString nextLine(int timeoutMs = 10000, bool listening = false)
    {
        for (;;) {
            while (!process.canReadLine())
                if (!process.waitForReadyRead(timeoutMs))
                    return {};
            const QString line = QString::fromLocal8Bit(process.readLine()).trimmed();
            if (listening || line != QStringLiteral("listening"))
                return line;
        }
    }
    // What a copy that ends by itself printed, and how it ended.
    QString finish()
    {
        EXPECT_TRUE(process.waitForFinished(10000));
        return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    }
};

// A store no other test run uses, so that runs side by side do not meet.
QString freshApp()
{
    static QTemporaryDir stores;
    return stores.filePath(QStringLiteral("OrebellTest-") + QUuid::createUuid().toString(QUuid::Id128) +
                           QStringLiteral(".running"));
}

} // namespace

TEST(SingleInstanceTest, ASecondCopyRaisesTheFirstAndEnds)
{
    const QString app = freshApp();
    Copy first(app);
    ASSERT_EQ(first.nextLine(), QStringLiteral("first"));
    for (int start = 0; start < 2; ++start) {
        Copy second(app);
        EXPECT_EQ(second.finish(), QStringLiteral("handed over"));
        EXPECT_EQ(second.process.exitCode(), 0);
        EXPECT_EQ(first.nextLine(), QStringLiteral("raised"));
    }
    EXPECT_EQ(first.process.state(), QProcess::Running);
}

TEST(SingleInstanceTest, AKilledCopyLeavesNothingThatKeepsTheNextOut)
{
    const QString app = freshApp();
    {
        Copy killed(app);
        ASSERT_EQ(killed.nextLine(), QStringLiteral("first"));
        ASSERT_EQ(killed.nextLine(10000, true), QStringLiteral("listening")); // its socket too
        EXPECT_TRUE(QFile::exists(app));                                      // left behind by the kill
        killed.process.kill();
        ASSERT_TRUE(killed.process.waitForFinished(5000));
    }
    Copy next(app);
    ASSERT_EQ(next.nextLine(), QStringLiteral("first"));
    // and it is the one that answers a third start
    Copy third(app);
    EXPECT_EQ(third.finish(), QStringLiteral("handed over"));
    EXPECT_EQ(next.nextLine(), QStringLiteral("raised"));
}

TEST(SingleInstanceTest, AnotherApplicationNameRunsBesideAndAnOrderlyEndFreesTheLock)
{
    const QString app = freshApp();
    Copy first(app);
    ASSERT_EQ(first.nextLine(), QStringLiteral("first"));
    Copy other(app + QStringLiteral("-other"));
    EXPECT_EQ(other.nextLine(), QStringLiteral("first"));

    const QString third = app + QStringLiteral("-third");
    auto inProcess = std::make_unique<SingleInstance>(third, makeLocalSocketLine);
    ASSERT_TRUE(inProcess->claim());
    inProcess->listen();
    {
        Copy blocked(third);
        EXPECT_EQ(blocked.finish(), QStringLiteral("no answer")); // this process runs no event loop
        EXPECT_EQ(blocked.process.exitCode(), 1);
    }
    inProcess.reset();
    Copy after(third);
    EXPECT_EQ(after.nextLine(), QStringLiteral("first"));
}

// The lock belongs to the store: a copy started on it with another temporary folder, user name
// or runtime folder is kept out all the same, and still reaches the first.
TEST(SingleInstanceTest, ACopyStartedInAnotherEnvironmentOnTheSameStoreRaisesTheFirst)
{
    const QString lock = freshApp();
    Copy first(lock);
    ASSERT_EQ(first.nextLine(), QStringLiteral("first"));
    QTemporaryDir elsewhere;
    const QString tmp = elsewhere.filePath(QStringLiteral("tmp"));
    const QString run = elsewhere.filePath(QStringLiteral("run"));
    QDir().mkpath(tmp);
    QDir().mkpath(run);
    QFile::setPermissions(run, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const std::pair<const char*, QString> variations[] = {
        {"TMPDIR", tmp}, {"USER", QStringLiteral("miner")}, {"XDG_RUNTIME_DIR", run}};
    for (const auto& [name, value] : variations) {
        SCOPED_TRACE(name);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(name), value);
        Copy second(lock, environment);
        EXPECT_EQ(second.finish(), QStringLiteral("handed over"));
        EXPECT_EQ(first.nextLine(), QStringLiteral("raised"));
    }
}

// The running copy takes the lock at once but listens only after its first frame: a copy started
// in between waits for it and hands over, rather than running beside it or giving up.
TEST(SingleInstanceTest, ACopyStartedBeforeTheFirstListensHandsOverOnceItDoes)
{
    const QString app = freshApp();
    Copy first(app, QProcessEnvironment::systemEnvironment(), {QStringLiteral("1500")});
    ASSERT_EQ(first.nextLine(10000, true), QStringLiteral("first"));
    Copy second(app);
    EXPECT_EQ(first.nextLine(10000, true), QStringLiteral("listening"));
    EXPECT_EQ(second.finish(), QStringLiteral("handed over"));
    EXPECT_EQ(first.nextLine(), QStringLiteral("raised"));
}
