#include "sound/SoundAlerts.h"

#include "data/Palette.h"
#include "data/Shared.h"
#include "sound/BrowseForm.h"
#include "toolkit/Conventions.h"
#include "toolkit/RuntimeError.h"
#include "toolkit/Trap.h"

#include <QFileInfo>

#include <algorithm>

namespace orebell {

namespace {

using namespace palette;

const QString chkSoundEffect = QStringLiteral("chkSoundEffect");
const QString txtPathSoundEffect = QStringLiteral("txtPathSoundEffect");
const QString txtSoundeEffectDelay = QStringLiteral("txtSoundeEffectDelay");
const QString lblBrowseSoundEffect = QStringLiteral("lblBrowseSoundEffect");
const QString fraSound = QStringLiteral("fraSound");

constexpr int HighestRow = 5;

struct Delay {
    int row;
    std::int16_t defaultValue;
};
// Events 0, 2 and 4 have a delay: seconds, seconds, minutes.
constexpr Delay CycleDelay{CycleNearlyComplete, 15};
constexpr Delay DepletionDelay{AsteroidNearlyDepleted, 15};
constexpr Delay JetcanDelay{JetcanReminder, 45};

} // namespace

SoundAlerts::SoundAlerts(Form& main, Shared& shared, Platform& platform)
    : main_(main), shared_(shared), platform_(platform)
{
    main_.onClick(chkSoundEffect, [this](int i) { chkSoundEffect_Click(i); });
    main_.onChange(txtSoundeEffectDelay, [this](int i) { txtSoundeEffectDelay_Change(i); });
    main_.onClick(lblBrowseSoundEffect, [this](int i) { lblBrowseSoundEffect_Click(i); });
    main_.onMouseMove(chkSoundEffect,
                      [this](int i, int, int, double, double) { chkSoundEffect_MouseMove(i); });
    main_.onMouseMove(lblBrowseSoundEffect,
                      [this](int i, int, int, double, double) { lblBrowseSoundEffect_MouseMove(i); });
    main_.control(fraSound).onMouseMove([this](int, int, double, double) { fraSound_MouseMove(); });

    Routines& r = shared_.routines;
    r.LoadSounds = [this] { LoadSounds(); };
    r.PlayEventSound = [this](int event) { PlayEventSound(event); };
    r.PlayClickSound = [this] { PlayClickSound(); };
    r.CycleWarningSeconds = [this] { return double(CycleWarningSeconds); };
    r.DepletionWarningSeconds = [this] { return double(DepletionWarningSeconds); };
    r.JetcanReminderMinutes = [this] { return double(JetcanReminderMinutes); };
}

SoundAlerts::~SoundAlerts() = default;

QString SoundAlerts::defaultFileName(int event)
{
    switch (event) {
    case CycleNearlyComplete:
    case AsteroidNearlyDepleted:
        return QStringLiteral("\\end_cycle.wav");
    case CycleComplete:
        return QStringLiteral("\\17297_quarn_quarn_earth3.wav");
    case AsteroidDepleted:
        return QStringLiteral("\\ThumpClose.wav");
    case JetcanReminder:
        return QStringLiteral("\\red_alert_short.wav");
    default:
        return {};
    }
}

void SoundAlerts::LoadSounds()
{
    ErrorTrap trap; // this routine's report has no function line
    const bool ok = runTrapped(platform_.messageBox(), trap, [&] {
        trap.at(10);
        for (int n = 0; n < TableRows; ++n) {
            SoundPath[n] = main_.control(txtPathSoundEffect, n).text();
            playPath_[n] = playablePath(SoundPath[n]);
        }
        trap.at(20);
        for (int n = 0; n < TableRows; ++n)
            SoundEnabled[n] = main_.control(chkSoundEffect, n).value() != 0;

        // A delay box that does not hold a 16-bit number leaves its delay as it was; the others
        // are still read.
        trap.at(30);
        auto read = [&](const Delay& d, std::int16_t& delay) {
            try {
                delay = textToInt16(main_.control(txtSoundeEffectDelay, d.row).text());
            } catch (const RuntimeError&) {
            }
        };
        read(CycleDelay, CycleWarningSeconds);
        read(DepletionDelay, DepletionWarningSeconds);
        read(JetcanDelay, JetcanReminderMinutes);

        trap.at(40);
        auto defaultIfZero = [&](const Delay& d, std::int16_t& delay) {
            if (delay != 0)
                return;
            delay = d.defaultValue;
            main_.control(txtSoundeEffectDelay, d.row).setText(QString::number(d.defaultValue));
        };
        defaultIfZero(CycleDelay, CycleWarningSeconds);
        defaultIfZero(DepletionDelay, DepletionWarningSeconds);
        defaultIfZero(JetcanDelay, JetcanReminderMinutes);

        // Default paths go into the boxes only; the table takes them at the next load.
        trap.at(50);
        for (int n = 0; n < TableRows; ++n) {
            if (SoundPath[n].isEmpty())
                main_.control(txtPathSoundEffect, n)
                    .setText(joinProgramPath(platform_.programFolder(), defaultFileName(n)));
        }
    });
    // At start-up a failure ends the program after its report; later the session goes on.
    if (!ok && shared_.IsLoading)
        platform_.endProgram();
}

void SoundAlerts::PlayEventSound(int event)
{
    // Only events 0 to 4 have a row in the table; anything else has nothing to play.
    if (event < 0 || event >= TableRows || !SoundEnabled[event])
        return;
    platform_.player().play(playPath_[event]);
}

QString SoundAlerts::playablePath(const QString& path) const
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    // Either separator: the path may have been stored on another system.
    const QString name =
        path.mid(std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1);
    for (int event = 0; event < TableRows; ++event) {
        if (defaultFileName(event).mid(1) != name)
            continue;
        const QString here = joinProgramPath(platform_.programFolder(), name);
        return QFileInfo::exists(here) ? here : path;
    }
    return path;
}

