#include "timing/TimingFixture.h"
#include "toolkit/Conventions.h"

using namespace orebell;
using namespace orebell::test;

namespace {

using LaserInputs = TimingFixture;
using CargoHoldMonitor = TimingFixture;
using JetCanClock = TimingFixture;

TEST_F(LaserInputs, OreChoiceStoresTheVolumeOfItsBaseOre)
{
    c("cboRoidType", 0).setText(QStringLiteral("Crimson Arkonor"));
    EXPECT_EQ(c("cboRoidType", 0).tag(), QStringLiteral("16"));
    EXPECT_EQ(c("cboRoidType", 0).toolTipText(), QStringLiteral(" Crimson Arkonor volume: 16.00 "));
    c("cboRoidType", 1).setText(QStringLiteral("Dense Veldspar"));
    EXPECT_EQ(c("cboRoidType", 1).toolTipText(), QStringLiteral(" Dense Veldspar volume: 0.10 "));

    // A name outside the catalogue keeps the previous volume; with none there is nothing to
    // show, and nothing to report (a damaged store's name, before the load puts the default).
    c("cboRoidType", 1).setText(QStringLiteral("Shiny Rock"));
    EXPECT_EQ(c("cboRoidType", 1).tag(), QStringLiteral("0.1"));
    c("cboRoidType", 7).setText(QStringLiteral("Rock"));
    EXPECT_TRUE(c("cboRoidType", 7).tag().isEmpty());
    EXPECT_TRUE(platform.messages().isEmpty());
}

TEST_F(LaserInputs, NumberBoxesRefuseTextAndCleanPastedUnits)
{
    Control& size = c("txtSizeOfRoid", 0);
    size.setText(QStringLiteral("lots"));
    EXPECT_FALSE(size.validate());
    EXPECT_TRUE(size.text().isEmpty());
    EXPECT_TRUE(size.validate());
    size.setText(QStringLiteral("1,234.5"));
    EXPECT_TRUE(size.validate());

    Control& rate = c("txtMiningRate", 0);
    rate.setText(QStringLiteral("540 m3"));
    EXPECT_EQ(rate.text(), QStringLiteral("540"));
    EXPECT_EQ(rate.toolTipText(), QStringLiteral("540"));
    rate.setText(QStringLiteral("75 Ore units"));
    EXPECT_EQ(rate.text(), QStringLiteral("75"));

    c("txtCycleDurationInSeconds", 0).setText(QStringLiteral("45"));
    EXPECT_EQ(c("lblCycleCountdown", 0).caption(), QStringLiteral("45"));
    EXPECT_EQ(c("lblCycleCountdown", 0).tag(), QStringLiteral("45"));

    enter(1, QStringLiteral("5000"), QStringLiteral("540"), QStringLiteral("60"));
    press(1);
    press(1);
    c("txtSizeOfRoid", 1).setText(QStringLiteral("123456"));
    c("txtSizeOfRoid", 1).gotFocus();
    EXPECT_EQ(c("txtSizeOfRoid", 1).selLength(), 4); // as long as "5000"
}

TEST_F(LaserInputs, DoubleClickClearsOnlyAStoppedLoadedSlot)
{
    enter(0, QStringLiteral("5000"), QStringLiteral("100"), QStringLiteral("60"));
    press(0);
    c("lblPlusOne", 0).click();
    c("lblSizeOfRoid", 0).dblClick();
    EXPECT_EQ(c("lblSizeOfRoid", 0).caption(), QStringLiteral("5000"));
    press(0);
    c("lblSizeOfRoid", 0).dblClick();
    EXPECT_TRUE(c("lblSizeOfRoid", 0).caption().isEmpty());
    EXPECT_EQ(c("txtMiningRate", 0).text(), QStringLiteral("100"));
    EXPECT_EQ(c("lblNumFocused", 0).caption(), QStringLiteral("+"));
    EXPECT_EQ(c("lblOreName", 0).caption(), QStringLiteral("Ore"));
    EXPECT_EQ(c("lblCycleCountdown", 0).caption(), QStringLiteral("60"));
    EXPECT_EQ(c("lblSizeOfRoid", 0).toolTipText(), QStringLiteral(" Click to change color "));
}

TEST_F(LaserInputs, BarColoursSwitchExceptOnAStoppedLoadedSlot)
{
    c("lblProgress_bkgrnd", 2).click(); // black background: dark scheme everywhere
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(c("lblProgress", i).backColor(), 0x4A4946u);
        EXPECT_EQ(c("lblProgress_bkgrnd", i).backColor(), 0xAAu);
    }
    enter(0, QStringLiteral("5000"), QStringLiteral("100"), QStringLiteral("60"));
    press(0);
    press(0);
    c("lblProgress", 0).click();
    EXPECT_EQ(c("lblProgress", 0).backColor(), 0x4A4946u);
    c("lblSizeOfRoid", 1).click();
    EXPECT_EQ(c("lblProgress", 4).backColor(), 0xFFFFu);
    EXPECT_EQ(c("lblSizeOfRoid", 4).foreColor(), 0x555555u);
}

