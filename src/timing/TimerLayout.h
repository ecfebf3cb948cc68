#pragma once

#include "toolkit/Form.h"
#include "toolkit/Platform.h"

namespace orebell {

struct Shared;

// Sizes the main window for a number of laser panel widths and stretches the title strip across
// it, with the minimise and close buttons at its right end. Sets the ShowTimers routine.
class TimerLayout {
public:
    TimerLayout(Form& main, Shared& shared, Platform& platform);

    // Lays out n panel widths; a failure is reported ("Function    : ShowTimers ") and the
    // window keeps the layout it had. Returns false after a failure.
    bool ShowTimers(int n);

private:
    Form& main_;
    Platform& platform_;
};

} // namespace orebell
