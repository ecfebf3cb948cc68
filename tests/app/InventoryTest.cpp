#include "app/MainFormInventory.h"
#include "app/Program.h"
#include "support/TestPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace orebell;

namespace {

QString s(const char* text) { return QString::fromUtf8(text); }

struct Inventory : ::testing::Test {
    test::TestPlatform platform;
    Program program{platform};
    Form& form = program.mainForm();

    std::vector<int> indexesOf(const char* name) const
    {
        std::vector<int> out;
        for (Control* c : form.elements(s(name)))
            out.push_back(c->index());
        return out;
    }
};

TEST_F(Inventory, ArraysHaveExactlyTheirIndexes)
{
    EXPECT_EQ(form.count(s("lblControlButton")), 19);
    EXPECT_EQ(form.ubound(s("lblControlButton")), 18);
    EXPECT_TRUE(form.control(s("lblControlButton"), 9).caption().isEmpty());
    EXPECT_TRUE(form.control(s("lblControlButton"), 10).caption().isEmpty());

    EXPECT_EQ(indexesOf("txtSoundeEffectDelay"), (std::vector<int>{0, 2, 4}));
    EXPECT_THROW(form.control(s("txtSoundeEffectDelay"), 1), std::out_of_range);
    EXPECT_THROW(form.control(s("txtSoundeEffectDelay"), 5), std::out_of_range);

    EXPECT_EQ(form.count(s("cboRoidType")), 8);
    for (const char* name :
         {"btnActivateTimer", "txtSizeOfRoid", "txtMiningRate", "txtCycleDurationInSeconds", "lblSizeOfRoid",
          "lblProgress", "lblCycleCountdown", "lblTimeLeft", "tmrMiningLaser", "lblMinusOne", "lblPlusOne",
          "lblNumFocused", "lblOreName", "lblProgress_bkgrnd"}) {
        EXPECT_EQ(form.count(s(name)), 7) << name;
        EXPECT_FALSE(form.has(s(name), 7)) << name;
    }
    EXPECT_EQ(indexesOf("lblRefinedYield"),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(indexesOf("shpControlBtnBorder").size(), 25u);
    EXPECT_EQ(form.count(s("txtMineralsMinedFromOre")), 16);
    EXPECT_EQ(form.count(s("txtStationYield")), 24);
    // Single controls have no index; the one text box without one is never stored.
    EXPECT_NO_THROW(form.control(s("txtOreCalc_bckgrnd")));
    EXPECT_THROW(form.control(s("txtOreCalc_bckgrnd"), 0), std::out_of_range);
    EXPECT_THROW(form.control(s("txtLasers")), std::out_of_range);
}

TEST_F(Inventory, MineralPicturesComeInFourSetsOfEight)
{
    ASSERT_EQ(form.count(s("Picture1")), 32);
    const char* frames[] = {"fraRefineryYield", "fraRefinedOreYield", "fraMineralYield", "fraProgress"};
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(form.control(s("Picture1"), i).container(), s(frames[i / 8])) << i;
    EXPECT_EQ(form.control(s("Picture1"), 0).toolTipText(), s(" Isogen "));
    EXPECT_EQ(form.control(s("Picture1"), 7).toolTipText(), s(" Zydrine "));
    EXPECT_EQ(form.control(s("Picture1"), 8).toolTipText(), s(" Morphite "));
    EXPECT_EQ(form.control(s("Picture1"), 31).toolTipText(), s(" Isogen "));
}

TEST_F(Inventory, DesignTextsTipsAndTagsKeepTheirBlanks)
{
    EXPECT_EQ(form.control(s("lblControlButton"), 7).caption(), s("  Orebell"));
    EXPECT_EQ(form.control(s("lblControlButton"), 14).caption(), s("'   "));
    EXPECT_EQ(form.control(s("lblControlButton"), 2).toolTipText(), s(" The F.Ore.C.Q ."));
    EXPECT_EQ(form.control(s("lblControlButton"), 17).toolTipText(), s(" Delete Station Profile "));
    EXPECT_EQ(form.control(s("lblControlButton"), 15).container(), s("fraRefinedOreYield"));
    EXPECT_EQ(form.control(s("lblControlButton"), 16).container(), s("fraRefineryYield"));
    EXPECT_EQ(form.control(s("lblControlButton"), 14).container(), QString());
    EXPECT_EQ(form.control(s("txtSizeOfRoid"), 3).toolTipText(), s("  Use a Scanner to get this value "));
    EXPECT_EQ(form.control(s("lblOrebellLabels"), 1).toolTipText(), s("  Use a Scanner to get this value "));
    EXPECT_TRUE(form.control(s("lblOrebellLabels"), 0).toolTipText().isEmpty());
    EXPECT_EQ(form.control(s("lblOrebellLabels"), 6).container(), s("fraSettings"));
    EXPECT_EQ(form.control(s("lblOreMinute"), 0).toolTipText(),
              s(" m3 per minute based on your timer settings for the number of timers showing  "));
    EXPECT_EQ(form.control(s("lblSelectedOreType"), 0).toolTipText(), s("Yield Per Refined Unit "));
    EXPECT_EQ(form.control(s("chkRefinery"), 0).caption(), s("Refinery: \"NOT USED\""));
    EXPECT_EQ(form.control(s("fraRefineryYield")).toolTipText(), s(" 'The F.Ore.C.Q.' "));
    EXPECT_EQ(form.control(s("txtSoundeEffectDelay"), 4).text(), s("45"));
    EXPECT_EQ(form.control(s("txtSoundeEffectDelay"), 4).toolTipText(), s(" 1-59 Minutes "));
    EXPECT_EQ(form.control(s("txtSoundeEffectDelay"), 2).toolTipText(), s(" 1-59 Seconds "));
    EXPECT_EQ(form.control(s("txtMarketValue"), 6).text(), s("2.5"));
    EXPECT_EQ(form.control(s("lblMineral"), 8).caption(), s("Zydrine"));
    EXPECT_EQ(form.control(s("lblProcessingSkills"), 15).caption(), s("Mercoxit"));
    EXPECT_EQ(form.control(s("lblCycleCountdown"), 6).tag(), s("180"));
    EXPECT_EQ(form.control(s("lblCycleCountdown"), 6).caption(), s("Depleted"));
    EXPECT_EQ(form.control(s("fraCargoHold")).tag(), s("0"));
    EXPECT_TRUE(form.control(s("fraSound")).tag().isEmpty());
    const char* rateTags[] = {"62.5", "250", "500", "1000", "125"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(form.control(s("optRefreshRate"), i).tag(), s(rateTags[i]));
    EXPECT_EQ(form.control(s("optRefreshRate"), 1).caption(), s("1/4   Sec."));
}

TEST_F(Inventory, StartStatesOfChecksOptionsAndTimers)
{
    for (const char* name : {"chkRefinery", "chkYieldPerMin", "chkMonitorCargoHold", "chkVirtualRefining"})
        EXPECT_EQ(form.control(s(name), 0).value(), 1) << name;
    for (int j = 0; j < 6; ++j)
        EXPECT_EQ(form.control(s("chkSoundEffect"), j).value(), 1);
    EXPECT_EQ(form.control(s("chkSaveSettings"), 0).value(), 0);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(form.control(s("optRefreshRate"), i).value(), i == 0 ? 1 : 0) << i;

    int timers = 0;
    for (const auto& c : form.controls()) {
        if (c->kind() != ControlKind::Timer)
            continue;
        ++timers;
        EXPECT_EQ(c->interval(), 0) << c->displayName().toStdString();
        EXPECT_EQ(c->enabled(), c->name() == s("tmrRefine")) << c->displayName().toStdString();
    }
    EXPECT_EQ(timers, 7 + 4 + 1 + 1);
    EXPECT_EQ(form.control(s("tmrMiningLaser"), 3).tag(), s("0"));
    EXPECT_EQ(form.grid(s("mshflexOreMined")).rows(), 2);
    EXPECT_EQ(form.grid(s("mshflexOreMined")).cols(), 3);
}

// The keys the settings store writes, walking the controls in order as it does.
QStringList storeWalk(const Form& form)
{
    QStringList keys;
    for (const auto& c : form.controls()) {
        switch (c->kind()) {
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
            keys << c->caption();
            break;
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
            if (c->isArrayElement())
                keys << c->name() + QString::number(c->index());
            break;
        case ControlKind::Frame:
            keys << c->name();
            break;
        default:
            break;
        }
    }
    return keys;
}

TEST_F(Inventory, StoredControlsStandInTheStoresOrder)
{
    QStringList expected{s("Refinery: \"NOT USED\""),
                         s("yld/min \"NOT USED\""),
                         s("fraCargoHold"),
                         s("Monitor"),
                         s("txtCargoHold0"),
                         s("txtOreCalc0"),
                         s("Save Settings on Exit"),
                         s("fraSettings"),
                         s("1/8   Sec."),
                         s("1 Second"),
                         s("1/2   Sec."),
                         s("1/4   Sec."),
                         s("1/16 Sec."),
                         s("Virtual Refining"),
                         s("fraHelp"),
                         s("fraSound")};
    for (int i : {0, 5, 4, 3, 2, 1})
        expected << s("txtPathSoundEffect%1").arg(i);
    for (int i : {4, 2, 0})
        expected << s("txtSoundeEffectDelay%1").arg(i);
    expected << s("Cycle complete") << s("Asteroid nearly depleted") << s("Asteroid depleted")
             << s("Jetcan reminder") << s("Crystal change reminder") << s("Cycle nearly complete");
    expected << s("fraRefinedOreYield");
    for (int i = 0; i <= 7; ++i)
        expected << s("txtRefinedOre%1").arg(i);
    for (int i = 7; i >= 0; --i)
        expected << s("txtMineralsYieldGoal%1").arg(i) << s("txtMineralsMinedFromOre%1").arg(i);
    expected << s("fraRefineryYield");
    for (int i = 7; i >= 0; --i)
        expected << s("txtMarketValue%1").arg(i);
    expected << s("txtRefinableUnit0");
    for (int i = 23; i >= 8; --i)
        expected << s("txtStationYield%1").arg(i);
    for (int i = 0; i <= 7; ++i)
        expected << s("txtStationYield%1").arg(i);
    expected << s("txtStationTax0");
    for (int i = 15; i >= 0; --i)
        expected << s("txtProcessingSkill%1").arg(i);
    expected << s("txtStationCommsission0") << s("txtStationNetYield0") << s("cboRoidType7")
             << s("cboStation_Refinery0") << s("fraMineralYield");
    for (int i = 15; i >= 8; --i)
        expected << s("txtMineralsMinedFromOre%1").arg(i);
    for (int i = 6; i >= 1; --i)
        expected << s("cboRoidType%1").arg(i) << s("txtMiningRate%1").arg(i)
                 << s("txtCycleDurationInSeconds%1").arg(i);
    expected << s("txtCycleDurationInSeconds0") << s("txtMiningRate0") << s("cboRoidType0");
    for (int i = 0; i <= 6; ++i)
        expected << s("txtSizeOfRoid%1").arg(i);
    for (int i : {0, 2, 3, 1})
        expected << s("txtJetCanName%1").arg(i);
    expected << s("fraProgress") << s("txtLasers0");

    EXPECT_EQ(storeWalk(form), expected);
    // Check boxes and option buttons are keyed by caption, so every caption must be distinct.
    QStringList captions;
    for (const auto& c : form.controls())
        if (c->kind() == ControlKind::CheckBox || c->kind() == ControlKind::OptionButton)
            captions << c->caption();
    EXPECT_EQ(captions.removeDuplicates(), 0);
}

TEST(InventoryTable, IndexListsAndRowsAreWellFormed)
{
    EXPECT_EQ(parseIndexes("4,3,2,1,0"), (std::vector<int>{4, 3, 2, 1, 0}));
    EXPECT_EQ(parseIndexes("23-21,0-1"), (std::vector<int>{23, 22, 21, 0, 1}));
    EXPECT_TRUE(parseIndexes("").empty());
    EXPECT_THROW(parseIndexes("1-"), std::logic_error);
    EXPECT_THROW(parseIndexes("a"), std::logic_error);

    // Every frame a row names is a frame of the inventory.
    std::set<std::string> frames;
    for (const InventoryRow& row : mainFormInventory())
        if (row.kind == ControlKind::Frame)
            frames.insert(row.name);
    for (const InventoryRow& row : mainFormInventory()) {
        if (*row.in) {
            EXPECT_TRUE(frames.count(row.in)) << row.name << " in " << row.in;
        }
    }
}

} // namespace

namespace {

bool overlaps(const Control& a, const Control& b, int dx = 0, int dy = 0)
{
    const int al = a.left() + dx, at = a.top() + dy;
    return al < b.left() + b.width() && b.left() < al + a.width() && at < b.top() + b.height() &&
           b.top() < at + a.height();
}

// Bars drawn over their backgrounds, and the calculator's entry box over its backdrop.
bool layered(const Control& a, const Control& b)
{
    auto pair = [&](const char* x, const char* y) {
        return (a.name() == s(x) && b.name() == s(y)) || (a.name() == s(y) && b.name() == s(x));
    };
    return pair("lblProgress", "lblProgress_bkgrnd") ||
           pair("lblYieldProgressPercBar", "lblYieldProgress_bkgrnd") ||
           pair("lblCargoHoldProgressPercBar", "lblCargoHoldProgress_bkgrnd") ||
           pair("txtOreCalc", "txtOreCalc_bckgrnd") || pair("lblMinimize", "imgMinimized");
}

bool drawn(const Control& c) { return c.kind() != ControlKind::Shape && c.kind() != ControlKind::Timer; }

// Shown only while the window is minimised, over whatever it covers.
bool minimised(const Control& c) { return c.name() == s("lblMinimize") || c.name() == s("imgMinimized"); }

TEST_F(Inventory, NoTwoControlsShareTheirPlaceAndAllFitTheirPanel)
{
    const int widest = 1320 * 7 + 2890;
    const auto& all = form.controls();
    for (std::size_t ia = 0; ia < all.size(); ++ia) {
        const auto& a = all[ia];
        if (!drawn(*a))
            continue;
        const std::string name = a->displayName().toStdString();
        EXPECT_GT(a->width() * a->height() + (a->kind() == ControlKind::Label ? 1 : 0), 0) << name;
        if (a->container().isEmpty()) {
            EXPECT_LE(a->left() + a->width(), widest) << name;
            EXPECT_LE(a->top() + a->height(), form.height()) << name;
        } else {
            const Control& frame = form.control(a->container());
            EXPECT_LE(a->left() + a->width(), frame.width()) << name;
            EXPECT_LE(a->top() + a->height(), frame.height()) << name;
            EXPECT_LE(frame.top() + frame.height(), form.height()) << name;
        }
        for (std::size_t ib = ia + 1; ib < all.size(); ++ib) {
            const auto& b = all[ib];
            if (!drawn(*b) || layered(*a, *b) || a->container() != b->container())
                continue;
            if (minimised(*a) != minimised(*b))
                continue;
            if (b->kind() == ControlKind::Frame || a->kind() == ControlKind::Frame)
                continue;
            EXPECT_FALSE(overlaps(*a, *b)) << name << " and " << b->displayName().toStdString();
        }
    }
}

} // namespace
