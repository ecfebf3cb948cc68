#pragma once

#include "toolkit/Conventions.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace orebell {

// A grid of text cells with one fixed header row, as the ore-mined record needs it.
class Grid {
public:
    explicit Grid(std::function<void()> changed = {});

    int rows() const { return static_cast<int>(cells_.size()); }
    int cols() const { return cols_; }
    void setRows(int rows); // new rows are empty; negative counts are refused (std::out_of_range)
    void setCols(int cols);
    int fixedRows() const { return 1; }

    // Throws std::out_of_range outside the grid.
    const QString& textMatrix(int row, int col) const;
    // numericValue(textMatrix(row, col)), read again only when the cell's text has changed.
    std::optional<double> numberAt(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    void addItem(); // appends one empty row
    void removeItem(int row);
    void clear(); // empties every cell, headers included; the size stays

    int colWidth(int col) const;
    void setColWidth(int col, int twips);
    int colAlignment(int col) const;
    void setColAlignment(int col, int alignment);
    int colAlignmentFixed(int col) const;
    void setColAlignmentFixed(int col, int alignment);

private:
    void checkCell(int row, int col) const;
    void changed();

    std::vector<QStringList> cells_;
    int cols_ = 0;
    std::vector<int> widths_;
    std::vector<int> alignments_;
    std::vector<int> fixedAlignments_;
    std::function<void()> changed_;
    // By cell position; each checks its text, so rows that move stay correct.
    mutable std::vector<RememberedNumber> numbers_;
};

} // namespace orebell
