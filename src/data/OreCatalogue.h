#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace orebell {

// A base ore and its two richer variants: they share the volume of one unit and the units one
// refining batch takes.
struct BaseOre {
    const char* name;
    std::array<const char*, 2> variants; // in list order
    double volume;                       // m3 per unit
    int batch;                           // units per refining batch
};

inline constexpr int BaseOreCount = 16;
inline constexpr int OreCount = 48;

// Base ores in their fixed order: the index is that of the processing-skill entry of the ore.
const std::array<BaseOre, BaseOreCount>& baseOres();

// The 48 names in the order they are added to every ore list: each base name before its
// variants, except Spodumain, which follows "Bright Spodumain" and "Gleaming Spodumain".
const QStringList& oreListNames();

// The text after the first blank, or the whole name when it has none ("Dense Veldspar" gives
// "Veldspar"). Names compare exactly, case and blanks included.
QString baseOreOf(const QString& name);

// Index of the name's base ore in the catalogue, or -1 when its base ore is not one of them.
int baseOreIndex(const QString& name);

// Volume per unit and batch size of a name's base ore; none when the base ore is unknown.
std::optional<double> oreVolume(const QString& name);
std::optional<int> oreBatch(const QString& name);

} // namespace orebell
