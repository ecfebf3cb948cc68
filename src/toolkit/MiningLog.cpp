#include "toolkit/MiningLog.h"

namespace orebell {

double Trip::units() const
{
    double total = 0;
    for (const TripOre& ore : ores)
        total += ore.units;
    return total;
}

double Trip::iskPerHour() const { return miningSeconds > 0 ? isk * 3600 / miningSeconds : 0; }

} // namespace orebell
