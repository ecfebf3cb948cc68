#include "data/OreCatalogue.h"

namespace orebell {

const std::array<BaseOre, BaseOreCount>& baseOres()
{
    static constexpr std::array<BaseOre, BaseOreCount> ores{{
        {"Veldspar", {"Concentrated Veldspar", "Dense Veldspar"}, 0.1, 333},
        {"Scordite", {"Condensed Scordite", "Massive Scordite"}, 0.15, 333},
        {"Pyroxeres", {"Solid Pyroxeres", "Viscous Pyroxeres"}, 0.3, 333},
        {"Plagioclase", {"Azure Plagioclase", "Rich Plagioclase"}, 0.35, 333},
        {"Omber", {"Golden Omber", "Silvery Omber"}, 0.6, 500},
        {"Kernite", {"Fiery Kernite", "Luminous Kernite"}, 1.2, 400},
        {"Jaspet", {"Pristine Jaspet", "Pure Jaspet"}, 2, 500},
        {"Hemorphite", {"Radiant Hemorphite", "Vived Hemorphite"}, 3, 500},
        {"Hedbergite", {"Glazed Hedbergite", "Vitric Hedbergite"}, 3, 500},
        {"Gneiss", {"Iridescent Gneiss", "Prismatic Gneiss"}, 5, 400},
        {"Ochre", {"Obsidian Ochre", "Onyx Ochre"}, 8, 400},
        {"Spodumain", {"Bright Spodumain", "Gleaming Spodumain"}, 16, 250},
        {"Crokite", {"Crystaline Crokite", "Sharp Crokite"}, 16, 250},
        {"Bistot", {"Monoclinic Bistot", "Triclinic Bistot"}, 16, 200},
        {"Arkonor", {"Crimson Arkonor", "Prime Arkonor"}, 16, 250},
        {"Mercoxit", {"Magma Mercoxit", "Vitreous Mercoxit"}, 40, 250},
    }};
    return ores;
}

const QStringList& oreListNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const BaseOre& ore : baseOres()) {
            const QString base = QString::fromLatin1(ore.name);
            const bool baseLast = base == QLatin1String("Spodumain");
            if (!baseLast)
                list << base;
            for (const char* variant : ore.variants)
                list << QString::fromLatin1(variant);
            if (baseLast)
                list << base;
        }
        return list;
    }();
    return names;
}

QString baseOreOf(const QString& name)
{
    const qsizetype blank = name.indexOf(QLatin1Char(' '));
    return blank < 0 ? name : name.mid(blank + 1);
}

int baseOreIndex(const QString& name)
{
    const QString base = baseOreOf(name);
    const auto& ores = baseOres();
    for (int i = 0; i < BaseOreCount; ++i)
        if (base == QLatin1String(ores[i].name))
            return i;
    return -1;
}

std::optional<double> oreVolume(const QString& name)
{
    const int i = baseOreIndex(name);
    if (i < 0)
        return std::nullopt;
    return baseOres()[i].volume;
}

std::optional<int> oreBatch(const QString& name)
{
    const int i = baseOreIndex(name);
    if (i < 0)
        return std::nullopt;
    return baseOres()[i].batch;
}

} // namespace orebell
