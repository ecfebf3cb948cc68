#pragma once

#include "toolkit/Form.h"
#include "toolkit/Platform.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace orebell {

struct Shared;
class BrowseForm;

// The sound events, numbered as the rows of the Sound panel.
enum SoundEvent {
    CycleNearlyComplete = 0,
    CycleComplete = 1,
    AsteroidNearlyDepleted = 2,
    AsteroidDepleted = 3,
    JetcanReminder = 4,
    CrystalChangeReminder = 5, // has a row on the panel; nothing raises it
};

// The Sound panel of the main window, the sound table it feeds, the two ways of playing a sound
// and the sound file chooser. The table changes only in LoadSounds, so edits on the panel take
// effect when the timer view is shown again.
class SoundAlerts {
public:
    SoundAlerts(Form& main, Shared& shared, Platform& platform);
    ~SoundAlerts();
    SoundAlerts(const SoundAlerts&) = delete;
    SoundAlerts& operator=(const SoundAlerts&) = delete;

    static constexpr int TableRows = 5; // events 0 to 4; row 5 is never read

    // Routines (also reachable through Shared::routines).
    void LoadSounds();
    void PlayEventSound(int event);
    void PlayClickSound();

    // Handlers of the Sound panel.
    void chkSoundEffect_Click(int Index);
    void txtSoundeEffectDelay_Change(int Index);
    void lblBrowseSoundEffect_Click(int Index);
    void chkSoundEffect_MouseMove(int Index);
    void lblBrowseSoundEffect_MouseMove(int Index);
    void fraSound_MouseMove();

    // The sound table as LoadSounds left it.
    QString soundPath(int event) const;
    bool soundEnabled(int event) const;
    std::int16_t cycleWarningSeconds() const { return CycleWarningSeconds; }
    std::int16_t depletionWarningSeconds() const { return DepletionWarningSeconds; }
    std::int16_t jetcanReminderMinutes() const { return JetcanReminderMinutes; }
    std::int16_t selectedSoundIndex() const { return SelectedSoundIndex; }

    // The chooser while it is open, else null; the observer hears of every opening and closing.
    Form* browseForm() const;
    void onBrowseFormChanged(std::function<void(Form*)> observer);

    // The default file of an event (0 to 4), as appended to the program folder.
    static QString defaultFileName(int event);

    // The file an event's sound is played from: its path, or, when that file is missing and
    // bears the name of a default sound (a default stored under a former program folder), the
    // file of that name in the program folder when it is there.
    QString playablePath(const QString& path) const;

    // The captions of the ticked events (0 to 4) whose file, as played, is missing.
    QStringList missingSounds() const;

private:
    void closeBrowse();

    Form& main_;
    Shared& shared_;
    Platform& platform_;

    std::array<QString, TableRows> SoundPath{};
    std::array<QString, TableRows> playPath_{}; // SoundPath as played (playablePath)
    std::array<bool, TableRows> SoundEnabled{};
    std::int16_t CycleWarningSeconds = 0;
    std::int16_t DepletionWarningSeconds = 0;
    std::int16_t JetcanReminderMinutes = 0;
    std::int16_t SelectedSoundIndex = 0;

    std::unique_ptr<BrowseForm> browse_;
    // A closed chooser is kept until the next opening: it closes from inside its own handlers.
    std::unique_ptr<BrowseForm> closedBrowse_;
    std::function<void(Form*)> browseObserver_;
};

} // namespace orebell
