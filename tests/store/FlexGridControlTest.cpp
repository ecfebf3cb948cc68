#include "store/FlexGridControl.h"
#include "data/MineralData.h"
#include "support/ScopedLocale.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <ostream>

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

#include <array>

using namespace orebell;

namespace {

struct OreMinedGrid : ::testing::Test {
    // Put back afterwards: the tests after these read the desk's own format.
    test::ScopedLocale english{test::ScopedLocale::english()};
    Grid grid;
    MineralYields yields;
    const std::array<QString, 4> headers = {QStringLiteral("Ore Name"), QStringLiteral("Units Mined"),
                                            QStringLiteral("R/Units"), QString()};

    void SetUp() override
    {
        grid.setCols(3);
        grid.setRows(2);
        SetGridHeaders(grid, headers);
        yields.row(0) = {QStringLiteral("Veldspar"), 333, {}, 0.1};
        yields.row(9) = {QStringLiteral("Plagioclase"), 333, {}, 0.35};
        yields.row(42) = {QStringLiteral("Arkonor"), 200, {}, 16};
        yields.row(45) = {QStringLiteral("Mercoxit"), 250, {}, 40};
    }
    QStringList row(int r) { return {grid.textMatrix(r, 0), grid.textMatrix(r, 1), grid.textMatrix(r, 2)}; }
};

TEST_F(OreMinedGrid, AddingCreatesOneRowPerOreAndKeepsTheEmptyLastRow)
{
    AddOreMined(grid, yields, QStringLiteral("Arkonor"), 10.5);
    EXPECT_EQ(grid.rows(), 3);
    EXPECT_EQ(row(1), (QStringList{QStringLiteral("Arkonor"), QStringLiteral("10.5000000000"),
                                   QStringLiteral("200")}));
    EXPECT_EQ(row(2), (QStringList{QString(), QString(), QString()}));
    AddOreMined(grid, yields, QStringLiteral("Arkonor"), 1234.5);
    EXPECT_EQ(grid.textMatrix(1, 1), QStringLiteral("1,245.0000000000"));
    AddOreMined(grid, yields, QStringLiteral("Mercoxit"), 0.4);
    AddOreMined(grid, yields, QStringLiteral("Mercoxit"), 0);
    AddOreMined(grid, yields, QStringLiteral("Arkonor"), 0);
    EXPECT_EQ(grid.rows(), 4);
    EXPECT_EQ(grid.textMatrix(1, 1), QStringLiteral("1,245"));
    EXPECT_EQ(row(2), (QStringList{QStringLiteral("Mercoxit"), QString(), QStringLiteral("250")}));
    // An emptied count is nothing, not an error, when more of that ore comes in.
    AddOreMined(grid, yields, QStringLiteral("Mercoxit"), 2);
    EXPECT_EQ(grid.textMatrix(2, 1), QStringLiteral("2.0000000000"));
    EXPECT_DOUBLE_EQ(OreMinedUnits(grid, QStringLiteral("Arkonor")), 1245);
}

TEST_F(OreMinedGrid, ReFormattingRoundsHalvesToEven)
{
    AddOreMined(grid, yields, QStringLiteral("Veldspar"), 10.5);
    AddOreMined(grid, yields, QStringLiteral("Veldspar"), 0);
    EXPECT_EQ(grid.textMatrix(1, 1), QStringLiteral("10"));
    AddOreMined(grid, yields, QStringLiteral("Veldspar"), 1.5);
    AddOreMined(grid, yields, QStringLiteral("Veldspar"), 0);
    EXPECT_EQ(grid.textMatrix(1, 1), QStringLiteral("12"));
}

TEST_F(OreMinedGrid, CountsFollowTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    AddOreMined(grid, yields, QStringLiteral("Veldspar"), 1234.5);
    AddOreMined(grid, yields, QStringLiteral("Veldspar"), 0.25);
    EXPECT_EQ(grid.textMatrix(1, 1), QStringLiteral("1.234,7500000000"));
}

TEST_F(OreMinedGrid, RefineLeavesWhatDoesNotFillABatch)
{
    AddOreMined(grid, yields, QStringLiteral("Mercoxit"), 1245);
    AddOreMined(grid, yields, QStringLiteral("Veldspar"), 1245);
    AddOreMined(grid, yields, QStringLiteral("Arkonor"), 1244.5);
    grid.setTextMatrix(1, 2, QStringLiteral("500"));
    RefineGrid(grid, yields);
    EXPECT_EQ(grid.textMatrix(1, 1), QStringLiteral("245"));
    EXPECT_EQ(grid.textMatrix(2, 1), QStringLiteral("246"));
    EXPECT_EQ(grid.textMatrix(3, 1), QStringLiteral("44")); // 1244.5 rounds to 1244
    EXPECT_EQ(grid.rows(), 5);

    // 998.7 units of Veldspar are two batches of 333 and most of a third: the third stays.
    AddOreMined(grid, yields, QStringLiteral("Veldspar"), 998.7 - 246);
    RefineGrid(grid, yields);
    EXPECT_EQ(grid.textMatrix(2, 1), QStringLiteral("333"));

    // A damaged batch leaves its row alone instead of dividing by nothing.
    grid.setTextMatrix(1, 2, QStringLiteral("0"));
    grid.setTextMatrix(2, 2, QStringLiteral("x"));
    grid.setTextMatrix(3, 2, QStringLiteral("250250"));
    EXPECT_NO_THROW(RefineGrid(grid, yields));
    EXPECT_EQ(grid.textMatrix(1, 1), QStringLiteral("245"));
    EXPECT_EQ(grid.textMatrix(2, 1), QStringLiteral("333"));
    EXPECT_EQ(grid.textMatrix(3, 1), QStringLiteral("44"));
}

TEST_F(OreMinedGrid, ResetLeavesTheHeadersAndOneEmptyRow)
{
    AddOreMined(grid, yields, QStringLiteral("Mercoxit"), 5);
    AddOreMined(grid, yields, QStringLiteral("Veldspar"), 5);
    ResetGrid(grid);
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_EQ(row(0), (QStringList{QStringLiteral("Ore Name"), QStringLiteral("Units Mined"),
                                   QStringLiteral("R/Units")}));
    EXPECT_EQ(row(1), (QStringList{QString(), QString(), QString()}));
}

} // namespace
