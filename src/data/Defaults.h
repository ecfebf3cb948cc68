#pragma once

#include <array>

// What every entry left empty after the settings restore receives at start-up, as the text a
// new user sees.
namespace orebell::defaults {

inline constexpr const char* RoidType = "Veldspar"; // cboRoidType(0..6)
inline constexpr const char* CycleDuration = "60";  // txtCycleDurationInSeconds(0..6), countdown too
inline constexpr const char* ProcessingSkill = "0"; // txtProcessingSkill(0..15)
inline constexpr const char* StationYield = "000";  // txtStationYield(0..23)
inline constexpr const char* CargoHold = "1000";    // txtCargoHold(0), m3
inline constexpr const char* RefinedOre = "0";      // txtRefinedOre(0..7)
// Refinery figures in per cent, written with one decimal ("96.2", "5.0", "0.0") in the user's
// number format: on a comma-decimal desk a dot would not read back as a number.
inline constexpr double StationNetYield = 96.2;
inline constexpr double StationCommission = 5.0;
inline constexpr double StationTax = 0.0;
inline constexpr const char* RefineryPattern = "0.0";
inline constexpr const char* Lasers = "1"; // txtLasers(0): laser panels shown

// Mineral market prices in isk per unit, in mineral order; written as the number's text in the
// user's locale.
inline constexpr std::array<double, 8> MarketValue = {109, 4500, 13.5, 15000, 450, 4.5, 2.1, 3900};

} // namespace orebell::defaults
