#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>

#include <cmath>

namespace orebell::test {

namespace {
const char* const ResourceFiles[] = {"end_cycle.wav",  "17297_quarn_quarn_earth3.wav",
                                     "ThumpClose.wav", "red_alert_short.wav",
                                     "tick1.wav",      "Help.rtf"};
}

TestPlatform::TestPlatform() : store_(storeDir_.path())
{
    // The build lays the program's resources beside the executable; copy them so that the
    // program folder looks as it does when installed.
    const QDir built(QStringLiteral(OREBELL_RUNTIME_DIR));
    for (const char* name : ResourceFiles) {
        const QString file = QString::fromLatin1(name);
        QFile::copy(built.filePath(file), QDir(programDir_.path()).filePath(file));
    }
}

TestPlatform::~TestPlatform() = default;

QString TestPlatform::programFolder() { return QDir::toNativeSeparators(programDir_.path()); }

void TestPlatform::clearRecords()
{
    player_.paths.clear();
    messageBox_.texts.clear();
    desktop_.addresses.clear();
    desktop_.onTop.clear();
}

void TestPlatform::SetClock::moveWall(double by)
{
    constexpr double Day = 86400;
    seconds = std::fmod(std::fmod(seconds + by, Day) + Day, Day);
    utc = utc.addMSecs(std::llround(by * 1000));
}

void TestPlatform::setTimeOfDay(double seconds)
{
    const double passed = std::fmod(std::fmod(seconds - clock_.seconds, 86400.0) + 86400.0, 86400.0);
    passTime(passed);
    clock_.seconds = seconds; // exactly as asked, not as the sum rounds it
}

void TestPlatform::passTime(double seconds)
{
    clock_.steady += seconds * 1000;
    clock_.moveWall(seconds);
}

void TestPlatform::correctClock(double seconds) { clock_.moveWall(seconds); }

QString TestPlatform::storeValue(const QString& section, const QString& key)
{
    return store_.value(programFileName(), section, key);
}

void TestPlatform::setStoreValue(const QString& section, const QString& key, const QString& text)
{
    store_.setValue(programFileName(), section, key, text);
    store_.flush();
}

QString TestPlatform::miningLogPath() const
{
    return storeDir_.filePath(QStringLiteral("mining-log.sqlite"));
}

MiningLog* TestPlatform::miningLog()
{
    if (!miningLog_)
        miningLog_ = std::make_unique<SqliteMiningLog>(miningLogPath());
    return miningLog_.get();
}

QString TestPlatform::storeFile() const { return store_.fileFor(QStringLiteral("Orebell_III")); }

QList<GlobalKeys::Failure> TestPlatform::RecordingGlobalKeys::grab(const QStringList& sequences,
                                                                   Pressed handler)
{
    grabbed.clear();
    QList<Failure> failures;
    for (const QString& s : sequences) {
        if (taken.contains(s))
            failures.append({s, QStringLiteral("is taken by another program")});
        else
            grabbed << s;
    }
    pressed = std::move(handler);
    return failures;
}

bool TestPlatform::pressGlobalKey(const QString& sequence)
{
    if (!globalKeys_.grabbed.contains(sequence) || !globalKeys_.pressed)
        return false;
    globalKeys_.pressed(sequence);
    return true;
}

} // namespace orebell::test
