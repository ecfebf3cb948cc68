#include "timing/JetCanTimers.h"

#include "data/Shared.h"
#include "toolkit/Conventions.h"

#include <algorithm>

namespace orebell {

namespace {
constexpr Color Running = 0x80FF;
constexpr Color Idle = 0x8000000C;
constexpr Color ClockBack = 0x404040;
constexpr Color Due = 255;
// The digits on the red of a due reminder: black reads at 5.3:1 there, the grey of the idle
// clock at 2.2:1.
constexpr Color DueText = 0x000000;
constexpr double SecondsPerDay = 86400;

// "0" and the digits, of which the last two are shown: 7 gives 07, 42 gives 42.
QString twoDigits(long value) { return (QStringLiteral("0") + QString::number(value)).right(2); }
} // namespace

JetCanTimers::JetCanTimers(Form& main, Shared& shared, Platform& platform)
    : shared_(shared), platform_(platform)
{
    for (int i = 0; i < Count; ++i) {
        clocks_[i] = {&main.control(QStringLiteral("lblJetButton"), i),
                      &main.control(QStringLiteral("lblClockTimer"), i),
                      &main.control(QStringLiteral("shpClockTimerBorder"), i),
                      &main.control(QStringLiteral("tmrJetCan"), i)};
        clockText_[i] = clocks_[i].clock->foreColor();
    }
    main.onClick(QStringLiteral("lblJetButton"), [this](int i) { lblJetButton_Click(i); });
    main.onTimer(QStringLiteral("tmrJetCan"), [this](int i) { tmrJetCan_Timer(i); });
}

void JetCanTimers::lblJetButton_Click(int Index)
{
    Clock& c = clocks_.at(Index);
    Shared::call(shared_.routines.PlayClickSound);
    c.timer->setInterval(1000);
    c.clock->setTag(numberToText(platform_.clock().timeOfDay()));
    startedAt_.at(Index) = platform_.clock().steadyMs();
    c.timer->setEnabled(!c.timer->enabled());
    c.button->setToolTipText(QStringLiteral(" Reset Timer "));
    c.button->setCaption(QStringLiteral("X"));
    c.border->setBorderColor(Running);
    if (!c.timer->enabled()) {
        c.clock->setCaption(QStringLiteral("00:00"));
        c.clock->setTag(QStringLiteral("0"));
        startedAt_.at(Index).reset();
        c.button->setToolTipText(QStringLiteral(" Start Jetcan Timer "));
        c.button->setCaption(QStringLiteral("JET"));
        c.border->setBorderColor(Idle);
        c.clock->setBackColor(ClockBack);
        c.clock->setForeColor(clockText_.at(Index));
    }
}

double JetCanTimers::ageSeconds(int Index)
{
    std::optional<qint64>& started = startedAt_.at(Index);
    const qint64 now = platform_.clock().steadyMs();
    if (!started) {
        // Running without a click on its button (its timer enabled directly): the age from the
        // launch time in the tag, once, the time of day starting again at midnight.
        const Control& clock = *clocks_.at(Index).clock;
        const double start = isNumeric(clock.tag()) ? textToNumber(clock.tag()) : 0.0;
        double age = static_cast<double>(platform_.clock().timeOfDay()) - start;
        if (age < 0)
            age += SecondsPerDay;
        started = now - static_cast<qint64>(age * 1000);
    }
    return static_cast<double>(std::max<qint64>(0, now - *started)) / 1000.0;
}

void JetCanTimers::tmrJetCan_Timer(int Index)
{
    Clock& c = clocks_.at(Index);
    const long s = toInt32(static_cast<float>(ageSeconds(Index)));
    const long minutes = (s / 60) % 60;
    const long seconds = s % 60;
    c.clock->setCaption(twoDigits(minutes) + QLatin1Char(':') + twoDigits(seconds));

    const double reminder =
        shared_.routines.JetcanReminderMinutes ? shared_.routines.JetcanReminderMinutes() : 0.0;
    if (minutes >= reminder && c.clock->backColor() != Due) {
        c.clock->setBackColor(Due);
        c.clock->setForeColor(DueText);
        Shared::call(shared_.routines.PlayEventSound, 4);
    } else if (minutes < reminder && c.clock->backColor() == Due) {
        c.clock->setBackColor(ClockBack);
        c.clock->setForeColor(clockText_.at(Index));
    }
}

} // namespace orebell
