#include "data/Shared.h"
#include "platform/QtSettingsStore.h"
#include "store/SampleForm.h"
#include "store/Settings.h"
#include "support/TestPlatform.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <map>

namespace orebell {
namespace {

using Contents = std::map<QString, QString>;

Contents readFile(const QString& file, QSettings::Status* status)
{
    QSettings s(file, QSettings::IniFormat);
    Contents out;
    for (const QString& key : s.allKeys())
        out[key] = s.value(key).toString();
    *status = s.status();
    return out;
}

// The store a complete save of generation g leaves: that generation saved into an empty store.
Contents completeSave(int g)
{
    test::TestPlatform platform;
    Form form(QStringLiteral("frmOrebell"));
    test::buildSampleForm(form);
    Shared shared;
    SessionStore store(form, shared, platform);
    shared.routines.LoadGrid();
    test::fillGeneration(form, g);
    shared.routines.SaveAll();
    QSettings::Status status;
    return readFile(platform.storeFile(), &status);
}

int generationOf(const Contents& c)
{
    auto it = c.find(QStringLiteral("Settings/txtLasers0"));
    if (it == c.end() || !it->second.startsWith(QLatin1Char('g')))
        return -1;
    return it->second.mid(1, it->second.indexOf(QLatin1Char(' ')) - 1).toInt();
}

// The last "saved g" line the writer printed, and whether it had begun another save after it.
struct Progress {
    int saved = 0;
    bool inSave = false;
};

void readProgress(QProcess& p, Progress& progress)
{
    while (p.canReadLine()) {
        const QString line = QString::fromLatin1(p.readLine()).trimmed();
        if (line.startsWith(QLatin1String("saved "))) {
            progress.saved = line.mid(6).toInt();
            progress.inSave = false;
        } else if (line.startsWith(QLatin1String("begin "))) {
            progress.inSave = true;
        }
    }
}

// A writer saving a large store (about 350 keys, 40 to 48 grid rows, a few hundred kilobytes) in a
// loop is killed at random moments; every time, the file on disk must parse and be exactly one
// complete save: the last one reported, or the one under way if its rename had happened.
TEST(InterruptedSave, KilledWritersLeaveACompleteEarlierSave)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = QtSettingsStore(folder.path()).fileFor(QStringLiteral("Orebell_III"));
    std::map<int, Contents> expected;
    int midSave = 0;
    constexpr int Runs = 50;
    for (int run = 0; run < Runs; ++run) {
        QProcess writer;
        writer.start(QStringLiteral(STORE_WRITER), {QStringLiteral("save-loop"), folder.path()});
        ASSERT_TRUE(writer.waitForStarted());
        Progress progress;
        while (progress.saved == 0) {
            // Well under the half minute an abandoned lock would cost.
            ASSERT_TRUE(writer.waitForReadyRead(10000)) << "the writer did not save";
            readProgress(writer, progress);
        }
        // Somewhere in the next saves: each takes a few milliseconds.
        QThread::usleep(QRandomGenerator::global()->bounded(1000u, 40000u));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        writer.waitForFinished();
        readProgress(writer, progress);
        midSave += progress.inSave ? 1 : 0;

        QSettings::Status status;
        const Contents onDisk = readFile(file, &status);
        ASSERT_EQ(status, QSettings::NoError) << "run " << run;
        const int g = generationOf(onDisk);
        ASSERT_TRUE(g == progress.saved || g == progress.saved + 1)
            << "run " << run << ": generation " << g << " after save " << progress.saved;
        if (!expected.count(g))
            expected[g] = completeSave(g);
        ASSERT_EQ(onDisk.size(), expected[g].size()) << "run " << run;
        ASSERT_TRUE(onDisk == expected[g]) << "run " << run << ": not one complete save";
    }
    // The kills must have hit saves in progress, or this proved nothing.
    EXPECT_GT(midSave, Runs / 4) << midSave << " of " << Runs << " kills landed during a save";
}

// SIGTERM to a running program: the session is saved, the window unloaded, the process ends
// normally.
TEST(InterruptedSave, TerminateSignalSavesTheSession)
{
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        QTemporaryDir folder;
        QProcess program;
        program.start(QStringLiteral(STORE_WRITER),
                      {QStringLiteral("serve"), folder.path(), QStringLiteral("11")});
        ASSERT_TRUE(program.waitForStarted());
        ASSERT_TRUE(program.waitForReadyRead(10000));
        ASSERT_EQ(program.readLine().trimmed(), "ready");
        ::kill(static_cast<pid_t>(program.processId()), signal);
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(program.exitCode(), 0) << signal;

        QSettings::Status status;
        const Contents onDisk =
            readFile(QtSettingsStore(folder.path()).fileFor(QStringLiteral("Orebell_III")), &status);
        EXPECT_EQ(status, QSettings::NoError);
        EXPECT_TRUE(onDisk == completeSave(11)) << "signal " << signal;
    }
}

TEST(InterruptedSave, QuittingAnyOtherWaySavesTheSession)
{
    QTemporaryDir folder;
    QProcess program;
    program.start(QStringLiteral(STORE_WRITER),
                  {QStringLiteral("serve"), folder.path(), QStringLiteral("5"), QStringLiteral("quit")});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 0);
    QSettings::Status status;
    const Contents onDisk =
        readFile(QtSettingsStore(folder.path()).fileFor(QStringLiteral("Orebell_III")), &status);
    EXPECT_EQ(status, QSettings::NoError);
    EXPECT_TRUE(onDisk == completeSave(5));
}

} // namespace
} // namespace orebell
