#include "refining/Refining.h"
#include "refining/RefiningFixture.h"
#include "refining/RefiningMath.h"

using namespace orebell;
using namespace orebell::test;

namespace {

constexpr int Veldspar = 0;
constexpr int Scordite = 1;
constexpr int Plagioclase = 3;
constexpr int Omber = 4;
constexpr int Hedbergite = 8;

struct CalcRefinedYield : RefiningFixture {};

TEST_F(CalcRefinedYield, OneLaserOnVeldsparGivesTheWorkedFigures)
{
    setLasers(1, QStringLiteral("540"), QStringLiteral("180"));
    hover(Veldspar);

    EXPECT_EQ(c("lblSelectedOreType", 0).caption(), QStringLiteral("Refined minerals/min."));
    EXPECT_EQ(c("txtRefinableUnit", 0).text(), QStringLiteral("333"));
    EXPECT_EQ(c("txtRefinableUnit", 0).tag(), QStringLiteral("0.1"));
    EXPECT_EQ(c("lblOreMinute", 0).caption(), QStringLiteral("1,800."));
    EXPECT_EQ(c("lblRefinableUnits", 0).caption(), QStringLiteral("5.405"));
    // 5.405 x 1000 x 0.962 = 5199.61, less 5 % = 4939.6295
    EXPECT_EQ(yieldBox(Tritanium), QStringLiteral("4940"));
    EXPECT_EQ(c("txtStationYield", Tritanium).toolTipText(),
              QStringLiteral(" Base Yield per 333 ore units = 1000 "));
    EXPECT_EQ(yieldBox(8 + Tritanium), QStringLiteral("5187"));  // Concentrated: 5186.610975
    EXPECT_EQ(yieldBox(16 + Tritanium), QStringLiteral("5434")); // Dense: 5433.59245
    EXPECT_EQ(c("txtStationYield", 16 + Tritanium).toolTipText(),
              QStringLiteral(" Base Yield per 333 ore units = 1100 "));
    EXPECT_EQ(yieldBox(Pyerite), QStringLiteral("0"));
    // The value is the richest column at the prices: 5434 x 2.1 = 11411.4 isk a minute.
    EXPECT_EQ(c("lbliskPerMinute", 0).caption(), QStringLiteral("11,411"));
    EXPECT_EQ(c("lbliskPerMinute", 1).caption(), QStringLiteral("190"));
    EXPECT_EQ(c("lbliskPerHour", 0).caption(), QStringLiteral("684,684"));
    EXPECT_FALSE(program.shared().IsLoading);
    EXPECT_TRUE(platform.messages().isEmpty());

    // Skill 1 lifts 96.2 % to 101.2 %, capped at 100 %: 5405 less 5 % = 5134.75.
    c("txtProcessingSkill", Veldspar).setText(QStringLiteral("1"));
    hover(Scordite);
    hover(Veldspar);
    EXPECT_EQ(yieldBox(Tritanium), QStringLiteral("5135"));
}

TEST_F(CalcRefinedYield, EffectiveYieldIsNetPlusFivePerLevelCappedAtAHundred)
{
    EXPECT_DOUBLE_EQ(EffectiveYield(96.2, 0), 96.2);
    EXPECT_DOUBLE_EQ(EffectiveYield(96.2, 1), 100);
    EXPECT_DOUBLE_EQ(EffectiveYield(50, 5), 75);
    EXPECT_DOUBLE_EQ(EffectiveYield(100, 0), 100);

    // Net 50 with skill 5 refines at 75 %: 5.405 x 1000 x 0.75 = 4053.75, less 5 % = 3851.0625.
    setLasers(1, QStringLiteral("540"), QStringLiteral("180"));
    c("txtStationNetYield", 0).setText(QStringLiteral("50"));
    c("txtProcessingSkill", Veldspar).setText(QStringLiteral("5"));
    hover(Veldspar);
    EXPECT_EQ(yieldBox(Tritanium), QStringLiteral("3851"));
}

TEST_F(CalcRefinedYield, RefinedHalvesGoToTheEvenWholeNumber)
{
    // 333 m3 a minute of Veldspar is 3330 units, 10 batches; at 0.05 % yield 1000 units a batch
    // refine to 5, and a commission of 50 % leaves exactly 2.5.
    setLasers(1, QStringLiteral("333"), QStringLiteral("60"));
    c("txtStationNetYield", 0).setText(QStringLiteral("0.05"));
    c("txtStationCommsission", 0).setText(QStringLiteral("50"));
    hover(Veldspar);
    ASSERT_EQ(c("lblRefinableUnits", 0).caption(), QStringLiteral("10."));
    EXPECT_EQ(yieldBox(Tritanium), QStringLiteral("2"));

    // A commission of 30 % leaves exactly 3.5.
    c("txtStationCommsission", 0).setText(QStringLiteral("30"));
    hover(Scordite);
    hover(Veldspar);
    EXPECT_EQ(yieldBox(Tritanium), QStringLiteral("4"));
}

TEST_F(CalcRefinedYield, ARateTooSmallToShowRefinesToNothingWithoutFailing)
{
    // 1 m3 every 10 minutes of Mercoxit (40 m3 a unit): 0.0025 units, 0.00001 batches a minute.
    setLasers(1, QStringLiteral("1"), QStringLiteral("600"));
    hover(15);
    EXPECT_EQ(c("lblOreMinute", 0).caption(), QStringLiteral(".003"));
    EXPECT_EQ(c("lblRefinableUnits", 0).caption(), QStringLiteral("."));
    EXPECT_EQ(yieldBox(Morphite), QStringLiteral("0"));
    EXPECT_EQ(c("lbliskPerMinute", 0).caption(), QString());
    EXPECT_TRUE(platform.messages().isEmpty());
}

TEST_F(CalcRefinedYield, EveryShownLaserMustHaveItsRate)
{
    setLasers(2, QStringLiteral("540"), QStringLiteral("180"));
    hover(Veldspar);
    const QString before = yieldBox(Tritanium);
    ASSERT_EQ(c("lblOreMinute", 0).caption(), QStringLiteral("3,600."));

    // The second shown laser has no mining amount: the first one's rate does not help.
    c("txtMiningRate", 1).setText(QString());
    c("txtProcessingSkill", Scordite).setText(QStringLiteral("5"));
    hover(Scordite);
    EXPECT_EQ(c("lblOreMinute", 0).caption(), QStringLiteral("Rate Not Set"));
    EXPECT_EQ(yieldBox(Tritanium), before);

    // Nor has one whose mining amount is no number; the figures stay as they were, silently.
    c("txtMiningRate", 1).setText(QStringLiteral("fast"));
    c("lblOreMinute", 0).setCaption(QString());
    hover(Veldspar);
    EXPECT_EQ(c("lblOreMinute", 0).caption(), QStringLiteral("Rate Not Set"));
    EXPECT_EQ(yieldBox(Tritanium), before);

    // A cycle length of 0, or one that is not a number, is not set either.
    c("txtMiningRate", 1).setText(QStringLiteral("540"));
    for (const QString& cycle : {QStringLiteral("0"), QStringLiteral("1 min")}) {
        c("txtCycleDurationInSeconds", 1).setText(cycle);
        hover(Scordite); // hovering the same label again would not recalculate
        c("lblOreMinute", 0).setCaption(QString());
        hover(Veldspar);
        EXPECT_EQ(c("lblOreMinute", 0).caption(), QStringLiteral("Rate Not Set")) << cycle.toStdString();
    }

    // A laser that is not shown does not count.
    c("txtLasers", 0).setText(QStringLiteral("1"));
    hover(Scordite);
    EXPECT_EQ(c("lblOreMinute", 0).caption(), QStringLiteral("1,200.")); // 180 m3 of 0.15 m3 units
    EXPECT_TRUE(platform.messages().isEmpty());
}

TEST_F(CalcRefinedYield, IskOfZeroShowsEmptyCaptions)
{
    setLasers(1, QStringLiteral("540"), QStringLiteral("180"));
    setOnlyPrice(Tritanium, QStringLiteral("0"));
    hover(Veldspar);
    EXPECT_EQ(c("lbliskPerMinute", 0).caption(), QString());
    EXPECT_EQ(c("lbliskPerMinute", 1).caption(), QString());
    EXPECT_EQ(c("lbliskPerHour", 0).caption(), QString());
}

TEST_F(CalcRefinedYield, HoveringTheSameLabelAgainDoesNotRecalculate)
{
    setLasers(1, QStringLiteral("540"), QStringLiteral("180"));
    hover(Veldspar);
    EXPECT_EQ(skillLabel(Veldspar).tag(), QStringLiteral("Mousing"));

    c("txtMiningRate", 0).setText(QStringLiteral("1080"));
    hover(Veldspar);
    EXPECT_EQ(c("lblOreMinute", 0).caption(), QStringLiteral("1,800."));

    hover(Scordite);
    EXPECT_EQ(skillLabel(Veldspar).tag(), QString());
    EXPECT_EQ(skillLabel(Scordite).tag(), QStringLiteral("Mousing"));
    hover(Veldspar);
    EXPECT_EQ(c("lblOreMinute", 0).caption(), QStringLiteral("3,600."));
}

TEST_F(CalcRefinedYield, ALockedLabelKeepsItsFiguresWhileOthersAreHovered)
{
    setLasers(1, QStringLiteral("540"), QStringLiteral("180"));
    skillLabel(Hedbergite).click();
    EXPECT_EQ(skillLabel(Hedbergite).tag(), QStringLiteral("Compare"));
    EXPECT_EQ(skillLabel(Hedbergite).foreColor(), 0xFF00u);
    EXPECT_EQ(skillLabel(Hedbergite).borderStyle(), 1);
    EXPECT_EQ(skillLabel(Hedbergite).toolTipText(), QStringLiteral(" Double click to Unlock "));
    EXPECT_EQ(c("txtRefinableUnit", 0).text(), QStringLiteral("500"));
    const QString hedbergiteIsogen = yieldBox(Isogen);
    EXPECT_NE(hedbergiteIsogen, QStringLiteral("0"));

    hover(Veldspar);
    EXPECT_EQ(c("txtRefinableUnit", 0).text(), QStringLiteral("500"));
    EXPECT_EQ(yieldBox(Isogen), hedbergiteIsogen);
    EXPECT_EQ(skillLabel(Veldspar).tag(), QString());

    // Hovering the locked label recalculates it.
    c("txtProcessingSkill", Hedbergite).setText(QStringLiteral("1"));
    hover(Hedbergite);
    EXPECT_NE(yieldBox(Isogen), hedbergiteIsogen);

    // A click on another label moves the lock there.
    skillLabel(Veldspar).click();
    EXPECT_EQ(c("txtRefinableUnit", 0).text(), QStringLiteral("333"));
    EXPECT_EQ(yieldBox(Tritanium), QStringLiteral("4940"));
    EXPECT_EQ(skillLabel(Veldspar).foreColor(), 0xFF00u);
    EXPECT_EQ(skillLabel(Hedbergite).foreColor(), 0xC0C0C0u);
    EXPECT_EQ(skillLabel(Hedbergite).borderStyle(), 0);
    EXPECT_EQ(skillLabel(Hedbergite).tag(), QString());
}

TEST_F(CalcRefinedYield, ADoubleClickUnlocksEveryLabelAndLeavesTheFigures)
{
    setLasers(1, QStringLiteral("540"), QStringLiteral("180"));
    skillLabel(Plagioclase).dblClick();
    for (int k = 0; k < 16; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(skillLabel(k).tag(), QString());
        EXPECT_EQ(skillLabel(k).foreColor(), 0xC0C0C0u);
        EXPECT_EQ(skillLabel(k).borderStyle(), 0);
        EXPECT_EQ(skillLabel(k).toolTipText(), QStringLiteral(" Click to Lock "));
    }
    // Plagioclase's figures stay: 514.29 units, 1.544 batches, Mexallon 1.544 x 256 x 0.962 x 0.95
    EXPECT_EQ(c("lblRefinableUnits", 0).caption(), QStringLiteral("1.544"));
    EXPECT_EQ(yieldBox(Mexallon), QStringLiteral("361"));

    // With nothing locked, hovering another label shows its figures.
    hover(Omber);
    EXPECT_EQ(c("txtRefinableUnit", 0).text(), QStringLiteral("500"));
}

TEST_F(CalcRefinedYield, ClicksSoundExceptWhileLoadingAndHoverHighlights)
{
    setLasers(1, QStringLiteral("540"), QStringLiteral("180"));
    skillLabel(Veldspar).click();
    EXPECT_EQ(clicks(), 1);
    shared.IsLoading = true;
    skillLabel(Scordite).click();
    shared.IsLoading = false;
    EXPECT_EQ(clicks(), 1);
    EXPECT_EQ(skillLabel(Scordite).tag(), QStringLiteral("Compare"));

    hover(Hedbergite);
    EXPECT_EQ(hoverPaints.last(), QStringLiteral("lblProcessingSkills 2f2931 15"));
    EXPECT_EQ(skillLabel(Hedbergite).backColor(), 0x606060u);
}

TEST_F(CalcRefinedYield, ABadRefineryEntryIsReportedOnceAndLeavesTheFigures)
{
    setLasers(1, QStringLiteral("540"), QStringLiteral("180"));
    hover(Veldspar);
    const QString tritanium = yieldBox(Tritanium);
    const QString isk = c("lbliskPerMinute", 0).caption();

    c("txtStationCommsission", 0).setText(QStringLiteral("five"));
    hover(Hedbergite);
    hover(Scordite);
    hover(Veldspar);
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_EQ(
        platform.messages().first(),
        QStringLiteral("The station commission \"five\" is not a number. Enter a percentage such as 5.0; "
                       "the refining figures stay as they were until then."));
    EXPECT_EQ(yieldBox(Tritanium), tritanium);
    EXPECT_EQ(c("lbliskPerMinute", 0).caption(), isk);
    EXPECT_EQ(c("txtRefinableUnit", 0).text(), QStringLiteral("333"));
    EXPECT_FALSE(platform.ended());

    // A different bad text is a new mistake; an empty skill is one too.
    c("txtStationCommsission", 0).setText(QStringLiteral("5%"));
    c("txtProcessingSkill", Scordite).setText(QString());
    hover(Scordite);
    ASSERT_EQ(platform.messages().size(), 3);
    EXPECT_EQ(platform.messages().at(2),
              QStringLiteral("The processing skill for Scordite is empty. Enter a level from 0 to 5; "
                             "the refining figures stay as they were until then."));

    // Mended entries calculate again; breaking one again reports it again.
    c("txtStationCommsission", 0).setText(QStringLiteral("5.0"));
    c("txtProcessingSkill", Scordite).setText(QStringLiteral("0"));
    hover(Veldspar);
    EXPECT_EQ(c("lblOreMinute", 0).caption(), QStringLiteral("1,800."));
    c("txtStationCommsission", 0).setText(QStringLiteral("five"));
    hover(Scordite);
    EXPECT_EQ(platform.messages().size(), 4);
    EXPECT_FALSE(program.shared().IsLoading);
}

TEST_F(CalcRefinedYield, AFailureIsReportedAndTheCalculatorCarriesOn)
{
    // Only a damaged mineral table can make the volume 0.
    const int veldsparRow = shared.routines.FindOreRow(QStringLiteral("Veldspar"));
    shared.mineralYields.row(veldsparRow).volume = 0;
    setLasers(1, QStringLiteral("540"), QStringLiteral("180"));
    hover(Veldspar);
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_TRUE(platform.messages().first().startsWith(
        QStringLiteral("Error Number:11\nDescription :Division by zero\nLine        :")));
    EXPECT_FALSE(platform.messages().first().contains(QStringLiteral("Function")));
    EXPECT_FALSE(platform.ended());

    // The flag is down again: the next label calculates.
    hover(Scordite);
    EXPECT_EQ(c("txtRefinableUnit", 0).text(), QStringLiteral("333"));
    EXPECT_EQ(c("txtRefinableUnit", 0).tag(), QStringLiteral("0.15"));
    EXPECT_EQ(platform.messages().size(), 1);
}

TEST_F(CalcRefinedYield, FindOreRowAndGetProcessingSkillLookUpTheTable)
{
    Refining refining(form, shared, platform);
    c("txtProcessingSkill", 7).setText(QStringLiteral("3")); // Hemorphite
    c("txtProcessingSkill", Veldspar).setText(QStringLiteral("2"));
    EXPECT_EQ(refining.GetProcessingSkill(QStringLiteral("1")), 3); // Vived Hemorphite: its base ore's skill
    EXPECT_EQ(refining.GetProcessingSkill(QStringLiteral("42")), 2);
    EXPECT_EQ(refining.GetProcessingSkill(QStringLiteral("48")), 0); // the empty row names no ore
    EXPECT_TRUE(platform.messages().isEmpty());
    EXPECT_FALSE(platform.ended());
    EXPECT_EQ(refining.GetProcessingSkill(QStringLiteral("row")), 0);
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_TRUE(platform.messages().first().startsWith(
        QStringLiteral("Error Number:13\nDescription :Type mismatch")));
    EXPECT_TRUE(platform.ended());

    const auto find = [this](const char* name) {
        return shared.routines.FindOreRow(QString::fromLatin1(name));
    };
    EXPECT_EQ(find("Hemorphite"), 0);
    EXPECT_EQ(find("Veldspar"), 42);
    EXPECT_EQ(find("Vitreous Mercoxit"), 47);
    EXPECT_EQ(find("veldspar"), 0); // names compare exactly; no match is the first row
    EXPECT_EQ(find(""), 0);
}

} // namespace
