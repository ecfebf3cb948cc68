#include "toolkit/Grid.h"
#include "toolkit/Conventions.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

// A cell's number is remembered; every way its text can change must be seen.
TEST(Grid, ACellsNumberFollowsItsText)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Grid grid;
    grid.setCols(3);
    grid.setRows(4);
    grid.setTextMatrix(1, 1, QStringLiteral("1,234.5"));
    grid.setTextMatrix(2, 1, QStringLiteral("7"));
    EXPECT_EQ(grid.numberAt(1, 1), std::optional<double>(1234.5));
    EXPECT_EQ(grid.numberAt(1, 0), std::nullopt); // empty
    grid.setTextMatrix(1, 1, QStringLiteral("12"));
    EXPECT_EQ(grid.numberAt(1, 1), std::optional<double>(12));
    grid.removeItem(1); // row 2 moves up into row 1's place
    EXPECT_EQ(grid.numberAt(1, 1), std::optional<double>(7));
    grid.clear();
    EXPECT_EQ(grid.numberAt(1, 1), std::nullopt);
    grid.setTextMatrix(1, 1, QStringLiteral("2,5"));
    const auto inEnglish = grid.numberAt(1, 1);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(grid.numberAt(1, 1), std::optional<double>(2.5));
    EXPECT_NE(inEnglish, grid.numberAt(1, 1));
    grid.setCols(2); // the cells move in the grid's own store
    grid.setTextMatrix(2, 1, QStringLiteral("9"));
    EXPECT_EQ(grid.numberAt(1, 1), std::optional<double>(2.5));
    EXPECT_EQ(grid.numberAt(2, 1), std::optional<double>(9));
    EXPECT_THROW(grid.numberAt(3, 0), std::out_of_range);
    QLocale::setDefault(saved);
}

} // namespace
