#pragma once

#include "data/MineralData.h"
#include "toolkit/Conventions.h"

#include <array>

namespace orebell {

// The refining yield in per cent for an ore: the net yield plus five points per skill level,
// at most 100.
inline double EffectiveYield(double netYield, double skill)
{
    const double yield = netYield + 5 * skill;
    return yield > 100 ? 100 : yield;
}

// What the station keeps: the commission first, then the tax on what is left.
inline double afterCommissionAndTax(double refined, double commission, double tax)
{
    refined = refined - refined * commission / 100;
    return refined - refined * tax / 100;
}

// Mineral units from refining every complete batch of `units` ore units of one ore; leftover
// units that do not fill a batch refine to nothing.
inline std::array<double, MineralCount> refineWholeBatches(const MineralYieldRow& ore, double units,
                                                           double effectiveYield, double commission,
                                                           double tax)
{
    std::array<double, MineralCount> out{};
    const double batches = vbInt(units / ore.batch);
    for (int k = 0; k < MineralCount; ++k)
        out[k] = afterCommissionAndTax(batches * ore.minerals[k] * effectiveYield / 100, commission, tax);
    return out;
}

} // namespace orebell
