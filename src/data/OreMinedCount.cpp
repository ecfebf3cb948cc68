#include "data/OreMinedCount.h"

#include "toolkit/Conventions.h"

#include <cmath>

namespace orebell {

std::optional<double> usableOreCount(const QString& text)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    const auto value = numericValue(text);
    if (!value || !std::isfinite(*value) || std::abs(*value) > MaxOreCount)
        return std::nullopt;
    return value;
}

} // namespace orebell
