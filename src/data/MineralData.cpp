#include "data/MineralData.h"

namespace orebell {

const std::array<const char*, MineralCount> MineralNames = {"Isogen",  "Megacyte", "Mexallon",  "Morphite",
                                                            "Nocxium", "Pyerite",  "Tritanium", "Zydrine"};

namespace {

struct YieldData {
    const char* ore;
    int batch;
    std::array<int, MineralCount> minerals; // Isogen .. Zydrine
    double volume;
};

// Units of each mineral one refining batch yields, before refinery yield, tax and skills.
// clang-format off
constexpr std::array<YieldData, 48> Yields{{
    //                        batch   Iso  Mega  Mex Morph  Nocx   Pye  Trit   Zyd   m3
    {"Hemorphite",             500, {212,    0,    0,    0,  424,    0,  212,   28},  3},
    {"Vived Hemorphite",       500, {223,    0,    0,    0,  445,    0,  223,   29},  3},
    {"Radiant Hemorphite",     500, {233,    0,    0,    0,  466,    0,  233,   31},  3},
    {"Omber",                  500, {307,    0,    0,    0,    0,  123,  307,    0},  0.6},
    {"Silvery Omber",          500, {322,    0,    0,    0,    0,  129,  322,    0},  0.6},
    {"Golden Omber",           500, {338,    0,    0,    0,    0,  135,  338,    0},  0.6},
    {"Gneiss",                 400, {343,    0,  171,    0,    0,    0,  171,  171},  5},
    {"Iridescent Gneiss",      400, {360,    0,  180,    0,    0,    0,  180,  180},  5},
    {"Prismatic Gneiss",       400, {377,    0,  188,    0,    0,    0,  188,  188},  5},
    {"Kernite",                400, {386,    0,  773,    0,    0,    0,  386,    0},  1.2},
    {"Luminous Kernite",       400, {405,    0,  812,    0,    0,    0,  405,    0},  1.2},
    {"Fiery Kernite",          400, {425,    0,  850,    0,    0,    0,  425,    0},  1.2},
    {"Hedbergite",             500, {708,    0,    0,    0,  354,    0,    0,   32},  3},
    {"Vitric Hedbergite",      500, {743,    0,    0,    0,  372,    0,    0,   34},  3},
    {"Glazed Hedbergite",      500, {779,    0,    0,    0,  389,    0,    0,   35},  3},
    {"Spodumain",              250, {  0,  140,    0,    0,    0,  140,  700,    0}, 16},
    {"Bright Spodumain",       250, {  0,  147,    0,    0,    0,  147,  735,    0}, 16},
    {"Gleaming Spodumain",     250, {  0,  154,    0,    0,    0,  154,  770,    0}, 16},
    {"Bistot",                 200, {  0,  170,    0,    0,    0,  170,    0,  341}, 16},
    {"Triclinic Bistot",       200, {  0,  179,    0,    0,    0,  179,    0,  358}, 16},
    {"Monoclinic Bistot",      200, {  0,  187,    0,    0,    0,  187,    0,  375}, 16},
    {"Arkonor",                250, {  0,  333,    0,    0,    0,    0,  300,  166}, 16},
    {"Crimson Arkonor",        250, {  0,  350,    0,    0,    0,    0,  315,  174}, 16},
    {"Prime Arkonor",          250, {  0,  366,    0,    0,    0,    0,  330,  183}, 16},
    {"Pyroxeres",              333, {  0,    0,  120,    0,   11,   59,  844,    0},  0.3},
    {"Solid Pyroxeres",        333, {  0,    0,  126,    0,   12,   62,  886,    0},  0.3},
    {"Viscous Pyroxeres",      333, {  0,    0,  132,    0,   12,   65,  928,    0},  0.3},
    {"Plagioclase",            333, {  0,    0,  256,    0,    0,  512,  256,    0},  0.35},
    {"Azure Plagioclase",      333, {  0,    0,  269,    0,    0,  538,  262,    0},  0.35},
    {"Rich Plagioclase",       333, {  0,    0,  282,    0,    0,  568,  282,    0},  0.35},
    {"Jaspet",                 500, {  0,    0,  518,    0,  259,  259,  259,    8},  2},
    {"Pure Jaspet",            500, {  0,    0,  544,    0,  272,  272,  272,    8},  2},
    {"Pristine Jaspet",        500, {  0,    0,  570,    0,  285,  285,  285,    9},  2},
    {"Ochre",                  400, {  0,    0,    0,    0,  500,    0,  250,  250},  8},
    {"Onyx Ochre",             400, {  0,    0,    0,    0,  525,    0,  263,  250},  8},
    {"Obsidian Ochre",         400, {  0,    0,    0,    0,  550,    0,  275,  250},  8},
    {"Crokite",                250, {  0,    0,    0,    0,  331,    0,  331,  663}, 16},
    {"Sharp Crokite",          250, {  0,    0,    0,    0,  348,    0,  348,  696}, 16},
    {"Crystaline Crokite",     250, {  0,    0,    0,    0,  364,    0,  364,  729}, 16},
    {"Scordite",               333, {  0,    0,    0,    0,    0,  416,  833,    0},  0.15},
    {"Condensed Scordite",     333, {  0,    0,    0,    0,    0,  437,  875,    0},  0.15},
    {"Massive Scordite",       333, {  0,    0,    0,    0,    0,  458,  916,    0},  0.15},
    {"Veldspar",               333, {  0,    0,    0,    0,    0,    0, 1000,    0},  0.1},
    {"Concentrated Veldspar",  333, {  0,    0,    0,    0,    0,    0, 1050,    0},  0.1},
    {"Dense Veldspar",         333, {  0,    0,    0,    0,    0,    0, 1100,    0},  0.1},
    {"Mercoxit",               250, {  0,    0,    0,  530,    0,    0,    0,    0}, 40},
    {"Magma Mercoxit",         250, {  0,    0,    0,  557,    0,    0,    0,    0}, 40},
    {"Vitreous Mercoxit",      250, {  0,    0,    0,  583,    0,    0,    0,    0}, 40},
}};
// clang-format on

} // namespace

int MineralYields::findRow(const QString& name) const
{
    if (name.isEmpty()) // the unused last row never matches
        return -1;
    for (int r = 0; r < Rows; ++r)
        if (rows_[r].oreName == name)
            return r;
    return -1;
}

void LoadMineralYields(MineralYields& table)
{
    for (int r = 0; r < static_cast<int>(Yields.size()); ++r) {
        const YieldData& y = Yields[r];
        MineralYieldRow& row = table.row(r);
        row.oreName = QString::fromLatin1(y.ore);
        row.batch = y.batch;
        row.minerals = y.minerals;
        row.volume = y.volume;
    }
}

} // namespace orebell
