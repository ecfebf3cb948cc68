#include "data/MineralData.h"
#include "data/OreCatalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>

#include <set>

using namespace orebell;

namespace {

QString s(const char* text) { return QString::fromUtf8(text); }

TEST(OreCatalogue, ListsTheFortyEightNamesInListOrder)
{
    const QStringList& names = oreListNames();
    ASSERT_EQ(names.size(), OreCount);
    EXPECT_EQ(names.mid(0, 4),
              (QStringList{s("Veldspar"), s("Concentrated Veldspar"), s("Dense Veldspar"), s("Scordite")}));
    EXPECT_EQ(names.mid(45), (QStringList{s("Mercoxit"), s("Magma Mercoxit"), s("Vitreous Mercoxit")}));
    // Spodumain is the one group whose base name follows its variants.
    const qsizetype bright = names.indexOf(s("Bright Spodumain"));
    EXPECT_EQ(names.indexOf(s("Gleaming Spodumain")), bright + 1);
    EXPECT_EQ(names.indexOf(s("Spodumain")), bright + 2);
    EXPECT_EQ(names.indexOf(s("Crokite")), bright + 3);
    // Every other base name comes right before its two variants.
    for (const BaseOre& ore : baseOres()) {
        if (s(ore.name) == s("Spodumain"))
            continue;
        const qsizetype at = names.indexOf(s(ore.name));
        EXPECT_EQ(names.value(at + 1), s(ore.variants[0])) << ore.name;
        EXPECT_EQ(names.value(at + 2), s(ore.variants[1])) << ore.name;
    }
    EXPECT_EQ(std::set<QString>(names.begin(), names.end()).size(), 48u);
}

TEST(OreCatalogue, ReducesANameToItsBaseOre)
{
    EXPECT_EQ(baseOreOf(s("Dense Veldspar")), s("Veldspar"));
    EXPECT_EQ(baseOreOf(s("Mercoxit")), s("Mercoxit"));
    EXPECT_EQ(baseOreOf(s("Very Dense Veldspar")), s("Dense Veldspar")); // everything after the first blank
    EXPECT_EQ(baseOreOf(QString()), QString());

    EXPECT_EQ(baseOreIndex(s("Crystaline Crokite")), 12);
    EXPECT_EQ(oreVolume(s("Crystaline Crokite")), 16.0);
    EXPECT_EQ(oreBatch(s("Crystaline Crokite")), 250);
    EXPECT_EQ(oreVolume(s("Dense Veldspar")), 0.1);
    EXPECT_EQ(baseOreIndex(s("Mercoxit")), 15);
    EXPECT_EQ(oreVolume(s("Magma Mercoxit")), 40.0);
    // Names compare exactly; an unknown base ore has no volume.
    EXPECT_EQ(baseOreIndex(s("veldspar")), -1);
    EXPECT_FALSE(oreVolume(s("Very Dense Veldspar")).has_value());
    EXPECT_FALSE(oreBatch(QString()).has_value());
}

TEST(MineralYieldTable, LoadsEveryListedOreOnceWithItsBaseOresBatchAndVolume)
{
    MineralYields table;
    EXPECT_FALSE(table.loaded());
    LoadMineralYields(table);
    EXPECT_TRUE(table.loaded());

    for (const QString& name : oreListNames()) {
        const int r = table.findRow(name);
        ASSERT_GE(r, 0) << name.toStdString();
        EXPECT_LT(r, 48);
        const MineralYieldRow& row = table.row(r);
        EXPECT_EQ(row.batch, *oreBatch(name)) << name.toStdString();
        EXPECT_EQ(row.volume, *oreVolume(name)) << name.toStdString();
    }
    EXPECT_TRUE(table.row(48).oreName.isEmpty());
    EXPECT_EQ(table.findRow(QString()), -1); // the empty last row never matches
    EXPECT_EQ(table.findRow(s("Veldspar ")), -1);

    const MineralYieldRow& veld = table.row(table.findRow(s("Veldspar")));
    EXPECT_EQ(table.findRow(s("Veldspar")), 42);
    EXPECT_EQ(veld.batch, 333);
    EXPECT_EQ(veld.minerals, (std::array<int, 8>{0, 0, 0, 0, 0, 0, 1000, 0}));
    const MineralYieldRow& merc = table.row(table.findRow(s("Mercoxit")));
    EXPECT_EQ(merc.batch, 250);
    EXPECT_EQ(merc.minerals, (std::array<int, 8>{0, 0, 0, 530, 0, 0, 0, 0}));
    // The row order is the table's own, not the ore list's.
    EXPECT_EQ(table.row(0).oreName, s("Hemorphite"));
    EXPECT_EQ(table.row(47).oreName, s("Vitreous Mercoxit"));
    EXPECT_EQ(table.row(28).minerals[6], 262); // Azure Plagioclase's Tritanium
    EXPECT_EQ(table.row(2).minerals[7], 31);
}

// Every cell of the table, as the game's refinery gives it: ore, units per batch, the eight
// minerals per batch in mineral order, m3 per unit.
TEST(MineralYieldTable, EveryCellHoldsItsValue)
{
    struct Expected {
        int row;
        const char* ore;
        int batch;
        std::array<int, MineralCount> minerals;
        double volume;
    };
    const Expected table[] = {
        {0, "Hemorphite", 500, {212, 0, 0, 0, 424, 0, 212, 28}, 3},
        {1, "Vived Hemorphite", 500, {223, 0, 0, 0, 445, 0, 223, 29}, 3},
        {2, "Radiant Hemorphite", 500, {233, 0, 0, 0, 466, 0, 233, 31}, 3},
        {3, "Omber", 500, {307, 0, 0, 0, 0, 123, 307, 0}, 0.6},
        {4, "Silvery Omber", 500, {322, 0, 0, 0, 0, 129, 322, 0}, 0.6},
        {5, "Golden Omber", 500, {338, 0, 0, 0, 0, 135, 338, 0}, 0.6},
        {6, "Gneiss", 400, {343, 0, 171, 0, 0, 0, 171, 171}, 5},
        {7, "Iridescent Gneiss", 400, {360, 0, 180, 0, 0, 0, 180, 180}, 5},
        {8, "Prismatic Gneiss", 400, {377, 0, 188, 0, 0, 0, 188, 188}, 5},
        {9, "Kernite", 400, {386, 0, 773, 0, 0, 0, 386, 0}, 1.2},
        {10, "Luminous Kernite", 400, {405, 0, 812, 0, 0, 0, 405, 0}, 1.2},
        {11, "Fiery Kernite", 400, {425, 0, 850, 0, 0, 0, 425, 0}, 1.2},
        {12, "Hedbergite", 500, {708, 0, 0, 0, 354, 0, 0, 32}, 3},
        {13, "Vitric Hedbergite", 500, {743, 0, 0, 0, 372, 0, 0, 34}, 3},
        {14, "Glazed Hedbergite", 500, {779, 0, 0, 0, 389, 0, 0, 35}, 3},
        {15, "Spodumain", 250, {0, 140, 0, 0, 0, 140, 700, 0}, 16},
        {16, "Bright Spodumain", 250, {0, 147, 0, 0, 0, 147, 735, 0}, 16},
        {17, "Gleaming Spodumain", 250, {0, 154, 0, 0, 0, 154, 770, 0}, 16},
        {18, "Bistot", 200, {0, 170, 0, 0, 0, 170, 0, 341}, 16},
        {19, "Triclinic Bistot", 200, {0, 179, 0, 0, 0, 179, 0, 358}, 16},
        {20, "Monoclinic Bistot", 200, {0, 187, 0, 0, 0, 187, 0, 375}, 16},
        {21, "Arkonor", 250, {0, 333, 0, 0, 0, 0, 300, 166}, 16},
        {22, "Crimson Arkonor", 250, {0, 350, 0, 0, 0, 0, 315, 174}, 16},
        {23, "Prime Arkonor", 250, {0, 366, 0, 0, 0, 0, 330, 183}, 16},
        {24, "Pyroxeres", 333, {0, 0, 120, 0, 11, 59, 844, 0}, 0.3},
        {25, "Solid Pyroxeres", 333, {0, 0, 126, 0, 12, 62, 886, 0}, 0.3},
        {26, "Viscous Pyroxeres", 333, {0, 0, 132, 0, 12, 65, 928, 0}, 0.3},
        {27, "Plagioclase", 333, {0, 0, 256, 0, 0, 512, 256, 0}, 0.35},
        {28, "Azure Plagioclase", 333, {0, 0, 269, 0, 0, 538, 262, 0}, 0.35},
        {29, "Rich Plagioclase", 333, {0, 0, 282, 0, 0, 568, 282, 0}, 0.35},
        {30, "Jaspet", 500, {0, 0, 518, 0, 259, 259, 259, 8}, 2},
        {31, "Pure Jaspet", 500, {0, 0, 544, 0, 272, 272, 272, 8}, 2},
        {32, "Pristine Jaspet", 500, {0, 0, 570, 0, 285, 285, 285, 9}, 2},
        {33, "Ochre", 400, {0, 0, 0, 0, 500, 0, 250, 250}, 8},
        {34, "Onyx Ochre", 400, {0, 0, 0, 0, 525, 0, 263, 250}, 8},
        {35, "Obsidian Ochre", 400, {0, 0, 0, 0, 550, 0, 275, 250}, 8},
        {36, "Crokite", 250, {0, 0, 0, 0, 331, 0, 331, 663}, 16},
        {37, "Sharp Crokite", 250, {0, 0, 0, 0, 348, 0, 348, 696}, 16},
        {38, "Crystaline Crokite", 250, {0, 0, 0, 0, 364, 0, 364, 729}, 16},
        {39, "Scordite", 333, {0, 0, 0, 0, 0, 416, 833, 0}, 0.15},
        {40, "Condensed Scordite", 333, {0, 0, 0, 0, 0, 437, 875, 0}, 0.15},
        {41, "Massive Scordite", 333, {0, 0, 0, 0, 0, 458, 916, 0}, 0.15},
        {42, "Veldspar", 333, {0, 0, 0, 0, 0, 0, 1000, 0}, 0.1},
        {43, "Concentrated Veldspar", 333, {0, 0, 0, 0, 0, 0, 1050, 0}, 0.1},
        {44, "Dense Veldspar", 333, {0, 0, 0, 0, 0, 0, 1100, 0}, 0.1},
        {45, "Mercoxit", 250, {0, 0, 0, 530, 0, 0, 0, 0}, 40},
        {46, "Magma Mercoxit", 250, {0, 0, 0, 557, 0, 0, 0, 0}, 40},
        {47, "Vitreous Mercoxit", 250, {0, 0, 0, 583, 0, 0, 0, 0}, 40},

    };
    MineralYields loaded;
    LoadMineralYields(loaded);
    ASSERT_EQ(std::size(table), 48u);
    for (const Expected& e : table) {
        const MineralYieldRow& row = loaded.row(e.row);
        EXPECT_EQ(row.oreName, QString::fromUtf8(e.ore)) << e.row;
        EXPECT_EQ(row.batch, e.batch) << e.ore;
        for (int k = 0; k < MineralCount; ++k)
            EXPECT_EQ(row.minerals[k], e.minerals[k]) << e.ore << " " << MineralNames[k];
        EXPECT_DOUBLE_EQ(row.volume, e.volume) << e.ore;
    }
    EXPECT_TRUE(loaded.row(48).oreName.isEmpty());
}

} // namespace
