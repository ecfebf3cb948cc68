#pragma once

#include "timing/CargoHold.h"
#include "timing/JetCanTimers.h"
#include "timing/LaserTimers.h"

namespace orebell {

// The mining-cycle timing of the main window: laser slots, cargo hold monitor and jet-can clocks.
class Timing {
public:
    Timing(Form& main, Shared& shared, Platform& platform)
        : cargo(main, shared, platform), lasers(main, shared, platform, cargo),
          jetCans(main, shared, platform)
    {
        cargo.setAnyLaserRunning([this] { return lasers.anyRunning(); });
    }

    CargoHold cargo;
    LaserTimers lasers;
    JetCanTimers jetCans;
};

} // namespace orebell
