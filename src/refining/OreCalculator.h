#pragma once

#include "data/MineralData.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace orebell {

// What a number of ore units refines to, for a base ore and its variants, and how to show it.
struct OreCalculation {
    struct Ore {
        QString name;
        std::array<double, MineralCount> minerals{};
        double isk = 0;
    };
    double units = 0;
    int batch = 0;
    double batches = 0;  // complete batches
    double leftover = 0; // units that do not fill a batch
    std::vector<Ore> ores;
};

// Refines `units` of every ore in `ores` (a base ore and its variants, which share the batch)
// at the given yield, commission and tax; prices that are not set leave their mineral out of the isk.
OreCalculation calculateOre(const std::vector<const MineralYieldRow*>& ores, double units,
                            double effectiveYield, double commission, double tax,
                            const std::array<std::optional<double>, MineralCount>& prices);

// One line for the caption beside the units box: "1,500 Veldspar: 7,677 isk".
QString oreCalculationSummary(const OreCalculation& calc);
// The full answer for the tool tips: batches and leftover, then per ore its minerals and isk.
QString oreCalculationDetails(const OreCalculation& calc);

} // namespace orebell
