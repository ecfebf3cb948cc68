#pragma once

#include "toolkit/Conventions.h"
#include "toolkit/Form.h"
#include "toolkit/Grid.h"
#include "toolkit/Platform.h"

#include <QString>

#include <cstdint>
#include <span>

namespace orebell {

struct Shared;
class MineralYields;

// The ore-mined record: one row per ore (name, units mined, refining batch) under a header row,
// always ending in one empty row.

// Writes headers 0 .. size-2 into the header row (the last element is a spare, left unused).
void SetGridHeaders(Grid& grid, std::span<const QString> headers);

// Writes values 0 .. size-2 into the row, then keeps one empty row at the end of the grid.
void SetGridRow(Grid& grid, std::int32_t& row, std::span<const QString> values);

// Adds units of an ore to its row, creating the row when the ore is new. Zero units re-formats
// the row's count as a whole number. batchText, when given, keeps the batch's text between calls.
void AddOreMined(Grid& grid, const MineralYields& yields, const QString& oreName, double units,
                 RememberedText* batchText = nullptr);

// Leaves in each row only the units that do not fill a whole refining batch. Rows the estimate
// leaves out (an ore the mineral table does not know, a damaged count) keep their ore: nothing
// was added for them.
void RefineGrid(Grid& grid, const MineralYields& yields);

// Empties the grid down to its headers and the empty row.
void ResetGrid(Grid& grid);

// The units recorded for an ore: 0 when it has no row or its count is empty or unreadable.
double OreMinedUnits(const Grid& grid, const QString& oreName);

// The main window's grid `mshflexOreMined`: sets the AddOreMined, RefineGrid, ResetGrid and
// SetGridHeaders routines.
class FlexGridControl {
public:
    FlexGridControl(Form& main, Shared& shared, Platform& platform);
    Grid& grid() { return grid_; }

private:
    Grid& grid_;
    Shared& shared_;
    RememberedText batchText_; // every laser tick writes its ore's batch again
};

} // namespace orebell
