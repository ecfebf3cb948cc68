#include "timing/TimingFixture.h"

#include "data/Palette.h"
#include "toolkit/Conventions.h"

using namespace orebell;
using namespace orebell::test;

namespace {

using LaserCycle = TimingFixture;

// Jaspet is 2 m3 a unit: 120 m3 per 60 s cycle pulls exactly one unit a second.
void oneUnitASecond(TimingFixture& t, int slot, const QString& size)
{
    t.enter(slot, size, QStringLiteral("120"), QStringLiteral("60"), QStringLiteral("Jaspet"));
}

TEST_F(LaserCycle, StartUsesTheRoundedIntervalButTicksOnTheExactPeriod)
{
    enter(0, QStringLiteral("5000"), QStringLiteral("540"), QStringLiteral("180"));
    press(0);
    EXPECT_EQ(c("tmrMiningLaser", 0).interval(), 62);
    EXPECT_DOUBLE_EQ(c("tmrMiningLaser", 0).period(), 62.5);
    EXPECT_TRUE(c("tmrMiningLaser", 0).enabled());
    EXPECT_EQ(c("btnActivateTimer", 0).caption(), QStringLiteral("!"));
    EXPECT_EQ(countdown(0), QStringLiteral("180"));
    EXPECT_TRUE(c("txtMiningRate", 0).locked());
    EXPECT_EQ(c("lblSizeOfRoid", 0).caption(), QStringLiteral("5000"));
    EXPECT_TRUE(c("txtSizeOfRoid", 0).text().isEmpty());
    EXPECT_EQ(laser(0).OreName, QStringLiteral("Veldspar"));
    EXPECT_EQ(clicks, 1);
    tick(0);
    EXPECT_EQ(countdown(0), QStringLiteral("179")); // 179.9375 truncated
}

TEST_F(LaserCycle, WholeSecondCycleCountsDownReloadsAndRaisesEachEventOnce)
{
    shared().RefreshInterval = 1000;
    enter(0, QStringLiteral("100000"), QStringLiteral("540"), QStringLiteral("180"));
    press(0);
    QStringList shown;
    std::vector<std::pair<QString, int>> raised;
    for (int k = 0; k < 360; ++k) {
        events.clear();
        tick(0);
        shown << countdown(0);
        for (int e : events)
            raised.emplace_back(countdown(0), e);
    }
    EXPECT_EQ(shown.first(), QStringLiteral("179"));
    EXPECT_EQ(shown.at(178), QStringLiteral("1"));
    EXPECT_EQ(shown.at(179), QStringLiteral("180"));
    EXPECT_EQ(shown.at(359), QStringLiteral("180"));
    const std::vector<std::pair<QString, int>> expected = {{QStringLiteral("16"), 0},
                                                           {QStringLiteral("1"), 1},
                                                           {QStringLiteral("16"), 0},
                                                           {QStringLiteral("1"), 1}};
    EXPECT_EQ(raised, expected);
}

TEST_F(LaserCycle, CycleThatIsNotAWholeNumberOfTicksReloadsAndStillRaisesItsEvents)
{
    shared().RefreshInterval = 1000;
    cycleWarning = 3;
    enter(0, QStringLiteral("100000"), QStringLiteral("50"), QStringLiteral("10.3"));
    press(0);
    int warnings = 0;
    int completes = 0;
    for (int k = 0; k < 103; ++k) { // exactly ten cycles
        events.clear();
        tick(0);
        ASSERT_GT(laser(0).CycleRemaining, 0);
        ASSERT_LE(laser(0).CycleRemaining, 10.3 + 1e-9);
        warnings += static_cast<int>(std::count(events.begin(), events.end(), 0));
        completes += static_cast<int>(std::count(events.begin(), events.end(), 1));
    }
    EXPECT_EQ(warnings, 10);
    EXPECT_EQ(completes, 10);
    EXPECT_NEAR(laser(0).CycleRemaining, 10.3, 1e-9); // the passed-by parts carry over
}

TEST_F(LaserCycle, StopKeepsTheAsteroidReloadsTheCycleAndRoundsTheGridRow)
{
    shared().RefreshInterval = 500;
    enter(0, QStringLiteral("1000"), QStringLiteral("10.5"), QStringLiteral("1"), QStringLiteral("Scordite"));
    press(0);
    tick(0, 1); // 70 units a second for half a second: 35 units
    EXPECT_EQ(units(1), QStringLiteral("35.0000000000"));
    press(0);
    EXPECT_FALSE(running(0));
    EXPECT_FALSE(c("tmrMiningLaser", 0).enabled());
    EXPECT_EQ(c("btnActivateTimer", 0).caption(), QStringLiteral("1"));
    EXPECT_EQ(countdown(0), QStringLiteral("1"));
    EXPECT_EQ(c("lblSizeOfRoid", 0).caption(), QStringLiteral("965"));
    EXPECT_EQ(c("lblSizeOfRoid", 0).toolTipText(), QStringLiteral(" Double click to clear "));
    EXPECT_FALSE(c("txtMiningRate", 0).locked());
    EXPECT_EQ(units(1), QStringLiteral("35"));
    EXPECT_EQ(clicks, 2);
}

TEST_F(LaserCycle, DepletionStopsShowsDepletedAndCreditsExactlyTheSize)
{
    shared().RefreshInterval = 62.5;
    enter(0, QStringLiteral("1000"), QStringLiteral("540"), QStringLiteral("180"),
          QStringLiteral("Scordite"));
    press(0);
    c("lblPlusOne", 0).click(); // two lasers
    c("txtMineralsMinedFromOre", 3).setText(QStringLiteral("12.5"));
    mineOut(0);
    EXPECT_EQ(countdown(0), QStringLiteral("Depleted"));
    EXPECT_EQ(c("lblCycleCountdown", 0).fontSize(), 7);
    EXPECT_EQ(c("lblTimeLeft", 0).caption(), QStringLiteral("00:00"));
    EXPECT_EQ(c("btnActivateTimer", 0).caption(), QStringLiteral("1"));
    EXPECT_TRUE(c("lblSizeOfRoid", 0).caption().isEmpty());
    EXPECT_EQ(c("txtMiningRate", 0).text(), QStringLiteral("540"));
    EXPECT_EQ(c("lblNumFocused", 0).caption(), QStringLiteral("+"));
    EXPECT_FALSE(c("lblProgress", 0).visible());
    EXPECT_EQ(units(1), QStringLiteral("1,000"));
    EXPECT_EQ(std::count(events.begin(), events.end(), 3), 1);
    EXPECT_EQ(std::count(events.begin(), events.end(), 2), 1);
    EXPECT_EQ(c("txtMineralsMinedFromOre", 3).text(), QStringLiteral("12")); // all idle: rounded
}

TEST_F(LaserCycle, AsteroidMinedOverSeveralRunsCreditsExactlyItsSize)
{
    // 0.4 units a tick: every short run leaves a fraction that the stop rounds away in the grid
    // and in the size shown, from which the next run starts.
    shared().RefreshInterval = 1000;
    enter(0, QStringLiteral("100"), QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("Jaspet"));
    for (int run = 0; run < 5; ++run) {
        press(0);
        tick(0);
        press(0);
    }
    EXPECT_EQ(units(1), QString()); // 0.4 rounded to nothing, five times
    press(0);
    c("lblPlusOne", 0).click();
    tick(0, 37);
    press(0);
    press(0);
    mineOut(0);
    EXPECT_EQ(units(1), QStringLiteral("100"));
    EXPECT_NEAR(laser(0).CreditedSinceLoad, 100, 1e-9);
}

TEST_F(LaserCycle, AllIdleFinishWaitsForTheLastRunningSlot)
{
    oneUnitASecond(*this, 0, QStringLiteral("3"));
    oneUnitASecond(*this, 1, QStringLiteral("500"));
    shared().RefreshInterval = 1000;
    press(0);
    press(1);
    c("txtMineralsMinedFromOre", 0).setText(QStringLiteral("7.6"));
    mineOut(0);
    EXPECT_EQ(c("txtMineralsMinedFromOre", 0).text(), QStringLiteral("7.6"));
    press(1);
    EXPECT_EQ(c("txtMineralsMinedFromOre", 0).text(), QStringLiteral("8"));
}

// The valuation follows the laser: on a tick whose countdown rounds to a multiple of 20, at each
// cycle's end, at depletion, and when the last running laser stops.
TEST_F(LaserCycle, TheLaserRefreshesTheValuationAtItsFixedPoints)
{
    shared().RefreshInterval = 1000;
    oneUnitASecond(*this, 0, QStringLiteral("5000"));
    oneUnitASecond(*this, 1, QStringLiteral("3"));
    press(0);
    valuations = 0;
    tick(0); // countdown 60
    EXPECT_EQ(valuations, 1);
    tick(0, 19); // 59 .. 41
    EXPECT_EQ(valuations, 1);
    tick(0); // 40
    EXPECT_EQ(valuations, 2);
    tick(0, 20); // 39 .. 20
    EXPECT_EQ(valuations, 3);
    tick(0, 17); // 19 .. 3
    EXPECT_EQ(valuations, 3);
    tick(0); // 2 -> 1: the cycle completes
    EXPECT_EQ(valuations, 4);
    tick(0); // 1 -> a new cycle
    EXPECT_EQ(valuations, 4);
    tick(0); // 60 again
    EXPECT_EQ(valuations, 5);

    press(1); // three units: the first tick at 60, then the depletion
    valuations = 0;
    mineOut(1);
    EXPECT_EQ(valuations, 2); // laser 0 still runs: no finish yet
    press(0);
    EXPECT_EQ(valuations, 3); // the last laser stopped
}

TEST_F(LaserCycle, TheDepletionBarAndCountdownColoursFollowTheAsteroid)
{
    using namespace palette;
    shared().RefreshInterval = 1000;
    oneUnitASecond(*this, 0, QStringLiteral("400"));
    cycleWarning = 10;
    press(0);
    const int full = c("lblProgress_bkgrnd", 0).width();
    auto barFor = [full](double remaining) {
        const int width = static_cast<int>(roundHalfEven(full * remaining / 400));
        return width > 15 ? width : 15;
    };
    EXPECT_EQ(c("lblCycleCountdown", 0).foreColor(), LightGrey);
    tick(0, 48); // the countdown goes 60 -> 12
    EXPECT_EQ(c("lblCycleCountdown", 0).foreColor(), LightGrey);
    tick(0); // 11: the warning
    EXPECT_EQ(c("lblCycleCountdown", 0).foreColor(), Yellow);
    tick(0, 9); // 2
    EXPECT_EQ(c("lblCycleCountdown", 0).foreColor(), Yellow);
    tick(0); // 1: the cycle completes
    EXPECT_EQ(c("lblCycleCountdown", 0).foreColor(), LightGrey);

    tick(0, 41); // 100 units mined
    EXPECT_EQ(c("lblProgress", 0).width(), barFor(300));
    tick(0, 290);
    EXPECT_EQ(c("lblProgress", 0).width(), barFor(10));
    tick(0, 9); // one unit left: the bar keeps its least width
    EXPECT_EQ(c("lblProgress", 0).width(), 15);
    EXPECT_TRUE(running(0));
    tick(0);
    EXPECT_EQ(countdown(0), QStringLiteral("Depleted"));
    EXPECT_EQ(c("lblCycleCountdown", 0).foreColor(), Yellow);
}

TEST_F(LaserCycle, DepletionWarningAndTimeLeft)
{
    shared().RefreshInterval = 1000;
    oneUnitASecond(*this, 0, QStringLiteral("200"));
    press(0);
    tick(0, 13);
    EXPECT_EQ(c("lblTimeLeft", 0).caption(), QStringLiteral("03:07"));
    tick(0, 170); // 17 s left
    EXPECT_EQ(std::count(events.begin(), events.end(), 2), 0);
    tick(0);
    EXPECT_EQ(std::count(events.begin(), events.end(), 2), 1);
    EXPECT_EQ(c("lblTimeLeft", 0).foreColor(), 255u);
}

TEST_F(LaserCycle, PlusAndMinusOneStayBetweenOneAndSevenLasers)
{
    enter(0, QStringLiteral("5000"), QStringLiteral("100"), QStringLiteral("60"));
    c("lblPlusOne", 0).click();
    EXPECT_EQ(clicks, 0); // stopped: nothing, not even the sound
    press(0);
    for (int k = 0; k < 7; ++k)
        c("lblPlusOne", 0).click();
    EXPECT_EQ(c("txtMiningRate", 0).text(), QStringLiteral("700"));
    EXPECT_EQ(c("lblNumFocused", 0).caption(), QStringLiteral("+++++++"));
    EXPECT_DOUBLE_EQ(laser(0).MiningRate, 700);
    EXPECT_DOUBLE_EQ(laser(0).SecondsToDeplete, 43); // 5000 units at 7000 a minute
    for (int k = 0; k < 7; ++k)
        c("lblMinusOne", 0).click();
    EXPECT_EQ(c("txtMiningRate", 0).text(), QStringLiteral("100"));
    EXPECT_EQ(c("lblNumFocused", 0).caption(), QStringLiteral("+"));
    EXPECT_EQ(clicks, 15);
}

TEST_F(LaserCycle, EmptyOrZeroEntriesOnAnEmptySlotAreIgnoredSilently)
{
    enter(0, QStringLiteral("0"), QStringLiteral("540"), QStringLiteral("180"));
    press(0);
    enter(1, QStringLiteral("5000"), QStringLiteral("540"), QString());
    press(1);
    EXPECT_FALSE(running(0));
    EXPECT_FALSE(running(1));
    EXPECT_TRUE(c("lblSizeOfRoid", 0).caption().isEmpty());
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(platform.messages().isEmpty());
}

TEST_F(LaserCycle, EntriesThatCannotBeMinedAreRefusedWithAMessage)
{
    const QStringList bad = {QStringLiteral("0.0"), QStringLiteral("-5"), QStringLiteral("abc")};
    for (const QString& text : bad) {
        enter(0, text, QStringLiteral("540"), QStringLiteral("180"));
        press(0);
        enter(0, QStringLiteral("5000"), text, QStringLiteral("180"));
        press(0);
        enter(0, QStringLiteral("5000"), QStringLiteral("540"), text);
        press(0);
    }
    EXPECT_FALSE(running(0));
    EXPECT_TRUE(c("lblSizeOfRoid", 0).caption().isEmpty());
    ASSERT_EQ(platform.messages().size(), 9);
    EXPECT_EQ(platform.messages().at(0),
              QStringLiteral("Laser 1 was not started:\nUnits of Ore must be a number above 0."));
    EXPECT_TRUE(
        platform.messages().at(4).contains(QStringLiteral("Mining Rate must be a number of m3 above 0.")));
    EXPECT_TRUE(platform.messages().at(8).contains(QStringLiteral("Cycle Duration must be")));

    // An ore without a volume, and a loaded asteroid whose mining amount was edited to 0.
    platform.clearRecords();
    c("cboRoidType", 2).setText(QStringLiteral("Unknown"));
    c("cboRoidType", 2).setTag(QString());
    enter(2, QStringLiteral("5000"), QStringLiteral("540"), QStringLiteral("180"), QStringLiteral("Unknown"));
    press(2);
    EXPECT_FALSE(running(2));
    enter(3, QStringLiteral("5000"), QStringLiteral("540"), QStringLiteral("180"));
    press(3);
    press(3);
    c("txtMiningRate", 3).setText(QStringLiteral("0"));
    press(3);
    EXPECT_FALSE(running(3));
    EXPECT_EQ(c("lblSizeOfRoid", 3).caption(), QStringLiteral("5000"));
    ASSERT_EQ(platform.messages().size(), 2);
    EXPECT_TRUE(platform.messages().at(0).contains(QStringLiteral("Choose the asteroid's ore")));
    EXPECT_TRUE(platform.messages().at(1).startsWith(QStringLiteral("Laser 4 was not started")));
}

TEST_F(LaserCycle, EntriesWhoseFiguresOverflowAreRefusedBeforeAnythingChanges)
{
    struct Case {
        const char* size;
        const char* rate;
        const char* cycle;
        const char* named;
    };
    const Case cases[] = {{"5000", "1e308", "60", "Mining Rate"},
                          {"1e308", "540", "60", "Units of Ore"},
                          {"5000", "540", "1e-300", "Cycle Duration"},
                          {"1e11", "1e-290", "60", "Units of Ore"}};
    for (const Case& k : cases) {
        platform.clearRecords();
        enter(0, QLatin1String(k.size), QLatin1String(k.rate), QLatin1String(k.cycle));
        press(0);
        ASSERT_EQ(platform.messages().size(), 1) << k.named;
        EXPECT_TRUE(platform.messages().first().startsWith(QStringLiteral("Laser 1 was not started:\n")));
        EXPECT_TRUE(platform.messages().first().contains(QLatin1String(k.named)))
            << platform.messages().first().toStdString();
        EXPECT_FALSE(running(0));
        EXPECT_FALSE(c("tmrMiningLaser", 0).enabled());
        EXPECT_TRUE(c("lblSizeOfRoid", 0).caption().isEmpty()); // no asteroid half loaded
        EXPECT_EQ(c("txtSizeOfRoid", 0).text(), QLatin1String(k.size));
        EXPECT_FALSE(platform.ended());
    }
    // A loaded asteroid whose mining amount is edited beyond range before a restart.
    platform.clearRecords();
    enter(0, QStringLiteral("5000"), QStringLiteral("540"), QStringLiteral("60"));
    press(0);
    press(0);
    c("txtMiningRate", 0).setText(QStringLiteral("1e308"));
    press(0);
    EXPECT_FALSE(running(0));
    EXPECT_EQ(c("lblSizeOfRoid", 0).caption(), QStringLiteral("5000"));
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_TRUE(platform.messages().first().contains(QStringLiteral("Mining Rate")));
}

// Each asteroid rounds the shared row at its depletion; the others of the same ore take that over,
// so that the row ends at the sum of the sizes however the fractions fall.
TEST_F(LaserCycle, OverlappingAsteroidsOfOneOreCreditExactlyTheirSizes)
{
    shared().RefreshInterval = 1000;
    enter(0, QStringLiteral("101"), QStringLiteral("7.3"), QStringLiteral("10"));
    enter(1, QStringLiteral("203"), QStringLiteral("6.1"), QStringLiteral("10"));
    enter(2, QStringLiteral("307"), QStringLiteral("4.7"), QStringLiteral("10"));
    enter(3, QStringLiteral("59"), QStringLiteral("8.9"), QStringLiteral("10"));
    for (int i = 0; i < 4; ++i)
        press(i);
    for (int n = 0; n < 100000 && (running(0) || running(1) || running(2) || running(3)); ++n)
        for (int i = 0; i < 4; ++i)
            if (running(i))
                tick(i);
    EXPECT_EQ(units(1), QStringLiteral("670"));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(countdown(i), QStringLiteral("Depleted"));
}

TEST_F(LaserCycle, FailingTickReportsOnceAndStopsThatLaser)
{
    oneUnitASecond(*this, 0, QStringLiteral("500"));
    oneUnitASecond(*this, 1, QStringLiteral("500"));
    press(0);
    press(1);
    shared().routines.AddOreMined = [](const QString& ore, double) {
        if (ore == QLatin1String("Jaspet"))
            throw RuntimeError(ErrTypeMismatch);
    };
    tick(0, 5);
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_EQ(platform.messages().first(),
              QStringLiteral("Error Number:13\nDescription :Type mismatch\nLine        :50"));
    EXPECT_FALSE(running(0));
    EXPECT_FALSE(c("tmrMiningLaser", 0).enabled());
    EXPECT_FALSE(c("txtMiningRate", 0).locked());
    EXPECT_TRUE(running(1)); // the other laser is untouched
    EXPECT_FALSE(platform.ended());
}

TEST_F(LaserCycle, RefreshRateIsRefusedWhileALaserRuns)
{
    c("optRefreshRate", 3).click();
    EXPECT_DOUBLE_EQ(shared().RefreshInterval, 1000);
    EXPECT_EQ(clicks, 1);
    enter(0, QStringLiteral("5000"), QStringLiteral("540"), QStringLiteral("180"));
    press(0);
    EXPECT_EQ(c("tmrMiningLaser", 0).interval(), 1000);
    clicks = 0;
    c("optRefreshRate", 1).click();
    EXPECT_DOUBLE_EQ(shared().RefreshInterval, 1000);
    EXPECT_EQ(c("optRefreshRate", 3).value(), 1);
    EXPECT_EQ(c("optRefreshRate", 1).value(), 0);
    EXPECT_EQ(clicks, 1);

    press(0);
    shared().IsLoading = true;
    c("optRefreshRate", 0).setValue(1);
    EXPECT_DOUBLE_EQ(shared().RefreshInterval, 62.5);
    EXPECT_EQ(clicks, 2); // the stop press only: a restored option is silent
}

} // namespace
