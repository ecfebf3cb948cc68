#include "timing/TimerLayout.h"

#include "data/Shared.h"
#include "toolkit/Conventions.h"
#include "toolkit/RuntimeError.h"
#include "toolkit/Trap.h"

#include <cmath>
#include <limits>

namespace orebell {

namespace {

// A length in twips as a control or window takes it: whole twips, never negative.
int twips(float value)
{
    if (!std::isfinite(value) || value > static_cast<float>(std::numeric_limits<int>::max()))
        raise(ErrOverflow);
    if (value < 0)
        raise(ErrInvalidProperty);
    return static_cast<int>(roundHalfEven(value));
}

} // namespace

TimerLayout::TimerLayout(Form& main, Shared& shared, Platform& platform) : main_(main), platform_(platform)
{
    shared.routines.ShowTimers = [this](int n) { ShowTimers(n); };
}

bool TimerLayout::ShowTimers(int n)
{
    ErrorTrap trap{QStringLiteral("ShowTimers")};
    return runTrapped(platform_.messageBox(), trap, [&] {
        trap.at(10);
        const auto count = toInt16(n);
        const float panel = static_cast<float>(main_.control(QStringLiteral("shpBox")).width());
        Control& border7 = main_.control(QStringLiteral("shpControlBtnBorder"), 7);
        Control& border14 = main_.control(QStringLiteral("shpControlBtnBorder"), 14);
        Control& border6 = main_.control(QStringLiteral("shpControlBtnBorder"), 6);
        const float button = static_cast<float>(border6.width());
        // The counts are 16-bit integers; the lengths single precision.
        const auto panels = add16(count, 2);
        const auto spare = toInt16((5 - count) * 15);
        auto strip = [&] { return panel * panels + spare - 2 * button + 150; };

        trap.at(20);
        main_.control(QStringLiteral("lblControlButton"), 7).setWidth(twips(strip()));
        border7.setWidth(twips(strip()));

        trap.at(30);
        border14.setLeft(border7.width());
        main_.control(QStringLiteral("lblControlButton"), 14).setLeft(border14.left() + 15);

        trap.at(40);
        border6.setLeft(border14.left() + border14.width());
        main_.control(QStringLiteral("lblControlButton"), 6).setLeft(border6.left() + 15);

        trap.at(50);
        main_.setWidth(twips(panel * panels + spare + 145));
    });
}

} // namespace orebell
