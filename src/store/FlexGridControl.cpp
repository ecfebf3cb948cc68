#include "store/FlexGridControl.h"

#include "data/MineralData.h"
#include "data/OreMinedCount.h"
#include "data/Shared.h"
#include "toolkit/Conventions.h"

#include <algorithm>
#include <array>

namespace orebell {

namespace {

const QString GridName = QStringLiteral("mshflexOreMined");

const std::array<QString, 4> DefaultHeaders = {QStringLiteral("Ore Name"), QStringLiteral("Units Mined"),
                                               QStringLiteral("R/Units"), QString()};

// A count cell holds what this module wrote: a formatted number, or an empty text for a total of
// 0. Anything else can only come from a damaged store and counts as nothing.
double countOf(const Grid& grid, int row) { return grid.numberAt(row, 1).value_or(0.0); }

int findGridRow(const Grid& grid, const QString& oreName)
{
    for (int r = 1; r < grid.rows(); ++r)
        if (grid.textMatrix(r, 0) == oreName)
            return r;
    return -1;
}

} // namespace

void SetGridHeaders(Grid& grid, std::span<const QString> headers)
{
    for (int c = 0; c + 1 < static_cast<int>(headers.size()); ++c)
        grid.setTextMatrix(0, c, headers[c]);
}

void SetGridRow(Grid& grid, std::int32_t& row, std::span<const QString> values)
{
    for (int c = 0; c + 1 < static_cast<int>(values.size()); ++c)
        grid.setTextMatrix(row, c, values[c]);
    if (!grid.textMatrix(grid.rows() - 1, 0).isEmpty())
        grid.addItem();
}

void AddOreMined(Grid& grid, const MineralYields& yields, const QString& oreName, double units,
                 RememberedText* batchText)
{
    // An empty name would land on the trailing empty row and break the grid's shape.
    if (oreName.isEmpty())
        return;
    std::int32_t row = findGridRow(grid, oreName);
    double oldCount = 0;
    if (row > 0) {
        oldCount = countOf(grid, row);
    } else {
        row = grid.rows() - 1;
        grid.addItem();
    }

    // An ore missing from the yield table takes its first row, as the refining lookup answers.
    const double batchUnits = yields.row(std::max(yields.findRow(oreName), 0)).batch;
    const QString batch = batchText ? batchText->numberToText(batchUnits) : numberToText(batchUnits);

    const QString count = units != 0 ? formatNumber(oldCount + units, QStringLiteral("#,###.0000000000"))
                                     : formatNumber(roundHalfEven(oldCount), QStringLiteral("#,###"));
    const std::array<QString, 4> GridRowValues = {oreName, count, batch, QString()};
    SetGridRow(grid, row, GridRowValues);
}

void RefineGrid(Grid& grid, const MineralYields& yields)
{
    for (int r = 1; r <= grid.rows() - 2; ++r) {
        if (yields.findRow(grid.textMatrix(r, 0)) < 0)
            continue;
        const auto usable = usableOreCount(grid.textMatrix(r, 1));
        if (!usable)
            continue;
        const QString batchText = grid.textMatrix(r, 2);
        // A batch that is not a positive 16-bit number can only come from a damaged store: the
        // row is left as it is rather than divided by nothing or failing every Refine.
        if (!isNumeric(batchText))
            continue;
        const double batchValue = roundHalfEven(textToNumber(batchText));
        if (batchValue <= 0 || batchValue > 32767)
            continue;
        const double batch = toInt16(batchValue);
        const double count = *usable;
        // Whole batches are counted from the units themselves, as the estimate counts them: a
        // count a fraction short of a batch has not filled it, though it rounds up to it.
        const double units = roundHalfEven(count);
        grid.setTextMatrix(r, 1, numberToText(units - vbInt(count / batch) * batch));
    }
}

void ResetGrid(Grid& grid)
{
    for (int n = grid.rows() - 2; n > 0; --n)
        grid.removeItem(1);
    grid.clear();
    SetGridHeaders(grid, DefaultHeaders);
}

double OreMinedUnits(const Grid& grid, const QString& oreName)
{
    if (oreName.isEmpty())
        return 0;
    const int row = findGridRow(grid, oreName);
    return row > 0 ? countOf(grid, row) : 0.0;
}

FlexGridControl::FlexGridControl(Form& main, Shared& shared, Platform&)
    : grid_(main.grid(GridName)), shared_(shared)
{
    // Three columns, the header row and the empty row, whatever the window was built with.
    if (grid_.cols() < 3)
        grid_.setCols(3);
    if (grid_.rows() < 2)
        grid_.setRows(2);

    shared_.routines.AddOreMined = [this](const QString& oreName, double units) {
        orebell::AddOreMined(grid_, shared_.mineralYields, oreName, units, &batchText_);
    };
    shared_.routines.RefineGrid = [this] { orebell::RefineGrid(grid_, shared_.mineralYields); };
    shared_.routines.ResetGrid = [this] { orebell::ResetGrid(grid_); };
    shared_.routines.SetGridHeaders = [](Grid& grid, std::span<const QString> headers) {
        orebell::SetGridHeaders(grid, headers);
    };
}

} // namespace orebell