QStringList SoundAlerts::missingSounds() const
{
    QStringList events;
    for (int n = 0; n < TableRows; ++n)
        if (SoundEnabled[n] && !playPath_[n].isEmpty() && !QFileInfo::exists(playPath_[n]))
            events << main_.control(chkSoundEffect, n).caption();
    return events;
}

void SoundAlerts::PlayClickSound()
{
    platform_.player().play(joinProgramPath(platform_.programFolder(), QStringLiteral("\\tick1.wav")));
}

void SoundAlerts::chkSoundEffect_Click(int)
{
    // Restoring the settings ticks these boxes from code; only the player's clicks sound.
    if (!shared_.IsLoading)
        PlayClickSound();
}

void SoundAlerts::txtSoundeEffectDelay_Change(int Index)
{
    Control& box = main_.control(txtSoundeEffectDelay, Index);
    if (box.text().isEmpty())
        return;
    bool inRange = false;
    try {
        const std::int16_t value = textToInt16(box.text());
        inRange = value >= 1 && value <= 59;
    } catch (const RuntimeError&) {
    }
    if (!inRange)
        box.setText(QString()); // raises Change once more, which leaves an empty box alone
}

void SoundAlerts::lblBrowseSoundEffect_Click(int Index)
{
    if (browse_)
        return; // the chooser is modal: the main window takes no clicks while it is open
    PlayClickSound();
    SelectedSoundIndex = static_cast<std::int16_t>(Index);
    closedBrowse_.reset();
    browse_ = std::make_unique<BrowseForm>(
        main_, shared_, platform_, Index, [this] { PlayClickSound(); }, [this] { closeBrowse(); });
    Form& form = browse_->form();
    form.load();
    form.show(true);
    form.activate();
    if (browseObserver_ && browse_)
        browseObserver_(&browse_->form());
}

void SoundAlerts::closeBrowse()
{
    closedBrowse_ = std::move(browse_);
    if (browseObserver_)
        browseObserver_(nullptr);
    // The main window becomes the active window again.
    main_.activate();
}

Form* SoundAlerts::browseForm() const { return browse_ ? &browse_->form() : nullptr; }

void SoundAlerts::onBrowseFormChanged(std::function<void(Form*)> observer)
{
    browseObserver_ = std::move(observer);
}

void SoundAlerts::chkSoundEffect_MouseMove(int Index)
{
    Shared::call(shared_.routines.SetButtonBackColor, chkSoundEffect, PanelColor, HighestRow);
    main_.control(chkSoundEffect, Index).setBackColor(ButtonHover);
}

void SoundAlerts::lblBrowseSoundEffect_MouseMove(int Index)
{
    Shared::call(shared_.routines.SetButtonBackColor, lblBrowseSoundEffect, ButtonRest, HighestRow);
    main_.control(lblBrowseSoundEffect, Index).setBackColor(ButtonHover);
}

void SoundAlerts::fraSound_MouseMove()
{
    Shared::call(shared_.routines.SetButtonBackColor, lblBrowseSoundEffect, ButtonRest, HighestRow);
    Shared::call(shared_.routines.SetButtonBackColor, chkSoundEffect, PanelColor, HighestRow);
}

QString SoundAlerts::soundPath(int event) const
{
    return event >= 0 && event < TableRows ? SoundPath[event] : QString();
}

bool SoundAlerts::soundEnabled(int event) const
{
    return event >= 0 && event < TableRows && SoundEnabled[event];
}

} // namespace orebell
