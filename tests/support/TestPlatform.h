#pragma once

#include "platform/QtSettingsStore.h"
#include "platform/SqliteMiningLog.h"
#include "toolkit/Form.h"
#include "toolkit/Platform.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace orebell::test {

// A platform over a temporary store and a temporary program folder that holds the default sound
// files and Help.rtf. Sounds, messages and opened addresses are recorded; the time of day is set.
class TestPlatform : public Platform {
public:
    TestPlatform();
    ~TestPlatform() override;

    SettingsStore& store() override { return store_; }
    SoundPlayer& player() override { return player_; }
    MessageBoxService& messageBox() override { return messageBox_; }
    Clock& clock() override { return clock_; }
    Desktop& desktop() override { return desktop_; }
    Screens& screens() override { return screens_; }
    GlobalKeys& globalKeys() override { return globalKeys_; }
    // The real SQLite log, in the temporary store folder.
    MiningLog* miningLog() override;
    QString programFolder() override;
    QString programFileName() override { return QStringLiteral("Orebell_III"); }
    ProgramVersion version() override { return {}; }
    void endProgram() override { ended_ = true; }

    // What tests read and set.
    const QStringList& played() const { return player_.paths; }
    const QStringList& messages() const { return messageBox_.texts; }
    void clearRecords();
    // Time passes until the clock shows this time of day (across midnight when it is earlier):
    // the steady clock and the date move on by as much.
    void setTimeOfDay(double seconds);
    // The date and time in UTC the platform reports (a fixed moment until set). Setting it moves
    // the wall clock only, as setting the system clock does.
    void setUtcNow(const QDateTime& now) { clock_.utc = now; }
    QDateTime utcNow() const { return clock_.utc; }
    // Time passes: the steady clock, the date and the time of day move on together.
    void passTime(double seconds);
    // The system clock is set forward (or back, below 0) by NTP or the player: the date and the
    // time of day move, the steady clock does not.
    void correctClock(double seconds);
    qint64 steadyMs() const { return static_cast<qint64>(clock_.steady); }
    QString miningLogPath() const;
    QString storeValue(const QString& section, const QString& key);
    void setStoreValue(const QString& section, const QString& key, const QString& text);
    const QStringList& openedAddresses() const { return desktop_.addresses; }
    bool ended() const { return ended_; }
    QString storeFile() const;
    QString storeFolder() const { return storeDir_.path(); }
    // The screens' available geometries in twips, primary first; none until a test sets them.
    void setScreens(const QList<QRect>& twips) { screens_.geometries = twips; }
    // The global keys grabbed now, as the program asked for them.
    const QStringList& grabbedKeys() const { return globalKeys_.grabbed; }
    // Another program holds the sequence: the next grab of it fails as taken.
    void takeGlobalKey(const QString& sequence) { globalKeys_.taken << sequence; }
    // Presses a grabbed key as the desktop would report it; false when it is not grabbed.
    bool pressGlobalKey(const QString& sequence);
    // On-top requests in order (true / false), as the window service received them.
    const QList<bool>& onTopRequests() const { return desktop_.onTop; }

private:
    struct RecordingPlayer : SoundPlayer {
        QStringList paths;
        void play(const QString& path) override { paths.append(path); }
    };
    struct RecordingMessages : MessageBoxService {
        QStringList texts;
        void show(const QString& text) override { texts.append(text); }
    };
    struct SetClock : Clock {
        double seconds = 12 * 3600;
        QDateTime utc = QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
        double steady = 5'000'000; // ms from any origin; steps of 1/16 s add up exactly
        float timeOfDay() override { return static_cast<float>(seconds); }
        QDateTime currentUtc() override { return utc; }
        qint64 steadyMs() override { return static_cast<qint64>(steady); }
        void moveWall(double by);
    };
    struct RecordingDesktop : Desktop {
        QStringList addresses;
        QList<bool> onTop;
        int setAlwaysOnTop(Form& form, bool top) override
        {
            onTop.append(top);
            form.setOnTop(top);
            return top ? 1 : 0;
        }
        void openAddress(const QString& address) override { addresses.append(address); }
        // About 7 pixels of 15 twips per character, as the window font gives.
        int textWidth(const QString& text) override { return static_cast<int>(text.size()) * 105; }
    };

    struct SetScreens : Screens {
        QList<QRect> geometries;
        QList<QRect> availableGeometries() override { return geometries; }
    };

    struct RecordingGlobalKeys : GlobalKeys {
        QStringList grabbed;
        QStringList taken;
        Pressed pressed;
        QList<Failure> grab(const QStringList& sequences, Pressed handler) override;
    };

    QTemporaryDir storeDir_;
    QTemporaryDir programDir_;
    QtSettingsStore store_;
    RecordingPlayer player_;
    RecordingMessages messageBox_;
    SetClock clock_;
    RecordingDesktop desktop_;
    SetScreens screens_;
    RecordingGlobalKeys globalKeys_;
    bool ended_ = false;
    std::unique_ptr<SqliteMiningLog> miningLog_;
};

} // namespace orebell::test
