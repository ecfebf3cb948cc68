#include "refining/OreCalculator.h"

#include "refining/RefiningMath.h"
#include "toolkit/Conventions.h"

#include <QLocale>

namespace orebell {

namespace {

const QString WholePattern = QStringLiteral("###,###,##0");

// Units grouped, with decimals only when there are any.
QString unitsText(double units)
{
    QString text = formatNumber(units, QStringLiteral("###,###,##0.###"));
    if (text.endsWith(QLocale().decimalPoint()))
        text.chop(QLocale().decimalPoint().size());
    return text;
}

} // namespace

OreCalculation calculateOre(const std::vector<const MineralYieldRow*>& ores, double units,
                            double effectiveYield, double commission, double tax,
                            const std::array<std::optional<double>, MineralCount>& prices)
{
    OreCalculation calc;
    calc.units = units;
    if (ores.empty())
        return calc;
    calc.batch = ores.front()->batch;
    calc.batches = vbInt(units / calc.batch);
    calc.leftover = units - calc.batches * calc.batch;
    for (const MineralYieldRow* row : ores) {
        OreCalculation::Ore ore;
        ore.name = row->oreName;
        ore.minerals = refineWholeBatches(*row, units, effectiveYield, commission, tax);
        for (int m = 0; m < MineralCount; ++m)
            if (prices[m])
                ore.isk += ore.minerals[m] * *prices[m];
        calc.ores.push_back(std::move(ore));
    }
    return calc;
}

QString oreCalculationSummary(const OreCalculation& calc)
{
    if (calc.ores.empty())
        return {};
    return QStringLiteral("%1 %2: %3 isk")
        .arg(unitsText(calc.units), calc.ores.front().name,
             formatNumber(calc.ores.front().isk, WholePattern));
}

QString oreCalculationDetails(const OreCalculation& calc)
{
    if (calc.ores.empty())
        return {};
    const QString& base = calc.ores.front().name;
    if (calc.batches < 1) {
        return QStringLiteral(" %1 units of %2 do not fill one batch of %3 units; they refine to nothing ")
            .arg(unitsText(calc.units), base, QString::number(calc.batch));
    }
    QString text = QStringLiteral(" %1 units of %2 make %3 %4 of %5 units")
                       .arg(unitsText(calc.units), base, formatNumber(calc.batches, WholePattern),
                            calc.batches == 1 ? QStringLiteral("batch") : QStringLiteral("batches"),
                            QString::number(calc.batch));
    if (calc.leftover > 0)
        text += QStringLiteral(", %1 left over").arg(unitsText(calc.leftover));
    text += QStringLiteral(" ");
    for (const OreCalculation::Ore& ore : calc.ores) {
        QStringList minerals;
        for (int m = 0; m < MineralCount; ++m)
            if (ore.minerals[m] != 0)
                minerals << formatNumber(ore.minerals[m], WholePattern) + QLatin1Char(' ') +
                                QLatin1String(MineralNames[m]);
        text += QStringLiteral("\n %1: %2 = %3 isk ")
                    .arg(ore.name, minerals.join(QStringLiteral(", ")), formatNumber(ore.isk, WholePattern));
    }
    return text;
}

} // namespace orebell
