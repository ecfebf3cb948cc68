#pragma once

#include "toolkit/Control.h"
#include "toolkit/Form.h"
#include "toolkit/Platform.h"

#include <array>
#include <optional>

namespace orebell {

struct Shared;

// Four jet-can clocks: the age of a jettisoned container in minutes and seconds, turning red with
// the reminder sound at the reminder minute. JetCanStart, the launch's time of day, lives in
// lblClockTimer(i)'s tag; the age is measured on the steady clock, so that setting the system
// clock (or midnight) neither makes it negative nor moves it.
class JetCanTimers {
public:
    static constexpr int Count = 4;

    JetCanTimers(Form& main, Shared& shared, Platform& platform);

    void lblJetButton_Click(int Index);
    void tmrJetCan_Timer(int Index);

private:
    double ageSeconds(int Index);

    struct Clock {
        Control* button;
        Control* clock;
        Control* border;
        Control* timer;
    };

    Shared& shared_;
    Platform& platform_;
    std::array<Clock, Count> clocks_{};
    std::array<Color, Count> clockText_{}; // each clock's own text colour, for when it is not due
    std::array<std::optional<qint64>, Count> startedAt_{}; // steady milliseconds at the launch
};

} // namespace orebell
