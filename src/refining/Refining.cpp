#include "refining/Refining.h"

#include "data/OreMinedCount.h"
#include "data/Palette.h"
#include "data/Shared.h"
#include "refining/OreCalculator.h"
#include "refining/RefiningMath.h"
#include "toolkit/Conventions.h"
#include "toolkit/RuntimeError.h"
#include "toolkit/Trap.h"

#include <charconv>

namespace orebell {

namespace {

using namespace palette;

const QString Compare = QStringLiteral("Compare");
const QString Mousing = QStringLiteral("Mousing");
const QString RatePattern = QStringLiteral("#,###.###");
const QString IskPattern = QStringLiteral("#,###");

// The number a caption formatted with "#,###.###" shows; a value that rounds to nothing shows
// only the decimal mark.
double readDisplayed(const QString& caption)
{
    for (const QChar c : caption)
        if (c.isDigit())
            return textToNumber(caption);
    return 0;
}

// The value the locale's number-to-text conversion keeps (15 significant digits), as a box that
// is written and read back holds it. Decimal digits do not depend on the locale, so the
// standard conversions give the same digits without building texts.
double keptAsText(double value)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    double kept = value;
    std::from_chars(buffer, written.ptr, kept);
    return kept;
}

// A text box that must hold a number or nothing: empty counts as 0, anything else as missing.
std::optional<double> numberOrZero(const QString& text)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    try {
        return textToNumber(text);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

} // namespace

Refining::Refining(Form& main, Shared& shared, Platform& platform)
    : form_(main), shared_(shared), platform_(platform), entries_(platform.messageBox()),
      netYield_(&main.control(QStringLiteral("txtStationNetYield"), 0)),
      commission_(&main.control(QStringLiteral("txtStationCommsission"), 0)),
      tax_(&main.control(QStringLiteral("txtStationTax"), 0)),
      lasers_(&main.control(QStringLiteral("txtLasers"), 0)),
      selectedOreType_(&main.control(QStringLiteral("lblSelectedOreType"), 0)),
      refinableUnit_(&main.control(QStringLiteral("txtRefinableUnit"), 0)),
      oreMinute_(&main.control(QStringLiteral("lblOreMinute"), 0)),
      refinableUnits_(&main.control(QStringLiteral("lblRefinableUnits"), 0)),
      iskPerHour_(&main.control(QStringLiteral("lbliskPerHour"), 0)),
      iskFromRefinedOre_(&main.control(QStringLiteral("lblIskFromRefinedOre"), 0)),
      virtualRefining_(&main.control(QStringLiteral("chkVirtualRefining"), 0)),
      oreCalc_(&main.control(QStringLiteral("txtOreCalc"), 0)),
      oreCalcCaption_(&main.control(QStringLiteral("lblRefinedYield"), 13)),
      oreMined_(main.grid(QStringLiteral("mshflexOreMined")))
{
    const auto fill = [&main](auto& array, const QString& name, int first = 0) {
        for (int i = 0; i < static_cast<int>(array.size()); ++i)
            array[i] = &main.control(name, first + i);
    };
    fill(skillLabels_, QStringLiteral("lblProcessingSkills"));
    fill(skillBoxes_, QStringLiteral("txtProcessingSkill"));
    fill(stationYield_, QStringLiteral("txtStationYield"));
    fill(marketValue_, QStringLiteral("txtMarketValue"));
    fill(minedFromOre_, QStringLiteral("txtMineralsMinedFromOre"));
    fill(refinedOre_, QStringLiteral("txtRefinedOre"));
    fill(yieldGoal_, QStringLiteral("txtMineralsYieldGoal"));
    fill(goalBar_, QStringLiteral("lblYieldProgressPercBar"));
    fill(goalBarBackground_, QStringLiteral("lblYieldProgress_bkgrnd"));
    fill(iskPerMinute_, QStringLiteral("lbliskPerMinute"));
    fill(miningRate_, QStringLiteral("txtMiningRate"));
    fill(cycleDuration_, QStringLiteral("txtCycleDurationInSeconds"));

    oreCalcPrompt_ = oreCalcCaption_->caption();
    oreCalcCaptionTip_ = oreCalcCaption_->toolTipText();
    oreCalcTip_ = oreCalc_->toolTipText();

    const QString labels = QStringLiteral("lblProcessingSkills");
    main.onClick(labels, [this](int k) { lblProcessingSkills_Click(k); });
    main.onDblClick(labels, [this](int k) { lblProcessingSkills_DblClick(k); });
    main.onMouseMove(labels, [this](int k, int b, int s, double x, double y) {
        lblProcessingSkills_MouseMove(k, b, s, x, y);
    });
    main.onClick(QStringLiteral("chkVirtualRefining"), [this](int i) { chkVirtualRefining_Click(i); });
    main.onMouseMove(QStringLiteral("chkVirtualRefining"), [this](int i, int b, int s, double x, double y) {
        chkVirtualRefining_MouseMove(i, b, s, x, y);
    });
    main.onDblClick(QStringLiteral("lblIskFromRefinedOre"),
                    [this](int i) { lblIskFromRefinedOre_DblClick(i); });
    main.control(QStringLiteral("tmrRefine")).onTimer([this] { tmrRefine_Timer(); });
    main.onValidate(QStringLiteral("txtMineralsMinedFromOre"),
                    [this](int i, bool& cancel) { txtMineralsMinedFromOre_Validate(i, cancel); });
    main.onGotFocus(QStringLiteral("txtMineralsMinedFromOre"),
                    [this](int i) { txtMineralsMinedFromOre_GotFocus(i); });
    main.onChange(QStringLiteral("txtMineralsYieldGoal"), [this](int i) { txtMineralsYieldGoal_Change(i); });
    main.onGotFocus(QStringLiteral("txtMineralsYieldGoal"),
                    [this](int i) { txtMineralsYieldGoal_GotFocus(i); });
    main.onChange(QStringLiteral("txtOreCalc"), [this](int i) { txtOreCalc_Change(i); });

    shared.routines.RefreshValuation = [this] { RefreshValuation(); };
    shared.routines.EstimateForRefine = [this] { return EstimateForRefine(); };
    shared.routines.ValueOre = [this](const std::vector<TripOre>& ores) { return ValueOre(ores); };
    shared.routines.CalcRefinedYield = [this](int k) { CalcRefinedYield(k); };
    shared.routines.FindOreRow = [this](const QString& oreName) {
        return static_cast<int>(FindOreRow(oreName));
    };
}

// ---- Lookups ----------------------------------------------------------------------------------

int Refining::findOreRowOrNone(const QString& oreName) const
{
    if (oreName.isEmpty())
        return -1; // the spare last row is empty and names no ore
    int found = -1;
    for (int r = 0; r < MineralYields::Rows; ++r)
        if (shared_.mineralYields.row(r).oreName == oreName)
            found = r;
    return found;
}

std::int16_t Refining::FindOreRow(const QString& oreName) const
{
    const int row = findOreRowOrNone(oreName);
    return static_cast<std::int16_t>(row < 0 ? 0 : row);
}

int Refining::skillLabelFor(const QString& oreName) const
{
    const qsizetype blank = oreName.indexOf(QLatin1Char(' '));
    const QStringView base = blank < 0 ? QStringView(oreName) : QStringView(oreName).mid(blank + 1);
    int found = -1;
    for (int k = 0; k < BaseOreCount; ++k)
        if (skillLabels_[k]->caption() == base)
            found = k;
    return found;
}

double Refining::GetProcessingSkill(const QString& rowText)
{
    ErrorTrap trap;
    double skill = 0;
    const bool ok = runTrapped(platform_.messageBox(), trap, [&] {
        trap.at(10);
        const std::int32_t row = textToInt32(rowText);
        trap.at(20);
        const QString name = shared_.mineralYields.row(row).oreName;
        trap.at(30);
        const int k = skillLabelFor(name);
        trap.at(40);
        if (k >= 0)
            skill = textToNumber(skillBoxes_[k]->text());
    });
    if (!ok)
        platform_.endProgram();
    return skill;
}

// ---- Entries ----------------------------------------------------------------------------------

std::optional<Refining::RefineryEntries> Refining::readRefinery()
{
    // Every entry is read, so that each bad one is named at once.
    const auto net = entries_.read(*netYield_, EntryKind::NetYield);
    const auto commission = entries_.read(*commission_, EntryKind::Commission);
    const auto tax = entries_.read(*tax_, EntryKind::Tax);
    if (!net || !commission || !tax)
        return std::nullopt;
    return RefineryEntries{*net, *commission, *tax};
}

bool Refining::readPrices(std::array<std::optional<double>, MineralCount>& prices)
{
    // An empty price box leaves its mineral out of the value.
    bool ok = true;
    for (int m = 0; m < MineralCount; ++m) {
        prices[m].reset();
        if (marketValue_[m]->text().trimmed().isEmpty())
            continue;
        prices[m] = entries_.read(*marketValue_[m], EntryKind::MarketValue, QLatin1String(MineralNames[m]));
        ok = ok && prices[m].has_value();
    }
    return ok;
}

// ---- Refining yield calculation ---------------------------------------------------------------

void Refining::CalcRefinedYield(int k)
{
    isCalculating_ = true;
    ErrorTrap trap;
    runTrapped(platform_.messageBox(), trap, [&] { calcRefinedYield(k, trap); });
    isCalculating_ = false;
}

void Refining::calcRefinedYield(int k, ErrorTrap& trap)
{
    trap.at(10);
    Control& label = *skillLabels_.at(k);
    if (!label.tag().isEmpty() && label.tag() != Compare)
        return; // still over the label already shown

    trap.at(20);
    int locked = -1;
    for (int i = 0; i < BaseOreCount; ++i) {
        if (skillLabels_[i]->tag() != Compare)
            skillLabels_[i]->setTag(QString());
        else
            locked = i;
    }
    if (locked >= 0 && locked != k)
        return; // a locked label keeps its figures on screen
    if (label.tag() != Compare)
        label.setTag(Mousing);

    trap.at(30);
    const auto refinery = readRefinery();
    const auto skill = entries_.read(*skillBoxes_[k], EntryKind::ProcessingSkill, label.caption());
    std::array<std::optional<double>, MineralCount> prices;
    const bool pricesOk = readPrices(prices);
    const auto lasers = entries_.read(*lasers_, EntryKind::TimerCount);
    if (lasers && !(*lasers > -0.5 && *lasers < 7.5)) {
        entries_.refuse(*lasers_, EntryKind::TimerCount);
        return;
    }
    if (!refinery || !skill || !pricesOk || !lasers)
        return;
    const int n = toInt16(*lasers);

    const MineralYields& table = shared_.mineralYields;
    for (int r = 0; r < MineralYields::Rows - 1; ++r) {
        if (table.row(r).oreName != label.caption())
            continue;
        trap.at(40);
        selectedOreType_->setCaption(QStringLiteral("Refined minerals/min."));
        refinableUnit_->setText(numberToText(table.row(r).batch));
        refinableUnit_->setTag(numberToText(table.row(r).volume));

        trap.at(50);
        double rate = 0; // m3 per second of every shown laser together
        for (int i = 0; i < n; ++i) {
            // Empty, 0 or not a number: this laser's rate is not set.
            const double perCycle = numberOrZero(miningRate_[i]->text()).value_or(0);
            const double cycle = numberOrZero(cycleDuration_[i]->text()).value_or(0);
            if (perCycle == 0 || cycle == 0) {
                oreMinute_->setCaption(QStringLiteral("Rate Not Set"));
                return;
            }
            rate = rate + perCycle / cycle;
        }

        trap.at(60);
        const double unitsPerMinute = divide(rate * 60, textToNumber(refinableUnit_->tag()));
        oreMinute_->setCaption(formatNumber(unitsPerMinute, RatePattern));
        const double batchesPerMinute = divide(unitsPerMinute, textToNumber(refinableUnit_->text()));
        refinableUnits_->setCaption(formatNumber(batchesPerMinute, RatePattern));
        // The refined amounts use the batches as shown, rounded to three decimals.
        const double batches = readDisplayed(refinableUnits_->caption());
        const double yield = EffectiveYield(refinery->net, *skill);

        trap.at(70);
        const QString tipHead =
            QStringLiteral(" Base Yield per ") + refinableUnit_->text() + QStringLiteral(" ore units = ");
        for (int c = 0; c < 3; ++c) {
            const MineralYieldRow& ore = table.row(r + c);
            for (int m = 0; m < MineralCount; ++m) {
                Control& box = *stationYield_[8 * c + m];
                // The box shows the base yield first; a whole number reads back as itself.
                const QString baseText = numberToText(ore.minerals[m]);
                box.setText(baseText);
                double refined = batches * ore.minerals[m] * yield / 100;
                refined = afterCommissionAndTax(refined, refinery->commission, refinery->tax);
                box.setToolTipText(tipHead + baseText + QLatin1Char(' '));
                box.setText(numberToText(roundHalfEven(refined)));
            }
        }
    }

    trap.at(80);
    double isk = 0; // per minute, for the richest variant's column
    for (int m = 0; m < MineralCount; ++m)
        if (prices[m])
            isk = isk + *prices[m] * textToNumber(stationYield_[16 + m]->text());
    iskPerMinute_[0]->setCaption(formatNumber(isk, IskPattern));
    iskPerMinute_[1]->setCaption(formatNumber(isk / 60, IskPattern));
    iskPerHour_->setCaption(formatNumber(isk * 60, IskPattern));
}

// ---- Virtual refining and valuation -----------------------------------------------------------

// Each ore adds its whole batches to the estimate, which keeps what the number-to-text conversion
// of a mineral box keeps after every addition, so that a trip of the mining log is valued exactly
// as the boxes show it.
OreValuation Refining::valueOre(std::span<const OreToRefine> ores, const RefineryEntries& refinery,
                                const std::array<std::optional<double>, MineralCount>& prices)
{
    OreValuation valuation;
    auto& estimate = valuation.minerals;
    for (const OreToRefine& ore : ores) {
        const auto refined = refineWholeBatches(*ore.row, ore.units, EffectiveYield(refinery.net, ore.skill),
                                                refinery.commission, refinery.tax);
        for (int k = 0; k < MineralCount; ++k)
            if (refined[k] != 0)
                estimate[k] = keptAsText(estimate[k] + refined[k]);
    }
    for (int k = 0; k < MineralCount; ++k)
        if (prices[k])
            valuation.isk = valuation.isk + estimate[k] * *prices[k];
    return valuation;
}

std::optional<OreValuation> Refining::ValueOre(const std::vector<TripOre>& ores)
{
    // Read without messages: the window's own refresh already names a bad entry, and the
    // mining log only listens.
    const auto read = [](const Control* box) { return numberOrZero(box->text()); };
    const auto net = read(netYield_);
    const auto commission = read(commission_);
    const auto tax = read(tax_);
    if (!net || !commission || !tax)
        return std::nullopt;
    std::array<std::optional<double>, MineralCount> prices;
    for (int m = 0; m < MineralCount; ++m) {
        if (marketValue_[m]->text().trimmed().isEmpty())
            continue;
        prices[m] = read(marketValue_[m]);
        if (!prices[m])
            return std::nullopt;
    }
    std::vector<OreToRefine> rows;
    rows.reserve(ores.size());
    for (const TripOre& ore : ores) {
        const int oreRow = findOreRowOrNone(ore.oreName);
        if (oreRow < 0)
            continue;
        const int label = skillLabelFor(ore.oreName);
        const auto skill = label >= 0 ? read(skillBoxes_[label]) : std::optional<double>(0.0);
        if (!skill)
            return std::nullopt;
        rows.push_back({&shared_.mineralYields.row(oreRow), *skill, ore.units});
    }
    return valueOre(rows, RefineryEntries{*net, *commission, *tax}, prices);
}

void Refining::RefreshValuation()
{
    // Restoring the settings fires the goal boxes before the mineral table and the defaults are
    // in place; the first activation refreshes once everything is.
    if (shared_.IsLoading)
        return;
    if (virtualRefining_->value() != 1)
        return;
    refreshValuation();
}

bool Refining::EstimateForRefine() { return !shared_.IsLoading && refreshValuation(); }

bool Refining::refreshValuation()
{
    // Read every entry first: a bad one leaves every figure as it was.
    const auto refinery = readRefinery();
    const int rows = oreMined_.rows();
    if (static_cast<int>(gridRows_.size()) < rows)
        gridRows_.resize(rows);
    std::array<std::optional<double>, BaseOreCount> skills;
    std::array<bool, BaseOreCount> skillRead{};
    bool ok = refinery.has_value();
    for (int g = 1; g <= rows - 2; ++g) {
        GridRow& row = gridRows_[g];
        row.refine = false;
        const QString name = oreMined_.textMatrix(g, 0);
        if (row.oreRow < 0 || name != row.name || shared_.mineralYields.row(row.oreRow).oreName != name) {
            row.name = name;
            row.oreRow = findOreRowOrNone(name);
            row.skillLabel = skillLabelFor(name);
        }
        if (row.oreRow < 0)
            continue; // only a damaged store names an ore the table does not know
        const QString count = oreMined_.textMatrix(g, 1);
        if (count != row.count) {
            row.count = count;
            row.units = usableOreCount(count);
        }
        if (!row.units)
            continue; // nor holds a count that is not a number, or none the sums can take
        row.refine = true;
        if (row.skillLabel >= 0 && !skillRead[row.skillLabel]) {
            skillRead[row.skillLabel] = true;
            skills[row.skillLabel] = entries_.read(*skillBoxes_[row.skillLabel], EntryKind::ProcessingSkill,
                                                   skillLabels_[row.skillLabel]->caption());
            ok = ok && skills[row.skillLabel].has_value();
        }
    }
    std::array<std::optional<double>, MineralCount> prices;
    if (rows > 2)
        ok = readPrices(prices) && ok;
    if (!ok)
        return false;

    const QString zero = QStringLiteral("0");
    for (Control* box : minedFromOre_)
        box->setText(zero);
    if (rows <= 2)
        return true;

    std::vector<OreToRefine> ores;
    ores.reserve(static_cast<std::size_t>(rows));
    for (int g = 1; g <= rows - 2; ++g) {
        const GridRow& row = gridRows_[g];
        if (row.refine)
            ores.push_back({&shared_.mineralYields.row(row.oreRow),
                            row.skillLabel >= 0 ? *skills[row.skillLabel] : 0, *row.units});
    }
    const OreValuation valuation = valueOre(ores, *refinery, prices);
    const auto& estimate = valuation.minerals;
    const double isk = valuation.isk;
    for (int k = 0; k < MineralCount; ++k) {
        const QString text = numberToText(estimate[k]);
        minedFromOre_[k]->setText(text);
        minedFromOre_[k + 8]->setText(text);
    }
    iskFromRefinedOre_->setCaption(formatNumber(isk, QStringLiteral("###,###,##0")) + QStringLiteral(" isk"));

    for (int k = 0; k < MineralCount; ++k) {
        const QString& goalText = yieldGoal_[k]->text();
        if (goalText.isEmpty() || goalText == zero)
            continue;
        const auto goal = entries_.read(*yieldGoal_[k], EntryKind::YieldGoal, QLatin1String(MineralNames[k]));
        if (!goal || *goal == 0)
            continue; // "0.0" is no goal either
        const QString& refinedText = refinedOre_[k]->text();
        std::optional<double> refined = 0.0;
        if (!refinedText.trimmed().isEmpty())
            refined = entries_.read(*refinedOre_[k], EntryKind::RefinedOre, QLatin1String(MineralNames[k]));
        if (!refined)
            continue;
        const double progress = (*refined + estimate[k]) / *goal;
        // Full at the goal; a negative amount or goal draws no bar rather than a negative width.
        const double shown = progress > 1 ? 1 : (progress < 0 ? 0 : progress);
        const int width = static_cast<int>(roundHalfEven(shown * goalBarBackground_[k]->width()));
        Control& bar = *goalBar_[k];
        const QString widthText = QString::number(width);
        bool sameWidth = bar.tag() == widthText;
        if (!sameWidth && !bar.tag().trimmed().isEmpty())
            sameWidth = numberOrZero(bar.tag()) == width;
        if (!sameWidth && !minedFromOre_[k]->text().isEmpty() && estimate[k] + *refined != 0) {
            for (Control* b : {goalBar_[k], goalBar_[k + 8]}) {
                b->setWidth(width);
                b->setVisible(true);
            }
        }
        bar.setTag(widthText);
    }
    return true;
}

// ---- Processing-skill labels ------------------------------------------------------------------

void Refining::unlockAll()
{
    for (Control* label : skillLabels_) {
        label->setTag(QString());
        label->setToolTipText(QStringLiteral(" Click to Lock "));
        label->setBorderStyle(0);
        label->setForeColor(LightGrey);
    }
}

void Refining::lblProcessingSkills_Click(int k)
{
    if (!shared_.IsLoading)
        Shared::call(shared_.routines.PlayClickSound);
    unlockAll();
    Control& label = *skillLabels_.at(k);
    label.setTag(Compare);
    label.setToolTipText(QStringLiteral(" Double click to Unlock "));
    label.setBorderStyle(1);
    label.setForeColor(Green);
    CalcRefinedYield(k);
}

void Refining::lblProcessingSkills_DblClick(int) { unlockAll(); }

void Refining::lblProcessingSkills_MouseMove(int k, int, int, double, double)
{
    if (!isCalculating_)
        CalcRefinedYield(k);
    Shared::call(shared_.routines.SetButtonBackColor, QStringLiteral("lblProcessingSkills"), PanelColor,
                 BaseOreCount - 1);
    skillLabels_.at(k)->setBackColor(ButtonHover);
    ShowOreCalculation(k);
}

// ---- Ore calculator ---------------------------------------------------------------------------

void Refining::resetOreCalculator()
{
    oreCalcCaption_->setCaption(oreCalcPrompt_);
    oreCalcCaption_->setToolTipText(oreCalcCaptionTip_);
    oreCalc_->setToolTipText(oreCalcTip_);
}

void Refining::ShowOreCalculation(int k)
{
    oreCalcLabel_ = k;
    const QString& unitsText = oreCalc_->text();
    if (unitsText.trimmed().isEmpty()) {
        resetOreCalculator();
        return;
    }
    if (!isNumeric(unitsText) || textToNumber(unitsText) < 0) {
        oreCalcCaption_->setCaption(QStringLiteral("Enter a number of ore units..."));
        oreCalcCaption_->setToolTipText(oreCalcCaptionTip_);
        oreCalc_->setToolTipText(oreCalcTip_);
        return;
    }
    const Control& label = *skillLabels_.at(k);
    const int row = findOreRowOrNone(label.caption());
    if (row < 0) {
        resetOreCalculator();
        return;
    }
    const auto refinery = readRefinery();
    const auto skill = entries_.read(*skillBoxes_[k], EntryKind::ProcessingSkill, label.caption());
    std::array<std::optional<double>, MineralCount> prices;
    const bool pricesOk = readPrices(prices);
    if (!refinery || !skill || !pricesOk)
        return;

    // The base ore's row is followed by its two variants, as the per-minute columns show them.
    std::vector<const MineralYieldRow*> ores;
    for (int r = row; r < row + 3 && r < MineralYields::Rows; ++r)
        if (!shared_.mineralYields.row(r).oreName.isEmpty())
            ores.push_back(&shared_.mineralYields.row(r));
    const OreCalculation calc =
        calculateOre(ores, textToNumber(unitsText), EffectiveYield(refinery->net, *skill),
                     refinery->commission, refinery->tax, prices);
    const QString details = oreCalculationDetails(calc);
    oreCalcCaption_->setCaption(oreCalculationSummary(calc));
    oreCalcCaption_->setToolTipText(details);
    oreCalc_->setToolTipText(details);
}

void Refining::txtOreCalc_Change(int)
{
    if (shared_.IsLoading)
        return;
    if (oreCalcLabel_ >= 0)
        ShowOreCalculation(oreCalcLabel_);
    else if (oreCalc_->text().trimmed().isEmpty())
        resetOreCalculator();
}

// ---- Virtual refining switch, isk label and mineral boxes --------------------------------------

void Refining::chkVirtualRefining_Click(int)
{
    if (!shared_.IsLoading)
        Shared::call(shared_.routines.PlayClickSound);
}

void Refining::chkVirtualRefining_MouseMove(int index, int, int, double, double)
{
    Shared::call(shared_.routines.SetButtonBackColor, QStringLiteral("chkVirtualRefining"), PanelColor, 0);
    form_.control(QStringLiteral("chkVirtualRefining"), index).setBackColor(ButtonHover);
}

void Refining::lblIskFromRefinedOre_DblClick(int)
{
    Shared::call(shared_.routines.lblControlButton_Click, 15);
}

void Refining::tmrRefine_Timer() { RefreshValuation(); }

void Refining::txtMineralsMinedFromOre_Validate(int index, bool&)
{
    Control& box = *minedFromOre_.at(index);
    if (!isNumeric(box.text()))
        box.setText(QStringLiteral("0"));
}

void Refining::txtMineralsMinedFromOre_GotFocus(int index)
{
    Control& box = *minedFromOre_.at(index);
    box.setSelStart(0);
    box.setSelLength(static_cast<int>(box.text().size()));
}

void Refining::txtMineralsYieldGoal_Change(int index)
{
    Control& box = *yieldGoal_.at(index);
    box.setToolTipText(box.text());
    // Typing a goal must never end the session; an unexpected failure is reported and forgotten.
    ErrorTrap trap{QStringLiteral("txtMineralsYieldGoal_Change"), 10};
    runTrapped(platform_.messageBox(), trap, [this] { RefreshValuation(); });
}

void Refining::txtMineralsYieldGoal_GotFocus(int index)
{
    Control& box = *yieldGoal_.at(index);
    box.setSelStart(0);
    box.setSelLength(static_cast<int>(box.text().size()));
}

} // namespace orebell
