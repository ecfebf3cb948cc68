#include "app/ControlBar.h"
#include "app/Program.h"
#include "data/Shared.h"
#include "support/ScopedLocale.h"
#include "support/TestPlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <stdexcept>

// Readable failures: gtest finds this by argument lookup in QString's
// namespace.
[[maybe_unused]] static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

using namespace orebell;

namespace {

QString s(const char* text) { return QString::fromUtf8(text); }

const char* const AllPanels[] = {"fraHelp",     "fraRefineryYield", "fraRefinedOreYield", "fraSound",
                                 "fraSettings", "fraMineralYield",  "fraProgress",        "fraCargoHold"};

// The whole program over the test platform. The routines the bar calls out
// through are wrapped so that every call is recorded, then passed on to
// whatever the sibling subsystem wired.
struct ControlBarTest : ::testing::Test {
    test::ScopedLocale english{test::ScopedLocale::english()}; // the amounts below are English texts
    test::TestPlatform platform;
    std::unique_ptr<Program> program = std::make_unique<Program>(platform);
    QStringList calls;
    QStringList startUpCalls;
    std::function<void()> saveAll; // replaces the store's save when a test sets it

    void SetUp() override
    {
        Routines& r = program->shared().routines;
        r.ShowTimers = [this, next = r.ShowTimers](int n) {
            calls << QStringLiteral("ShowTimers(%1)").arg(n);
            if (next)
                next(n);
        };
        r.LoadSounds = [this, next = r.LoadSounds] {
            calls << QStringLiteral("LoadSounds");
            if (next)
                next();
        };
        r.PlayClickSound = [this, next = r.PlayClickSound] {
            calls << QStringLiteral("click");
            if (next)
                next();
        };
        r.SaveAll = [this, next = r.SaveAll] {
            calls << QStringLiteral("SaveAll");
            if (saveAll)
                saveAll();
            else if (next)
                next();
        };
        r.RefineGrid = [this, next = r.RefineGrid] {
            calls << QStringLiteral("RefineGrid");
            if (next)
                next();
        };
        r.ResetGrid = [this, next = r.ResetGrid] {
            calls << QStringLiteral("ResetGrid");
            if (next)
                next();
        };
        program->run();
        startUpCalls = calls;
    }

