#pragma once

#include <QString>

#include <array>

namespace orebell {

// The mineral order every per-mineral control array follows.
inline constexpr int MineralCount = 8;
extern const std::array<const char*, MineralCount> MineralNames; // "Isogen" ... "Zydrine"

// MineralYields: 49 rows by 11 columns. Column 0 the ore name, 1 the units per refining batch,
// 2..9 the units of mineral k = column - 2 per batch, 10 the m3 of one ore unit. Row 48 stays
// empty. Cells are kept as numbers; an empty cell is a row that was never loaded.
struct MineralYieldRow {
    QString oreName;
    int batch = 0;
    std::array<int, MineralCount> minerals{};
    double volume = 0;
};

class MineralYields {
public:
    static constexpr int Rows = 49;
    static constexpr int Cols = 11;

    const MineralYieldRow& row(int r) const { return rows_.at(r); }
    MineralYieldRow& row(int r) { return rows_.at(r); }
    // The first row whose ore name equals name exactly; -1 when none (row 48 never matches).
    int findRow(const QString& name) const;
    bool loaded() const { return !rows_[0].oreName.isEmpty(); }

private:
    std::array<MineralYieldRow, Rows> rows_{};
};

// Fills rows 0 to 47 of the table.
void LoadMineralYields(MineralYields& table);

} // namespace orebell
