#include "refining/RefiningFixture.h"

using namespace orebell;
using namespace orebell::test;

namespace {

constexpr int Veldspar = 0;
constexpr int Hedbergite = 8;

struct OreCalculator : RefiningFixture {
    Control& units() { return c("txtOreCalc", 0); }
    Control& answer() { return c("lblRefinedYield", 13); }
};

TEST_F(OreCalculator, TypedUnitsRefineForTheHoveredOreAndItsVariants)
{
    setLasers(1, QStringLiteral("540"), QStringLiteral("180"));
    units().setText(QStringLiteral("1500"));
    hover(Veldspar);
    // 4 batches of 333, as the valuation refines: 3655.6 Tritanium worth 7676.76 isk.
    EXPECT_EQ(answer().caption(), QStringLiteral("1,500 Veldspar: 7,677 isk"));
    const QString details =
        QStringLiteral(" 1,500 units of Veldspar make 4 batches of 333 units, 168 left over \n"
                       " Veldspar: 3,656 Tritanium = 7,677 isk \n"
                       " Concentrated Veldspar: 3,838 Tritanium = 8,061 isk \n"
                       " Dense Veldspar: 4,021 Tritanium = 8,444 isk ");
    EXPECT_EQ(answer().toolTipText(), details);
    EXPECT_EQ(units().toolTipText(), details);

    // Other minerals are named; several batches of a multi-mineral ore.
    units().setText(QStringLiteral("500"));
    hover(Hedbergite);
    EXPECT_TRUE(answer().toolTipText().startsWith(
        QStringLiteral(" 500 units of Hedbergite make 1 batch of 500 units \n"
                       " Hedbergite: 647 Isogen, 324 Nocxium, 29 Zydrine = 0 isk \n")));
}

TEST_F(OreCalculator, LeavesThePerMinuteFiguresOfALockedOreAlone)
{
    setLasers(1, QStringLiteral("540"), QStringLiteral("180"));
    skillLabel(Hedbergite).click();
    const QString isogen = yieldBox(Isogen);
    const QString perMinute = c("lbliskPerMinute", 0).caption();

    units().setText(QStringLiteral("1500"));
    hover(Veldspar);
    EXPECT_EQ(answer().caption(), QStringLiteral("1,500 Veldspar: 7,677 isk"));
    EXPECT_EQ(c("txtRefinableUnit", 0).text(), QStringLiteral("500"));
    EXPECT_EQ(yieldBox(Isogen), isogen);
    EXPECT_EQ(c("lbliskPerMinute", 0).caption(), perMinute);
}

TEST_F(OreCalculator, FollowsTheTypedUnitsAndReturnsToItsPrompt)
{
    const QString prompt = answer().caption();
    const QString tip = units().toolTipText();
    EXPECT_EQ(prompt, QStringLiteral("Enter number of ore units..."));

    hover(Veldspar); // nothing typed yet
    EXPECT_EQ(answer().caption(), prompt);

    units().setText(QStringLiteral("333"));
    EXPECT_EQ(answer().caption(), QStringLiteral("333 Veldspar: 1,919 isk"));
    units().setText(QStringLiteral("100"));
    EXPECT_EQ(answer().caption(), QStringLiteral("100 Veldspar: 0 isk"));
    EXPECT_EQ(
        units().toolTipText(),
        QStringLiteral(" 100 units of Veldspar do not fill one batch of 333 units; they refine to nothing "));

    units().setText(QStringLiteral("a lot"));
    EXPECT_EQ(answer().caption(), QStringLiteral("Enter a number of ore units..."));
    EXPECT_EQ(units().toolTipText(), tip);

    units().setText(QString());
    EXPECT_EQ(answer().caption(), prompt);
    EXPECT_EQ(units().toolTipText(), tip);
    EXPECT_TRUE(platform.messages().isEmpty());
}

} // namespace