    Form& form() { return program->mainForm(); }
    Control& c(const char* name, int index = -1) { return form().control(s(name), index); }
    Control& button(int index) { return c("lblControlButton", index); }
    void press(int index)
    {
        calls.clear();
        button(index).click();
    }
    int clicks() const { return static_cast<int>(calls.count(QStringLiteral("click"))); }
    QStringList visiblePanels()
    {
        QStringList out;
        for (const char* name : AllPanels)
            if (c(name).visible())
                out << s(name);
        return out;
    }
    QStringList selectedButtons()
    {
        QStringList out;
        for (Control* b : form().elements(s("lblControlButton")))
            if (b->tag() == QLatin1String("selected"))
                out << QString::number(b->index());
        return out;
    }
    void expectTimerView()
    {
        EXPECT_EQ(selectedButtons(), QStringList{QStringLiteral("1")});
        EXPECT_EQ(button(1).backColor(), ControlBar::SelectedColor);
        for (const char* name :
             {"fraHelp", "fraSound", "fraRefinedOreYield", "fraRefineryYield", "fraSettings"})
            EXPECT_FALSE(c(name).visible()) << name;
    }
};

TEST_F(ControlBarTest, StartUpEndsInTheTimerViewWithItsClick)
{
    expectTimerView();
    EXPECT_EQ(program->shared().TopButtonIndex, 18);
    EXPECT_TRUE(startUpCalls.contains(QStringLiteral("click")));
    EXPECT_TRUE(startUpCalls.contains(QStringLiteral("LoadSounds")));
}

TEST_F(ControlBarTest, SoundTwiceShowsThePanelThenReturnsAndReloadsTheSounds)
{
    c("txtLasers", 0).setText(QStringLiteral("3"));
    press(5);
    EXPECT_EQ(visiblePanels(), QStringList{QStringLiteral("fraSound")});
    EXPECT_EQ(c("fraSound").left(), 255);
    EXPECT_EQ(c("fraSound").top(), 240);
    EXPECT_EQ(selectedButtons(), QStringList{QStringLiteral("5")});
    EXPECT_EQ(button(5).backColor(), ControlBar::SelectedColor);
    EXPECT_EQ(calls, (QStringList{QStringLiteral("click"), QStringLiteral("ShowTimers(5)")}));

    press(5);
    expectTimerView();
    // Its own click, then the timer view's, which lays out the player's three
    // panels and takes in what was edited on the Sound panel.
    EXPECT_EQ(calls, (QStringList{QStringLiteral("click"), QStringLiteral("click"),
                                  QStringLiteral("ShowTimers(3)"), QStringLiteral("LoadSounds")}));
}

TEST_F(ControlBarTest, SettingsReplacesTheCalculatorAndASecondPressReturns)
{
    press(2);
    EXPECT_EQ(visiblePanels(), QStringList{QStringLiteral("fraRefineryYield")});
    EXPECT_TRUE(calls.contains(QStringLiteral("ShowTimers(6)")));
    press(8);
    EXPECT_EQ(visiblePanels(), QStringList{QStringLiteral("fraSettings")});
    EXPECT_EQ(selectedButtons(), QStringList{QStringLiteral("8")});
    EXPECT_TRUE(calls.contains(QStringLiteral("ShowTimers(1)")));
    press(8);
    expectTimerView();
}

TEST_F(ControlBarTest, PanelSwitchHidesTheWatchPanelsUntilTheTimerViewReturns)
{
    c("fraProgress").setTag(QStringLiteral("True"));
    press(1);
    EXPECT_EQ(visiblePanels(), QStringList{QStringLiteral("fraProgress")});
    press(0);
    EXPECT_EQ(visiblePanels(), QStringList{QStringLiteral("fraHelp")});
    EXPECT_EQ(c("fraProgress").tag(), QStringLiteral("True"));
    press(0);
    EXPECT_EQ(visiblePanels(), QStringList{QStringLiteral("fraProgress")});
}

TEST_F(ControlBarTest, WatchButtonCyclesFourStatesInTheTimerView)
{
    struct Step {
        const char* caption;
        const char* shown;
    };
    const Step steps[] = {
        {"P", "fraMineralYield"}, {"C", "fraProgress"}, {"-", "fraCargoHold"}, {"Y", nullptr}};
    ASSERT_EQ(button(4).caption(), QStringLiteral("Y"));
    for (const Step& step : steps) {
        press(4);
        EXPECT_EQ(button(4).caption(), s(step.caption));
        EXPECT_EQ(clicks(), 1);
        for (const char* watch : {"fraMineralYield", "fraProgress", "fraCargoHold"}) {
            const bool shown = step.shown && QLatin1String(watch) == QLatin1String(step.shown);
            EXPECT_EQ(c(watch).visible(), shown) << step.caption << " " << watch;
            EXPECT_EQ(c(watch).tag(), shown ? QStringLiteral("True") : QStringLiteral("False"));
            if (shown) {
                EXPECT_EQ(c(watch).left(), 1575);
                EXPECT_EQ(c(watch).top(), 255);
            }
        }
    }
}

TEST_F(ControlBarTest, WatchButtonOutsideTheTimerViewOnlyClicks)
{
    press(0);
    press(4);
    EXPECT_EQ(calls, QStringList{QStringLiteral("click")});
    EXPECT_EQ(button(4).caption(), QStringLiteral("Y"));
    EXPECT_EQ(visiblePanels(), QStringList{QStringLiteral("fraHelp")});
    for (const char* watch : {"fraMineralYield", "fraProgress", "fraCargoHold"})
        EXPECT_NE(c(watch).tag(), QStringLiteral("True"));
}

TEST_F(ControlBarTest, TimerCountStaysBetweenOneAndSeven)
{
    Control& lasers = c("txtLasers", 0);
    lasers.setText(QStringLiteral("7"));
    press(12);
    EXPECT_EQ(lasers.text(), QStringLiteral("7"));
    EXPECT_EQ(calls,
              (QStringList{QStringLiteral("click"), QStringLiteral("ShowTimers(7)"), QStringLiteral("click"),
                           QStringLiteral("ShowTimers(7)"), QStringLiteral("LoadSounds")}));
    expectTimerView();

    lasers.setText(QStringLiteral("1"));
    press(13);
    EXPECT_EQ(lasers.text(), QStringLiteral("1"));
    EXPECT_TRUE(calls.contains(QStringLiteral("ShowTimers(1)")));

    press(12);
    EXPECT_EQ(lasers.text(), QStringLiteral("2"));
    EXPECT_EQ(calls.count(QStringLiteral("ShowTimers(2)")), 2);

    // A box the player typed nonsense into is brought back into range, never
    // handed on.
    lasers.setText(QStringLiteral("12"));
    press(13);
    EXPECT_EQ(lasers.text(), QStringLiteral("6"));
    lasers.setText(QStringLiteral("many"));
    press(12);
    EXPECT_EQ(lasers.text(), QStringLiteral("2"));
    lasers.setText(QString());
    press(1);
    EXPECT_TRUE(calls.contains(QStringLiteral("ShowTimers(1)")));
}

TEST_F(ControlBarTest, ResetIsRefusedWhileALaserRunsAndClearsTheMissionOtherwise)
{
    c("txtRefinedOre", 2).setText(QStringLiteral("100"));
    c("txtMineralsMinedFromOre", 2).setText(QStringLiteral("25"));
    c("lblIskFromRefinedOre", 0).setCaption(QStringLiteral("1,234 isk"));
    c("lblYieldProgressPercBar", 10).setVisible(true);
    c("btnActivateTimer", 4).setCaption(QStringLiteral("!"));
    press(15);
    EXPECT_EQ(calls, QStringList{QStringLiteral("click")});
    EXPECT_EQ(c("txtRefinedOre", 2).text(), QStringLiteral("100"));
    EXPECT_EQ(c("lblIskFromRefinedOre", 0).caption(), QStringLiteral("1,234 isk"));
    EXPECT_TRUE(c("lblYieldProgressPercBar", 10).visible());

    c("btnActivateTimer", 4).setCaption(QStringLiteral("5"));
    press(15);
    EXPECT_EQ(calls, (QStringList{QStringLiteral("click"), QStringLiteral("ResetGrid")}));
    for (int i = 0; i <= 7; ++i) {
        EXPECT_EQ(c("txtRefinedOre", i).text(), QStringLiteral("0"));
        EXPECT_EQ(c("txtMineralsMinedFromOre", i).text(), QStringLiteral("0"));
        EXPECT_EQ(c("txtMineralsMinedFromOre", i + 8).text(), QStringLiteral("0"));
        EXPECT_EQ(c("txtMineralsMinedFromOre", i).toolTipText(), QStringLiteral(" +0 refined "));
        EXPECT_EQ(c("txtMineralsMinedFromOre", i + 8).toolTipText(), QStringLiteral(" +0 refined "));
    }
    EXPECT_EQ(c("lblIskFromRefinedOre", 0).caption(), QStringLiteral("0 isk"));
    for (int i = 0; i <= 15; ++i)
        EXPECT_FALSE(c("lblYieldProgressPercBar", i).visible());

    // The isk label's double click reaches the same command through the shared
    // routine.
    c("txtRefinedOre", 0).setText(QStringLiteral("9"));
    calls.clear();
    program->shared().routines.lblControlButton_Click(15);
    EXPECT_EQ(c("txtRefinedOre", 0).text(), QStringLiteral("0"));
    EXPECT_TRUE(calls.contains(QStringLiteral("ResetGrid")));
}

TEST_F(ControlBarTest, RefineMovesTheEstimateIntoTheRefinedAmounts)
{
    c("txtRefinedOre", 0).setText(QStringLiteral("100"));
    c("txtMineralsMinedFromOre", 0).setText(QStringLiteral("25"));
    c("txtMineralsMinedFromOre", 8).setText(QStringLiteral("25"));
    c("txtRefinedOre", 1).setText(QStringLiteral("10"));
    c("txtMineralsMinedFromOre", 1).setText(QStringLiteral("2.5")); // halves to even
    c("txtRefinedOre", 2).setText(QStringLiteral("10"));
    c("txtMineralsMinedFromOre", 2).setText(QStringLiteral("3.5"));
    c("txtRefinedOre", 3).setText(QString()); // an empty box counts as nothing
    c("txtMineralsMinedFromOre", 3).setText(QStringLiteral("7"));
    press(18);
    EXPECT_EQ(calls, (QStringList{QStringLiteral("click"), QStringLiteral("RefineGrid")}));
    EXPECT_EQ(c("txtRefinedOre", 0).text(), QStringLiteral("125"));
    EXPECT_EQ(c("txtMineralsMinedFromOre", 0).text(), QStringLiteral("0"));
    EXPECT_EQ(c("txtMineralsMinedFromOre", 8).text(), QStringLiteral("25"));
    EXPECT_EQ(c("txtMineralsMinedFromOre", 0).toolTipText(), QStringLiteral(" +125 refined "));
    EXPECT_EQ(c("txtMineralsMinedFromOre", 8).toolTipText(), QStringLiteral(" +125 refined "));
    EXPECT_EQ(c("txtRefinedOre", 1).text(), QStringLiteral("12"));
    EXPECT_EQ(c("txtRefinedOre", 2).text(), QStringLiteral("14"));
    EXPECT_EQ(c("txtRefinedOre", 3).text(), QStringLiteral("7"));
}

TEST_F(ControlBarTest, RefineWhileMiningAddsTheMineralsOfTheBatchesItTakes)
{
    c("cboRoidType", 0).setText(QStringLiteral("Veldspar"));
    c("txtSizeOfRoid", 0).setText(QStringLiteral("100000"));
    c("txtMiningRate", 0).setText(QStringLiteral("540"));
    c("txtCycleDurationInSeconds", 0).setText(QStringLiteral("180"));
    c("btnActivateTimer", 0).click();
    ASSERT_EQ(c("btnActivateTimer", 0).caption(), QStringLiteral("!"));
    // Ticks credit the record; the estimate only follows on some of them.
    program->shared().routines.AddOreMined(QStringLiteral("Veldspar"), 1000);
    press(18);
    // Three batches of 333 leave the record: 3 x 1000 Tritanium x 96.2 %, less 5 %.
    EXPECT_EQ(c("txtRefinedOre", 6).text(), QStringLiteral("2742"));
    EXPECT_EQ(form().grid(s("mshflexOreMined")).textMatrix(1, 1), QStringLiteral("1"));
    EXPECT_TRUE(platform.messages().isEmpty());
}

TEST_F(ControlBarTest, RefineWithABadEntryRefusesTheWholeCommand)
{
    c("txtRefinedOre", 0).setText(QStringLiteral("100"));
    c("txtMineralsMinedFromOre", 0).setText(QStringLiteral("25"));
    c("txtRefinedOre", 5).setText(QStringLiteral("lots"));
    press(18);
    EXPECT_EQ(calls, QStringList{QStringLiteral("click")}); // the ore list is not refined either
    EXPECT_EQ(c("txtRefinedOre", 0).text(), QStringLiteral("100"));
    EXPECT_EQ(c("txtMineralsMinedFromOre", 0).text(), QStringLiteral("25"));
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_TRUE(platform.messages().first().contains(QStringLiteral("lots")));
    EXPECT_TRUE(platform.messages().first().contains(c("lblMineral", 5).caption()));

    c("txtRefinedOre", 5).setText(QStringLiteral("2147483647"));
    c("txtMineralsMinedFromOre", 5).setText(QStringLiteral("1"));
    press(18);
    EXPECT_EQ(calls, QStringList{QStringLiteral("click")});
    EXPECT_EQ(c("txtRefinedOre", 5).text(), QStringLiteral("2147483647"));
    EXPECT_EQ(platform.messages().size(), 2);
}

TEST_F(ControlBarTest, ButtonsWithoutCaptionAreSilentAndStationButtonsOnlyClick)
{
    const QStringList panels = visiblePanels();
    const QStringList selected = selectedButtons();
    for (int index : {9, 10}) {
        press(index);
        EXPECT_TRUE(calls.isEmpty()) << index;
    }
    for (int index : {16, 17}) {
        press(index);
        EXPECT_EQ(calls, QStringList{QStringLiteral("click")}) << index;
    }
    EXPECT_EQ(visiblePanels(), panels);
    EXPECT_EQ(selectedButtons(), selected);
    EXPECT_TRUE(platform.messages().isEmpty());
    EXPECT_TRUE(platform.openedAddresses().isEmpty());
}

TEST_F(ControlBarTest, TitleMakesNoSoundAndCloseSavesSilentlyThenEnds)
{
    const int left = form().left();
    press(7);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(form().left(), left);
    EXPECT_FALSE(platform.ended());

    press(6);
    EXPECT_EQ(calls, QStringList{QStringLiteral("SaveAll")});
    EXPECT_TRUE(form().unloaded());
    EXPECT_TRUE(platform.ended());
}

TEST_F(ControlBarTest, SystemCloseTakesTheSamePathAndAFailedSaveKeepsTheWindow)
{
    saveAll = [] { throw std::runtime_error("the settings file is read-only"); };
    calls.clear();
    form().requestClose();
    EXPECT_EQ(calls, QStringList{QStringLiteral("SaveAll")});
    EXPECT_FALSE(form().unloaded());
    EXPECT_FALSE(platform.ended());
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_TRUE(platform.messages().first().contains(QStringLiteral("read-only")));

    // The player was told; a second close leaves without saving.
    calls.clear();
    press(6);
    EXPECT_EQ(calls, QStringList{QStringLiteral("SaveAll")});
    EXPECT_TRUE(form().unloaded());
    EXPECT_TRUE(platform.ended());
    EXPECT_EQ(platform.messages().size(), 1);
}

TEST_F(ControlBarTest, WebPageOpensOurAddress)
{
    press(11);
    EXPECT_EQ(calls, QStringList{QStringLiteral("click")});
    EXPECT_EQ(platform.openedAddresses(), QStringList{s(ControlBar::WebPageAddress)});
}

TEST_F(ControlBarTest, TitleDragsWithTheLeftButtonOnly)
{
    form().move(1500, 900);
    Control& title = button(7);
    title.mouseDown(LeftButton, 0, 300.4, 60);
    title.mouseMove(RightButton, 0, 900, 500);
    title.mouseMove(LeftButton | RightButton, 0, 900, 500);
    EXPECT_EQ(form().left(), 1500);
    EXPECT_EQ(form().top(), 900);

    title.mouseMove(LeftButton, 0, 420, 45);
    EXPECT_EQ(form().left(), 1620);
    EXPECT_EQ(form().top(), 885);
    EXPECT_EQ(program->shared().RestoreLeft, 1620);
    EXPECT_EQ(program->shared().RestoreTop, 885);

    // Another button under a held left button does not drag.
    button(3).mouseMove(LeftButton, 0, 900, 500);
    EXPECT_EQ(form().left(), 1620);
}

TEST_F(ControlBarTest, MinimiseThenRestoreReturnsToTheRememberedPlaceAndTheTimerView)
{
    form().move(2000, 1200);
    program->shared().RestoreLeft = 2000;
    program->shared().RestoreTop = 1200;
    press(0); // the help panel open when minimising
    const int openHeight = c("shpBox").height() + button(0).height() + 45;

    press(14);
    EXPECT_EQ(calls, QStringList{QStringLiteral("click")});
    Control& image = c("imgMinimized");
    Control& label = c("lblMinimize");
    EXPECT_EQ(form().left(), 30);
    EXPECT_EQ(form().top(), 80);
    EXPECT_EQ(form().width(), image.width());
    EXPECT_EQ(form().height(), image.height());
    EXPECT_TRUE(image.visible());
    EXPECT_TRUE(label.visible());
    EXPECT_EQ(image.left(), 0);
    EXPECT_EQ(image.top(), 0);
    EXPECT_EQ(label.left(), 0);
    EXPECT_EQ(label.top(), 120);
    EXPECT_FALSE(c("txtJetCanName", 0).visible());
    EXPECT_FALSE(c("shpJetCanNameBorder", 0).visible());
    EXPECT_FALSE(c("fraHelp").visible());

    calls.clear();
    label.click();
    EXPECT_EQ(form().left(), 2000);
    EXPECT_EQ(form().top(), 1200);
    EXPECT_EQ(form().height(), openHeight);
    EXPECT_FALSE(image.visible());
    EXPECT_FALSE(label.visible());
    EXPECT_TRUE(c("txtJetCanName", 0).visible());
    EXPECT_TRUE(c("shpJetCanNameBorder", 0).visible());
    expectTimerView();
    // The restore's own press of the timer button sounds like the player's.
    EXPECT_EQ(calls, (QStringList{QStringLiteral("ShowTimers(1)"), QStringLiteral("click"),
                                  QStringLiteral("ShowTimers(1)"), QStringLiteral("LoadSounds")}));

    // The picture restores the same way.
    press(14);
    image.click();
    EXPECT_EQ(form().left(), 2000);
    EXPECT_FALSE(image.visible());
}

TEST_F(ControlBarTest, HoverHighlightsOneButtonAndKeepsTheSelectedAndTitleColours)
{
    button(3).mouseMove(0, 0, 10, 10);
    EXPECT_EQ(button(3).backColor(), ControlBar::HoverColor);
    EXPECT_EQ(button(1).backColor(), ControlBar::SelectedColor);
    for (int i : {7, 14, 6})
        EXPECT_EQ(button(i).backColor(), ControlBar::PanelColor) << i;
    EXPECT_EQ(button(0).backColor(), ControlBar::RestColor);
    EXPECT_EQ(button(18).backColor(), ControlBar::RestColor);

    button(5).mouseMove(0, 0, 10, 10);
    EXPECT_EQ(button(3).backColor(), ControlBar::RestColor);
    EXPECT_EQ(button(5).backColor(), ControlBar::HoverColor);

    c("txtLasers", 0).setText(QStringLiteral("2"));
    c("lblPlusOne", 1).mouseMove(0, 0, 1, 1);
    c("lblJetButton", 2).mouseMove(0, 0, 1, 1);
    EXPECT_EQ(c("lblPlusOne", 1).backColor(), ControlBar::HoverColor);
    EXPECT_EQ(c("lblJetButton", 2).backColor(), ControlBar::HoverColor);
    c("lblMinusOne", 0).mouseMove(0, 0, 1, 1);
    EXPECT_EQ(c("lblPlusOne", 1).backColor(), ControlBar::RestColor);
    EXPECT_EQ(c("lblMinusOne", 0).backColor(), ControlBar::HoverColor);

    form().mouseMove(0, 0, 5, 5);
    EXPECT_EQ(button(5).backColor(), ControlBar::RestColor);
    EXPECT_EQ(button(1).backColor(), ControlBar::SelectedColor);
    EXPECT_EQ(c("lblMinusOne", 0).backColor(), ControlBar::RestColor);
    EXPECT_EQ(c("lblJetButton", 2).backColor(), ControlBar::RestColor);

    button(8).mouseMove(0, 0, 1, 1);
    c("fraRefinedOreYield").mouseMove(0, 0, 1, 1);
    EXPECT_EQ(button(8).backColor(), ControlBar::RestColor);

    c("optRefreshRate", 2).setBackColor(ControlBar::HoverColor);
    c("chkVirtualRefining", 0).setBackColor(ControlBar::HoverColor);
    c("fraSettings").mouseMove(0, 0, 1, 1);
    EXPECT_EQ(c("optRefreshRate", 2).backColor(), ControlBar::PanelColor);
    EXPECT_EQ(c("chkVirtualRefining", 0).backColor(), ControlBar::PanelColor);
}

TEST_F(ControlBarTest, SetButtonBackColorPaintsUpToTheHighestIndexAndClearTagsLeavesColours)
{
    program->shared().routines.SetButtonBackColor(s("lblJetButton"), 0x123456, 1);
    EXPECT_EQ(c("lblJetButton", 0).backColor(), 0x123456u);
    EXPECT_EQ(c("lblJetButton", 1).backColor(), 0x123456u);
    EXPECT_NE(c("lblJetButton", 2).backColor(), 0x123456u);
    EXPECT_EQ(button(7).backColor(), ControlBar::PanelColor);

    press(3);
    EXPECT_EQ(button(3).backColor(), ControlBar::SelectedColor);
    calls.clear();
    program->shared().routines.SetButtonBackColor(s("lblControlButton"), 0, 18);
    EXPECT_EQ(button(3).backColor(),
              ControlBar::SelectedColor); // selected survives a repaint
    EXPECT_EQ(button(1).backColor(), ControlBar::RestColor);
}

} // namespace
