#include "toolkit/Grid.h"

#include <stdexcept>
#include <string>

namespace orebell {

Grid::Grid(std::function<void()> changed) : changed_(std::move(changed)) {}

void Grid::changed()
{
    if (changed_)
        changed_();
}

void Grid::setRows(int rows)
{
    if (rows < 0)
        throw std::out_of_range("negative grid row count " + std::to_string(rows));
    if (rows == this->rows())
        return;
    QStringList empty;
    for (int c = 0; c < cols_; ++c)
        empty.append(QString());
    cells_.resize(rows, empty);
    changed();
}

void Grid::setCols(int cols)
{
    if (cols < 0)
        throw std::out_of_range("negative grid column count " + std::to_string(cols));
    cols_ = cols;
    for (auto& row : cells_) {
        while (row.size() < cols)
            row.append(QString());
        while (row.size() > cols)
            row.removeLast();
    }
    widths_.resize(cols, 0);
    alignments_.resize(cols, 0);
    fixedAlignments_.resize(cols, 0);
    changed();
}

void Grid::checkCell(int row, int col) const
{
    if (row < 0 || row >= rows() || col < 0 || col >= cols_)
        throw std::out_of_range("grid cell (" + std::to_string(row) + ", " + std::to_string(col) +
                                ") out of range");
}

const QString& Grid::textMatrix(int row, int col) const
{
    checkCell(row, col);
    return cells_[row][col];
}

std::optional<double> Grid::numberAt(int row, int col) const
{
    checkCell(row, col);
    const std::size_t i =
        static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col);
    if (numbers_.size() <= i)
        numbers_.resize(i + 1);
    return numbers_[i].numericValue(cells_[row][col]);
}

void Grid::setTextMatrix(int row, int col, const QString& text)
{
    checkCell(row, col);
    if (cells_[row][col] == text)
        return;
    cells_[row][col] = text;
    changed();
}

void Grid::addItem() { setRows(rows() + 1); }

void Grid::removeItem(int row)
{
    if (row < 0 || row >= rows())
        throw std::out_of_range("grid row " + std::to_string(row) + " out of range");
    cells_.erase(cells_.begin() + row);
    changed();
}

void Grid::clear()
{
    for (auto& row : cells_)
        for (auto& cell : row)
            cell.clear();
    changed();
}

int Grid::colWidth(int col) const
{
    checkCell(0, col);
    return widths_[col];
}

void Grid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= cols_)
        throw std::out_of_range("grid column out of range");
    widths_[col] = twips;
    changed();
}

int Grid::colAlignment(int col) const { return alignments_.at(col); }

void Grid::setColAlignment(int col, int alignment)
{
    alignments_.at(col) = alignment;
    changed();
}

int Grid::colAlignmentFixed(int col) const { return fixedAlignments_.at(col); }

void Grid::setColAlignmentFixed(int col, int alignment)
{
    fixedAlignments_.at(col) = alignment;
    changed();
}

} // namespace orebell