// Laser 0 pulls rate/60 m3 a second of Veldspar; one 1-second tick on top of a given fill.
void fillBy(TimingFixture& t, const QString& fill, const QString& rate)
{
    t.shared().RefreshInterval = 1000;
    if (!t.running(0)) {
        t.enter(0, QStringLiteral("100000000"), rate, QStringLiteral("60"));
        t.press(0);
    }
    t.c("lblCargoHold", 0).setTag(fill);
    t.tick(0);
}

TEST_F(CargoHoldMonitor, FillWarnsOnlyAboveCapacity)
{
    const int full = c("lblCargoHoldProgress_bkgrnd", 0).width();
    fillBy(*this, QStringLiteral("999.9"), QStringLiteral("6")); // 0.1 m3 a second
    EXPECT_EQ(c("lblCargoHold", 0).caption(), QStringLiteral("1000.0 m3"));
    EXPECT_FALSE(c("lblStopMining", 0).visible());
    EXPECT_EQ(c("lblCargoHold", 0).foreColor(), 0xC0C0C0u);
    EXPECT_EQ(c("lblCargoHoldProgressPercBar", 0).width(), full);
    fillBy(*this, QStringLiteral("1000"), QStringLiteral("6"));
    EXPECT_EQ(c("lblCargoHold", 0).caption(), QStringLiteral("1000.1 m3"));
    EXPECT_TRUE(c("lblStopMining", 0).visible());
    EXPECT_EQ(c("lblCargoHold", 0).foreColor(), 255u);
    fillBy(*this, QStringLiteral("1999.9"), QStringLiteral("6")); // twice the capacity
    EXPECT_EQ(c("lblCargoHoldProgressPercBar", 0).width(), full);
}

TEST_F(CargoHoldMonitor, SmallFillShowsNoBarAndUntickingKeepsTheFill)
{
    fillBy(*this, QStringLiteral("0"), QStringLiteral("2.4")); // 0.04 m3
    EXPECT_EQ(c("lblCargoHold", 0).caption(), QStringLiteral("0.0 m3"));
    EXPECT_FALSE(c("lblCargoHoldProgressPercBar", 0).visible());
    tick(0, 12); // 0.52 m3
    EXPECT_EQ(c("lblCargoHold", 0).caption(), QStringLiteral("0.5 m3"));

    c("chkMonitorCargoHold", 0).click();
    EXPECT_EQ(c("chkMonitorCargoHold", 0).value(), 0);
    tick(0, 5); // not monitored: the fill stands still
    EXPECT_EQ(c("lblCargoHold", 0).caption(), QStringLiteral("0 m3"));
    EXPECT_DOUBLE_EQ(textToNumber(c("lblCargoHold", 0).tag()), 0.52);
    c("chkMonitorCargoHold", 0).click();
    EXPECT_EQ(c("lblCargoHold", 0).caption(), QStringLiteral("0 m3")); // until the next tick
    tick(0, 2); // then on from the fill before, not from 0
    EXPECT_EQ(c("lblCargoHold", 0).caption(), QStringLiteral("0.6 m3"));
    EXPECT_DOUBLE_EQ(textToNumber(c("lblCargoHold", 0).tag()), 0.6);
}

TEST_F(CargoHoldMonitor, LasersFillTheHoldWhichEmptiesOnlyWhenAllStop)
{
    shared().RefreshInterval = 1000;
    enter(0, QStringLiteral("5000"), QStringLiteral("60"), QStringLiteral("60")); // 1 m3 a second
    enter(1, QStringLiteral("5000"), QStringLiteral("120"), QStringLiteral("60"));
    press(0);
    press(1);
    tick(0, 3);
    tick(1, 3);
    EXPECT_EQ(c("lblCargoHold", 0).caption(), QStringLiteral("9.0 m3"));
    c("lblCargoHold", 0).dblClick();
    EXPECT_EQ(c("lblCargoHold", 0).caption(), QStringLiteral("9.0 m3"));
    press(0);
    press(1);
    c("lblCargoHold", 0).dblClick();
    EXPECT_EQ(c("lblCargoHold", 0).caption(), QStringLiteral("0 m3"));
    EXPECT_EQ(c("lblCargoHold", 0).tag(), QStringLiteral("0"));
}

TEST_F(CargoHoldMonitor, UnusableCapacityIsMarkedNotFailed)
{
    shared().RefreshInterval = 1000;
    enter(0, QStringLiteral("5000"), QStringLiteral("60"), QStringLiteral("60"));
    press(0);
    c("txtCargoHold", 0).setText(QStringLiteral("0"));
    tick(0, 2);
    EXPECT_TRUE(running(0));
    EXPECT_TRUE(platform.messages().isEmpty());
    EXPECT_EQ(c("lblCargoHold", 0).caption(), QStringLiteral("2.0 m3"));
    EXPECT_EQ(c("txtCargoHold", 0).foreColor(), 255u);
    EXPECT_TRUE(c("txtCargoHold", 0).toolTipText().contains(QStringLiteral("above 0")));
    c("txtCargoHold", 0).setText(QStringLiteral("full"));
    c("chkMonitorCargoHold", 0).click();
    EXPECT_EQ(c("txtCargoHold", 0).text(), QStringLiteral("1000"));
    EXPECT_EQ(c("txtCargoHold", 0).toolTipText(), QStringLiteral(" Max m3 of Mining Vessel's Cargo Hold "));
}

