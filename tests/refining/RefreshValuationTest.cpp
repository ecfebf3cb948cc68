#include "refining/RefiningFixture.h"

#include "toolkit/Conventions.h"

using namespace orebell;
using namespace orebell::test;

namespace {

struct RefreshValuation : RefiningFixture {
    Control& bar(int k) { return c("lblYieldProgressPercBar", k); }
    QString isk() { return c("lblIskFromRefinedOre", 0).caption(); }
};

TEST_F(RefreshValuation, FifteenHundredVeldsparGiveTheWorkedEstimateAndValue)
{
    setGrid({{"Veldspar", "1,500.0000000000"}});
    refresh();
    // 4 whole batches x 1000 x 0.962 = 3848, less 5 % = 3655.6; at 2.1 isk 7676.76
    EXPECT_EQ(mined(Tritanium), QStringLiteral("3655.6"));
    EXPECT_EQ(mined(8 + Tritanium), QStringLiteral("3655.6"));
    for (int k : {Isogen, Megacyte, Mexallon, Morphite, Nocxium, Pyerite, Zydrine}) {
        EXPECT_EQ(mined(k), QStringLiteral("0"));
        EXPECT_EQ(mined(k + 8), QStringLiteral("0"));
    }
    EXPECT_EQ(isk(), QStringLiteral("7,677 isk"));
    EXPECT_TRUE(platform.messages().isEmpty());
}

TEST_F(RefreshValuation, ReadsNumbersInTheUsersLocaleAndAgainWhenItChanges)
{
    setGrid({{"Veldspar", "1,500.0000000000"}});
    refresh();
    // "96.2", "5.0", "0.0" and the price "2.1" are not numbers where the decimal mark is a comma.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    setGrid({{"Veldspar", "3.000,0000000000"}});
    refresh();
    EXPECT_EQ(platform.messages().size(), 4);
    EXPECT_EQ(mined(Tritanium), QStringLiteral("3655.6"));

    setOnlyPrice(Tritanium, QStringLiteral("2,1"));
    setRefinery(QStringLiteral("96,2"), QStringLiteral("5,0"), QStringLiteral("0,0"));
    setGrid({{"Veldspar", "1.500,0000000000"}});
    refresh();
    EXPECT_EQ(mined(Tritanium), QStringLiteral("3655,6"));
    EXPECT_EQ(isk(), QStringLiteral("7.677 isk"));
}

TEST_F(RefreshValuation, ARowThatNowHoldsAnotherOreIsLookedUpAgain)
{
    setGrid({{"Veldspar", "1,500.0000000000"}});
    refresh();
    setGrid({{"Scordite", "1,500.0000000000"}});
    refresh();
    // 4 batches of Scordite: 4 x 833 x 0.962 x 0.95 Tritanium, 4 x 416 ... Pyerite
    EXPECT_EQ(mined(Tritanium), QStringLiteral("3045.1148"));
    EXPECT_EQ(mined(Pyerite), QStringLiteral("1520.7296"));
}

TEST_F(RefreshValuation, OnlyCompleteBatchesCountAndVariantsUseTheirBaseSkill)
{
    setGrid({{"Veldspar", "332.9000000000"}});
    refresh();
    EXPECT_EQ(mined(Tritanium), QStringLiteral("0"));
    EXPECT_EQ(isk(), QStringLiteral("0 isk"));

    // One batch each: 1000 and 1100 Tritanium at 96.2 %, less 5 %: 913.9 + 1005.29.
    setGrid({{"Veldspar", "400.0000000000"}, {"Dense Veldspar", "665.0000000000"}});
    refresh();
    EXPECT_EQ(mined(Tritanium), QStringLiteral("1919.19"));

    // Skill 1 on Veldspar covers its variants: 950 + 1045.
    c("txtProcessingSkill", 0).setText(QStringLiteral("1"));
    refresh();
    EXPECT_EQ(mined(Tritanium), QStringLiteral("1995"));
}

TEST_F(RefreshValuation, TheLaserTicksDriveTheEstimate)
{
    // 540 m3 a 60-second cycle of Veldspar is 90 units a second, 5.625 a 1/16-second tick. The
    // valuation runs on the ticks whose countdown rounds to 40: after 20.5 s, 1845 units, 5 batches.
    setGrid({});
    c("cboRoidType", 0).setText(QStringLiteral("Veldspar"));
    c("txtSizeOfRoid", 0).setText(QStringLiteral("100000"));
    c("txtMiningRate", 0).setText(QStringLiteral("540"));
    c("txtCycleDurationInSeconds", 0).setText(QStringLiteral("60"));
    c("btnActivateTimer", 0).click();
    for (int tick = 0; tick < 330; ++tick)
        c("tmrMiningLaser", 0).fire();
    EXPECT_EQ(mined(Tritanium), QStringLiteral("4569.5")); // 5 x 1000 x 0.962, less 5 %
    EXPECT_EQ(isk(), QStringLiteral("9,596 isk"));
    EXPECT_TRUE(platform.messages().isEmpty());
}

TEST_F(RefreshValuation, AnEmptyGridZeroesTheEstimateAndKeepsTheValue)
{
    c("txtMineralsMinedFromOre", Pyerite).setText(QStringLiteral("77"));
    c("lblIskFromRefinedOre", 0).setCaption(QStringLiteral("123 isk"));
    setGrid({});
    refresh();
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(mined(k), QStringLiteral("0"));
    EXPECT_EQ(isk(), QStringLiteral("123 isk"));
}

TEST_F(RefreshValuation, AnOreTheTableDoesNotKnowIsLeftOut)
{
    // Valued as the first table row (Hemorphite) it would show Isogen and Nocxium. An empty count
    // (a total of 0 re-formatted) is nothing mined yet.
    setGrid({{"Unobtainium", "100,000.0000000000"}, {"Scordite", ""}, {"Veldspar", "1,500.0000000000"}});
    refresh();
    EXPECT_EQ(mined(Isogen), QStringLiteral("0"));
    EXPECT_EQ(mined(Nocxium), QStringLiteral("0"));
    EXPECT_EQ(mined(Pyerite), QStringLiteral("0"));
    EXPECT_EQ(mined(Tritanium), QStringLiteral("3655.6"));
    EXPECT_EQ(isk(), QStringLiteral("7,677 isk"));
}

TEST_F(RefreshValuation, EmptyPricesLeaveTheirMineralOutOfTheValue)
{
    setGrid({{"Scordite", "666.0000000000"}});
    setOnlyPrice(Pyerite, QStringLiteral("4.5"));
    refresh();
    // 2 batches: Pyerite 2 x 416 x 0.962 x 0.95 = 760.3648; Tritanium has no price.
    EXPECT_EQ(mined(Pyerite), QStringLiteral("760.3648"));
    EXPECT_EQ(isk(), QStringLiteral("3,422 isk"));
}

TEST_F(RefreshValuation, TheEstimateEqualsTheBoxByBoxTextArithmetic)
{
    // Every ore, odd refinery figures and skills: the boxes must hold exactly what adding each
    // row's refined amount to the box text and writing it back gives.
    setRefinery(QStringLiteral("87.3"), QStringLiteral("3.7"), QStringLiteral("1.9"));
    for (int k = 0; k < 16; ++k)
        c("txtProcessingSkill", k).setText(QString::number(k % 6));
    const QStringList prices = {QStringLiteral("109"),   QStringLiteral("4500"), QStringLiteral("13.5"),
                                QStringLiteral("15000"), QStringLiteral("450"),  QStringLiteral("4.5"),
                                QStringLiteral("2.1"),   QStringLiteral("3900")};
    for (int k = 0; k < 8; ++k)
        c("txtMarketValue", k).setText(prices[k]);
    Grid& grid = form.grid(QStringLiteral("mshflexOreMined"));
    setGrid({});
    grid.setRows(50);
    for (int r = 0; r < 48; ++r) {
        grid.setTextMatrix(r + 1, 0, shared.mineralYields.row(r).oreName);
        grid.setTextMatrix(r + 1, 1, formatNumber((r + 1) * 98765.4321, QStringLiteral("#,###.0000000000")));
    }
    refresh();

    QStringList boxes(8, QStringLiteral("0"));
    for (int r = 0; r < 48; ++r) {
        const MineralYieldRow& ore = shared.mineralYields.row(r);
        const QString base =
            ore.oreName.contains(QLatin1Char(' ')) ? ore.oreName.section(QLatin1Char(' '), 1) : ore.oreName;
        double skill = 0;
        for (int k = 0; k < 16; ++k)
            if (skillLabel(k).caption() == base)
                skill = textToNumber(c("txtProcessingSkill", k).text());
        const double yield = std::min(87.3 + 5 * skill, 100.0);
        const double units = textToNumber(grid.textMatrix(r + 1, 1));
        for (int k = 0; k < 8; ++k) {
            double refined = vbInt(units / ore.batch) * ore.minerals[k] * yield / 100;
            refined = refined - refined * 3.7 / 100;
            refined = refined - refined * 1.9 / 100;
            boxes[k] = numberToText(textToNumber(boxes[k]) + refined);
        }
    }
    double value = 0;
    for (int k = 0; k < 8; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(mined(k), boxes[k]);
        EXPECT_EQ(mined(k + 8), boxes[k]);
        value += textToNumber(boxes[k]) * textToNumber(prices[k]);
    }
    EXPECT_EQ(isk(), formatNumber(value, QStringLiteral("###,###,##0")) + QStringLiteral(" isk"));
}

TEST_F(RefreshValuation, GoalBarsShowProgressCappedAtTheFullWidth)
{
    setGrid({{"Veldspar", "1,500.0000000000"}});
    bar(Tritanium).setVisible(false);
    bar(8 + Tritanium).setVisible(false);
    c("txtRefinedOre", Tritanium).setText(QStringLiteral("400"));
    c("txtMineralsYieldGoal", Tritanium).setText(QStringLiteral("5000")); // runs the valuation
    EXPECT_EQ(c("txtMineralsYieldGoal", Tritanium).toolTipText(), QStringLiteral("5000"));
    // (400 + 3655.6) / 5000 of 1500 twips = 1216.68
    EXPECT_EQ(bar(Tritanium).width(), 1217);
    EXPECT_EQ(bar(8 + Tritanium).width(), 1217);
    EXPECT_TRUE(bar(Tritanium).visible());
    EXPECT_TRUE(bar(8 + Tritanium).visible());
    EXPECT_EQ(bar(Tritanium).tag(), QStringLiteral("1217"));

    // The width already drawn is not drawn again.
    bar(Tritanium).setWidth(5);
    refresh();
    EXPECT_EQ(bar(Tritanium).width(), 5);

    // (1844.4 + 3655.6) / 5000 = 1.1: a full bar, no wider.
    c("txtRefinedOre", Tritanium).setText(QStringLiteral("1844.4"));
    refresh();
    EXPECT_EQ(bar(Tritanium).width(), 1500);
    EXPECT_EQ(bar(8 + Tritanium).width(), 1500);
    EXPECT_EQ(bar(Tritanium).tag(), QStringLiteral("1500"));
}

TEST_F(RefreshValuation, ZeroInAnyWritingIsNoGoal)
{
    setGrid({{"Veldspar", "1,500.0000000000"}});
    for (const char* goal : {"0", "", "0.0", "00", "-0"}) {
        SCOPED_TRACE(goal);
        bar(Tritanium).setVisible(false);
        c("txtMineralsYieldGoal", Tritanium).setText(QString::fromLatin1(goal));
        refresh();
        EXPECT_FALSE(bar(Tritanium).visible());
        EXPECT_EQ(bar(Tritanium).tag(), QStringLiteral("0"));
    }
    EXPECT_TRUE(platform.messages().isEmpty());
    EXPECT_EQ(mined(Tritanium), QStringLiteral("3655.6"));
}

TEST_F(RefreshValuation, AGoalThatIsNotANumberIsReportedOnceAndOnlyItsBarWaits)
{
    setGrid({{"Veldspar", "1,500.0000000000"}});
    c("txtMineralsYieldGoal", Tritanium).setText(QStringLiteral("lots"));
    refresh();
    refresh();
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_EQ(platform.messages().first(),
              QStringLiteral("The goal for Tritanium \"lots\" is not a number. Enter a number of units, or 0 "
                             "for no goal; its progress bar stays as it was until then."));
    EXPECT_EQ(mined(Tritanium), QStringLiteral("3655.6"));
    EXPECT_EQ(isk(), QStringLiteral("7,677 isk"));
}

TEST_F(RefreshValuation, ABadPriceIsReportedOnceAndLeavesEveryFigure)
{
    setGrid({{"Veldspar", "1,500.0000000000"}});
    refresh();
    c("txtMarketValue", Tritanium).setText(QStringLiteral("2.1 isk"));
    setGrid({{"Veldspar", "3,000.0000000000"}});
    for (int i = 0; i < 5; ++i)
        refresh(); // as the laser ticks would
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_EQ(
        platform.messages().first(),
        QStringLiteral("The market value of Tritanium \"2.1 isk\" is not a number. Enter a price in isk, or "
                       "leave it empty; the refining figures stay as they were until then."));
    EXPECT_EQ(mined(Tritanium), QStringLiteral("3655.6"));
    EXPECT_EQ(isk(), QStringLiteral("7,677 isk"));
    EXPECT_FALSE(platform.ended());

    c("txtMarketValue", Tritanium).setText(QStringLiteral("2.1"));
    refresh();
    EXPECT_EQ(mined(Tritanium), QStringLiteral("8225.1")); // 9 batches
}

TEST_F(RefreshValuation, ABadSkillOfAMinedOreIsReportedOnceAcrossBothCalculations)
{
    setLasers(1, QStringLiteral("540"), QStringLiteral("180"));
    setGrid({{"Veldspar", "1,500.0000000000"}});
    c("txtProcessingSkill", 1).setText(QStringLiteral("x")); // Scordite: not mined, not read
    refresh();
    EXPECT_TRUE(platform.messages().isEmpty());

    c("txtProcessingSkill", 0).setText(QStringLiteral("two"));
    refresh();
    hover(0);
    refresh();
    EXPECT_EQ(platform.messages().size(), 1);
}

TEST_F(RefreshValuation, RestoredGoalsWaitForTheFirstActivation)
{
    // While the settings are restored the refinery entries may still be empty: no refusal yet.
    setGrid({{"Veldspar", "1,500.0000000000"}});
    shared.IsLoading = true;
    c("txtStationNetYield", 0).setText(QString());
    c("txtMineralsYieldGoal", Tritanium).setText(QStringLiteral("5000"));
    EXPECT_EQ(c("txtMineralsYieldGoal", Tritanium).toolTipText(), QStringLiteral("5000"));
    EXPECT_TRUE(platform.messages().isEmpty());
    shared.IsLoading = false;
    c("txtStationNetYield", 0).setText(QStringLiteral("96.2"));
    form.activate();
    EXPECT_EQ(mined(Tritanium), QStringLiteral("3655.6"));
    EXPECT_EQ(bar(Tritanium).tag(), QStringLiteral("1097")); // 3655.6 / 5000 of 1500 twips
}

TEST_F(RefreshValuation, UntickedVirtualRefiningChangesNothing)
{
    setGrid({{"Veldspar", "1,500.0000000000"}});
    c("chkVirtualRefining", 0).setValue(0);
    c("txtMineralsMinedFromOre", Tritanium).setText(QStringLiteral("12"));
    c("lblIskFromRefinedOre", 0).setCaption(QStringLiteral("5 isk"));
    refresh();
    EXPECT_EQ(mined(Tritanium), QStringLiteral("12"));
    EXPECT_EQ(isk(), QStringLiteral("5 isk"));
}

TEST_F(RefreshValuation, CheckBoxSoundsAndHighlightsAndIskLabelResets)
{
    c("chkVirtualRefining", 0).click();
    EXPECT_EQ(clicks(), 1);
    shared.IsLoading = true;
    c("chkVirtualRefining", 0).click();
    shared.IsLoading = false;
    EXPECT_EQ(clicks(), 1);

    c("chkVirtualRefining", 0).mouseMove(0, 0, 10, 10);
    EXPECT_EQ(hoverPaints.last(), QStringLiteral("chkVirtualRefining 2f2931 0"));
    EXPECT_EQ(c("chkVirtualRefining", 0).backColor(), 0x606060u);

    c("lblIskFromRefinedOre", 0).dblClick();
    EXPECT_EQ(buttons, QList<int>{15});
}

TEST_F(RefreshValuation, MineralBoxesTakeNumbersAndSelectOnFocus)
{
    Control& box = c("txtMineralsMinedFromOre", 11);
    box.setText(QStringLiteral("lots"));
    EXPECT_TRUE(box.validate());
    EXPECT_EQ(box.text(), QStringLiteral("0"));
    box.setText(QStringLiteral("1,234.5"));
    EXPECT_TRUE(box.validate());
    EXPECT_EQ(box.text(), QStringLiteral("1,234.5"));
    box.gotFocus();
    EXPECT_EQ(box.selStart(), 0);
    EXPECT_EQ(box.selLength(), 7);

    Control& goal = c("txtMineralsYieldGoal", 2);
    goal.setText(QStringLiteral("25000"));
    goal.gotFocus();
    EXPECT_EQ(goal.selStart(), 0);
    EXPECT_EQ(goal.selLength(), 5);
}

} // namespace
