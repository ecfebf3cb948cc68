#include "data/MineralData.h"
#include "data/OreCatalogue.h"

#include <gtest/gtest.h>

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

} // namespace