TEST_F(JetCanClock, ShowsMinutesAndSecondsAndRemindsEachHour)
{
    platform.setTimeOfDay(1000);
    c("lblJetButton", 1).click();
    EXPECT_EQ(c("lblJetButton", 1).caption(), QStringLiteral("X"));
    EXPECT_EQ(c("shpClockTimerBorder", 1).borderColor(), 0x80FFu);
    EXPECT_EQ(c("tmrJetCan", 1).interval(), 1000);
    auto at = [&](double seconds) {
        platform.setTimeOfDay(1000 + seconds);
        c("tmrJetCan", 1).fire();
        return c("lblClockTimer", 1).caption();
    };
    EXPECT_EQ(at(125), QStringLiteral("02:05"));
    EXPECT_EQ(at(45 * 60 - 1), QStringLiteral("44:59"));
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(at(45 * 60), QStringLiteral("45:00"));
    EXPECT_EQ(at(45 * 60 + 1), QStringLiteral("45:01"));
    EXPECT_EQ(events, std::vector<int>{4});
    EXPECT_EQ(c("lblClockTimer", 1).backColor(), 255u);
    EXPECT_EQ(at(60 * 60), QStringLiteral("00:00"));
    EXPECT_EQ(c("lblClockTimer", 1).backColor(), 0x404040u);
    EXPECT_EQ(at(105 * 60), QStringLiteral("45:00"));
    EXPECT_EQ(events, (std::vector<int>{4, 4}));

    c("lblJetButton", 1).click();
    EXPECT_FALSE(c("tmrJetCan", 1).enabled());
    EXPECT_EQ(c("lblClockTimer", 1).caption(), QStringLiteral("00:00"));
    EXPECT_EQ(c("lblClockTimer", 1).backColor(), 0x404040u);
    EXPECT_EQ(c("lblClockTimer", 1).tag(), QStringLiteral("0"));
    EXPECT_EQ(c("lblJetButton", 1).caption(), QStringLiteral("JET"));
    EXPECT_EQ(clicks, 2);
}

TEST_F(JetCanClock, KeepsCountingAcrossMidnight)
{
    platform.setTimeOfDay(86400 - 30);
    c("lblJetButton", 0).click();
    platform.setTimeOfDay(95);
    c("tmrJetCan", 0).fire();
    EXPECT_EQ(c("lblClockTimer", 0).caption(), QStringLiteral("02:05"));
}

// A can 9 s old when NTP or the player sets the clock back ten minutes, then forward an hour: it
// stays 9 s old, with no reminder, and its launch time stays the time of day it was launched at.
TEST_F(JetCanClock, SettingTheSystemClockNeitherMakesTheAgeNegativeNorMovesIt)
{
    platform.setTimeOfDay(50000);
    c("lblJetButton", 2).click();
    const QString launched = c("lblClockTimer", 2).tag();
    platform.passTime(9);
    platform.correctClock(-600);
    c("tmrJetCan", 2).fire();
    EXPECT_EQ(c("lblClockTimer", 2).caption(), QStringLiteral("00:09"));
    EXPECT_EQ(c("lblClockTimer", 2).backColor(), 0x404040u);
    EXPECT_TRUE(events.empty());
    platform.correctClock(3600);
    platform.passTime(1);
    c("tmrJetCan", 2).fire();
    EXPECT_EQ(c("lblClockTimer", 2).caption(), QStringLiteral("00:10"));
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(c("lblClockTimer", 2).tag(), launched);

    // A clock whose timer was started without its button counts from the launch time in its tag
    // once, then on the steady clock.
    c("lblClockTimer", 0).setTag(QStringLiteral("49000"));
    c("tmrJetCan", 0).setInterval(1000);
    c("tmrJetCan", 0).setEnabled(true);
    c("tmrJetCan", 0).fire();
    EXPECT_EQ(c("lblClockTimer", 0).caption(), QStringLiteral("06:50"));
    platform.correctClock(-7200);
    platform.passTime(2);
    c("tmrJetCan", 0).fire();
    EXPECT_EQ(c("lblClockTimer", 0).caption(), QStringLiteral("06:52"));
}

TEST_F(JetCanClock, ReminderOfZeroIsDueOnTheFirstTick)
{
    jetcanMinutes = 0;
    c("lblJetButton", 3).click();
    c("tmrJetCan", 3).fire();
    EXPECT_EQ(c("lblClockTimer", 3).backColor(), 255u);
    EXPECT_EQ(events, std::vector<int>{4});
}

} // namespace
