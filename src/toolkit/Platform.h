#pragma once

#include <QDateTime>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

namespace orebell {

class Form;
class MiningLog;

// The per-user settings store: text values by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // A missing key reads as an empty text.
    virtual QString value(const QString& app, const QString& section, const QString& key) = 0;
    virtual void setValue(const QString& app, const QString& section, const QString& key,
                          const QString& value) = 0;
    // Deleting a missing key is not an error. An empty key deletes the whole section.
    virtual void remove(const QString& app, const QString& section, const QString& key) = 0;
    // Writes what is pending to the backing store atomically; false when that failed.
    virtual bool flush() = 0;
    // Why the last flush failed, in words for the player; empty when it did not.
    virtual QString lastError() const { return {}; }
    // The keys the program knows. A store found damaged is repaired with only these carried
    // over (garbage must not be kept for good); an undamaged store keeps every key.
    using KnownKey = std::function<bool(const QString& section, const QString& key)>;
    virtual void setKnownKeys(KnownKey known) { (void)known; }
    // Where the player finds a section to edit it by hand, in words for a message.
    virtual QString sectionPlace(const QString& app, const QString& section) const
    {
        (void)app;
        return QStringLiteral("the section [%1] of the settings file").arg(section);
    }
    // True when the key is stored, even with an empty text (which value() cannot tell from none).
    virtual bool contains(const QString& app, const QString& section, const QString& key)
    {
        return !value(app, section, key).isEmpty();
    }
    // The sections the store holds, for finding what a damaged section name hid; none where the
    // store cannot list them.
    virtual QStringList sections(const QString& app)
    {
        (void)app;
        return {};
    }
    // Keeps a copy of the store as it is now beside it, before a repair changes it; the copy's
    // path, or empty when none could be kept (or the store is no file).
    virtual QString keepDamagedCopy(const QString& app)
    {
        (void)app;
        return {};
    }
};

// The desktop's screens, for placing a window where the player can reach it.
class Screens {
public:
    virtual ~Screens() = default;
    // The available geometry (without panels and task bars) of every screen, in twips, the
    // primary screen first. Empty when unknown: then no window is moved.
    virtual QList<QRect> availableGeometries() = 0;
};

// Keys that reach the program while another program (the game) has the focus.
class GlobalKeys {
public:
    struct Failure {
        QString sequence; // as given to grab()
        QString why;      // in words for the player
    };
    using Pressed = std::function<void(const QString& sequence)>;

    virtual ~GlobalKeys() = default;
    // Grabs these key sequences (QKeySequence portable text, one chord each) in place of any
    // grabbed before. A press of one is reported through pressed, on the user-interface thread,
    // with the sequence as given. Returns those that could not be grabbed; the others work.
    virtual QList<Failure> grab(const QStringList& sequences, Pressed pressed) = 0;
    // Why no key can be grabbed at all here (a desktop without a way to grab); empty when keys
    // can be grabbed.
    virtual QString unavailable() const { return {}; }
};

// Plays a .wav file asynchronously on one channel; a new sound replaces the one playing.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& path) = 0;
};

// A message box with an OK button and the default title.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const QString& text) = 0;
};

// Two clocks: the wall clock, for what the player reads as a date or a time of day, and a steady
// clock for every duration. The wall clock jumps when it is corrected (NTP, the player, a change
// of zone); the steady clock never does, so a duration measured on it is never negative and never
// grows by the size of a correction.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, single precision as the time of day is read.
    virtual float timeOfDay() = 0;
    // The date and time now, in UTC: when a mining trip starts.
    virtual QDateTime currentUtc() { return QDateTime::currentDateTimeUtc(); }
    // Milliseconds on the steady clock, from an arbitrary origin: only differences mean anything.
    virtual qint64 steadyMs();
};

// Window services: always on top, opening a web address, text widths in the window font.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Returns non-zero when the window went into the topmost band, 0 otherwise.
    virtual int setAlwaysOnTop(Form& form, bool onTop) = 0;
    virtual void openAddress(const QString& address) = 0;
    virtual int textWidth(const QString& text) = 0; // twips, in the main window's font
};

struct ProgramVersion {
    int major = 1;
    int minor = 2;
    int revision = 8;
};

// Everything outside the process the program uses, bundled for the application.
class Platform {
public:
    virtual ~Platform() = default;
    virtual SettingsStore& store() = 0;
    virtual SoundPlayer& player() = 0;
    virtual MessageBoxService& messageBox() = 0;
    virtual Clock& clock() = 0;
    virtual Desktop& desktop() = 0;
    // Knows no screen unless a platform tells.
    virtual Screens& screens();
    // Grabs nothing unless a platform can.
    virtual GlobalKeys& globalKeys();
    // The mining log; null where the platform keeps none.
    virtual MiningLog* miningLog() { return nullptr; }

    virtual QString programFolder() = 0;   // the executable's folder, no trailing separator
    virtual QString programFileName() = 0; // without extension: the store's application name
    virtual ProgramVersion version() = 0;

    // The program asks to end (close button, a failed load). Never exits the process itself.
    virtual void endProgram() = 0;
};

// ProgramFolder joined with a file name with the platform's separator, never doubled.
QString joinProgramPath(const QString& folder, const QString& fileName);

} // namespace orebell
