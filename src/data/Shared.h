#pragma once

#include "data/MineralData.h"
#include "toolkit/MiningLog.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace orebell {

class Grid;

// One laser slot's numeric state (all double precision, as the countdown arithmetic needs).
struct LaserState {
    QString OreName;
    double UnitVolume = 0;
    double RoidSize = 0;
    double InitialSize = 0;
    double Remaining = 0;
    double UnitsPerCycle = 0;
    double UnitsPerSecond = 0;
    double SecondsToDeplete = 0;
    double DepleteMinutes = 0;
    double DepleteSeconds = 0;
    double MiningRate = 0;
    double CycleDuration = 0;
    double CycleRemaining = 0;
    // Units credited to the grid for the loaded asteroid over all its runs, so that depletion
    // tops up to exactly its initial size however often it was stopped and started.
    double CreditedSinceLoad = 0;
};

// What ore refines to and is worth at the player's refinery, skills and prices.
struct OreValuation {
    std::array<double, MineralCount> minerals{};
    double isk = 0;
};

// The routines one subsystem calls in another. Subsystems are siblings, so the application wires
// these when it builds the program; an unwired routine does nothing.
struct Routines {
    // The save of every orderly exit other than the close button (the application quitting, the
    // desktop session ending, a terminating signal): silent, and only when something stored
    // changed since the last save, so that an exit saves once however many ways announce it.
    std::function<void()> SaveOnExit;
    // Sound alerts
    std::function<void(int event)> PlayEventSound;
    std::function<void()> PlayClickSound;
    std::function<void()> LoadSounds;
    std::function<double()> CycleWarningSeconds;
    std::function<double()> DepletionWarningSeconds;
    std::function<double()> JetcanReminderMinutes;
    // Refining and valuation
    std::function<void()> RefreshValuation;
    // The estimate as Refine needs it, ticked or not; false when an entry refused it.
    std::function<bool()> EstimateForRefine;
    std::function<void(int baseOre)> CalcRefinedYield;
    std::function<int(const QString& oreName)> FindOreRow;
    // Ore-mined grid
    std::function<void(const QString& oreName, double units)> AddOreMined;
    std::function<void()> RefineGrid;
    std::function<void()> ResetGrid;
    // Timer layout and the button bar
    std::function<void(int n)> ShowTimers;
    std::function<void(int index)> lblControlButton_Click;
    std::function<void(const QString& arrayName, std::uint32_t color, int highestIndex)> SetButtonBackColor;
    // Settings store
    std::function<void()> SaveAll;            // grid, settings and window position, as the close button saves
    std::function<void()> LoadSettings;       // load sequence
    std::function<void()> LoadWindowPosition; // activation; restores at the first call only
    std::function<void()> LoadGrid;           // activation, after the headers; first call only
    // Ore-mined grid headers: writes headers 0 .. size-2 into the header row.
    std::function<void(Grid& grid, std::span<const QString> headers)> SetGridHeaders;
    // What the mining log hears beyond the routines above (nothing else depends on them).
    std::function<void(int slot, int cycles)> LaserCyclesCompleted;
    std::function<void(const std::array<double, MineralCount>& minerals)> MineralsRefined;
    // The virtual refining estimate of any ore amounts, at the figures on the window now;
    // nothing when those figures do not read as numbers.
    std::function<std::optional<OreValuation>(const std::vector<TripOre>& ores)> ValueOre;
};

// The main window's shared state.
struct Shared {
    std::array<LaserState, 8> Lasers{};
    bool IsLoading = false;
    double RefreshInterval = 62.5;
    int TopButtonIndex = 0;
    std::int32_t RestoreLeft = 0;
    std::int32_t RestoreTop = 0;
    std::array<QString, 4> GridHeaders{}; // 0..2 used; 3 stays empty
    MineralYields mineralYields;
    Routines routines;

    template <class... A, class F> static void call(const F& f, A&&... args)
    {
        if (f)
            f(std::forward<A>(args)...);
    }
};

} // namespace orebell
