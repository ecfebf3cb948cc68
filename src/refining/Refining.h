#pragma once

#include "data/Shared.h"
#include "refining/EntryReader.h"
#include "toolkit/Form.h"
#include "toolkit/Platform.h"
#include "toolkit/RuntimeError.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orebell {

class Grid;

// The refining subsystem of the main window: the ore calculator panel (refined minerals and isk
// per minute for a base ore, driven by the ore labels), the virtual refining of the ore mined so
// far with its isk value and goal bars, and the mineral boxes of the goals panel.
class Refining {
public:
    static constexpr int BaseOreCount = 16;

    Refining(Form& main, Shared& shared, Platform& platform);
    Refining(const Refining&) = delete;
    Refining& operator=(const Refining&) = delete;

    // Refined minerals per minute and isk rates for the ore of label k.
    void CalcRefinedYield(int k);
    // Estimated minerals, isk value and goal bars from the ore-mined grid.
    void RefreshValuation();
    // The estimate of the ore mined now, whether or not Virtual Refining is ticked: what the
    // Refine command adds. False when an entry refused it and the boxes are as they were.
    bool EstimateForRefine();
    // The same estimate for any ore amounts (a trip of the mining log), read without messages.
    std::optional<OreValuation> ValueOre(const std::vector<TripOre>& ores);
    // The MineralYields row named oreName (the last one that matches), or 0 when none does.
    std::int16_t FindOreRow(const QString& oreName) const;
    // The skill level for the ore in the MineralYields row given as text.
    double GetProcessingSkill(const QString& rowText);

    bool IsCalculating() const { return isCalculating_; }

    // Handlers
    void lblProcessingSkills_Click(int k);
    void lblProcessingSkills_DblClick(int k);
    void lblProcessingSkills_MouseMove(int k, int button, int shift, double x, double y);
    void chkVirtualRefining_Click(int index);
    void chkVirtualRefining_MouseMove(int index, int button, int shift, double x, double y);
    void lblIskFromRefinedOre_DblClick(int index);
    void tmrRefine_Timer();
    void txtMineralsMinedFromOre_Validate(int index, bool& cancel);
    void txtMineralsMinedFromOre_GotFocus(int index);
    void txtMineralsYieldGoal_Change(int index);
    void txtMineralsYieldGoal_GotFocus(int index);
    void txtOreCalc_Change(int index);

    // The ore calculator: what the units typed into txtOreCalc(0) refine to, for the base ore of
    // label k and its two variants, at the player's refinery, skill and prices. Shown in the
    // caption beside the box and, in full, in the tool tips of that caption and of the box.
    void ShowOreCalculation(int k);

private:
    struct RefineryEntries {
        double net = 0;
        double commission = 0;
        double tax = 0;
    };

    struct OreToRefine {
        const MineralYieldRow* row;
        double skill;
        double units;
    };
    static OreValuation valueOre(std::span<const OreToRefine> ores, const RefineryEntries& refinery,
                                 const std::array<std::optional<double>, 8>& prices);

    void calcRefinedYield(int k, ErrorTrap& trap);
    std::optional<RefineryEntries> readRefinery();
    bool refreshValuation();
    bool readPrices(std::array<std::optional<double>, 8>& prices);
    int findOreRowOrNone(const QString& oreName) const;
    int skillLabelFor(const QString& oreName) const;
    void unlockAll();
    void resetOreCalculator();

    Form& form_;
    Shared& shared_;
    Platform& platform_;
    EntryReader entries_;
    bool isCalculating_ = false;

    // The controls this subsystem reads and writes, looked up once.
    std::array<Control*, BaseOreCount> skillLabels_{};
    std::array<Control*, BaseOreCount> skillBoxes_{};
    std::array<Control*, 24> stationYield_{};
    std::array<Control*, 8> marketValue_{};
    std::array<Control*, 16> minedFromOre_{};
    std::array<Control*, 8> refinedOre_{};
    std::array<Control*, 8> yieldGoal_{};
    std::array<Control*, 16> goalBar_{};
    std::array<Control*, 8> goalBarBackground_{};
    Control* netYield_;
    Control* commission_;
    Control* tax_;
    Control* lasers_;
    Control* selectedOreType_;
    Control* refinableUnit_;
    Control* oreMinute_;
    Control* refinableUnits_;
    std::array<Control*, 2> iskPerMinute_{};
    std::array<Control*, 7> miningRate_{};
    std::array<Control*, 7> cycleDuration_{};
    Control* iskPerHour_;
    Control* iskFromRefinedOre_;
    Control* virtualRefining_;
    Control* oreCalc_;
    Control* oreCalcCaption_;
    Grid& oreMined_;

    // The ore calculator's resting texts, put back when its box is emptied.
    QString oreCalcPrompt_;
    QString oreCalcTip_;
    QString oreCalcCaptionTip_;
    int oreCalcLabel_ = -1; // the label last shown by the ore calculator

    // What each grid row held at the last valuation and how it was read, so that the rows the
    // lasers did not touch since are neither looked up nor parsed again.
    struct GridRow {
        QString name;
        int oreRow = -1;
        int skillLabel = -1;
        QString count;
        std::optional<double> units = 0.0;
        bool refine = false; // known ore and a readable count: part of this valuation
    };
    std::vector<GridRow> gridRows_;
};

} // namespace orebell
