#include "app/Program.h"
#include "data/Shared.h"
#include "support/TestPlatform.h"
#include "toolkit/Conventions.h"
#include "toolkit/Grid.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace orebell::test {
namespace {

const QDateTime T0 = QDateTime(QDate(2026, 12, 5), QTime(18, 30), Qt::UTC);

// The whole program on a fresh store and a real SQLite log in its temporary folder.
struct HistoryTest : ::testing::TestWithParam<QLocale::Language> {
    QLocale saved;
    TestPlatform platform;
    std::unique_ptr<Program> program;

    void SetUp() override
    {
        QLocale::setDefault(GetParam() == QLocale::German ? QLocale(QLocale::German, QLocale::Germany)
                                                          : QLocale(QLocale::English, QLocale::UnitedStates));
        platform.setUtcNow(T0);
        startProgram();
    }
    void TearDown() override { QLocale::setDefault(saved); }

    void startProgram()
    {
        program = std::make_unique<Program>(platform);
        program->run();
        c("txtStationNetYield", 0).setText(numberToText(96.2));
        c("txtStationCommsission", 0).setText(numberToText(5));
        c("txtStationTax", 0).setText(numberToText(1.5));
        for (int k = 0; k < 16; ++k)
            c("txtProcessingSkill", k).setText(QStringLiteral("0"));
        c("txtProcessingSkill", 1).setText(QStringLiteral("2")); // Scordite
        for (int k = 0; k < 8; ++k)
            c("txtMarketValue", k).setText(numberToText(1.75 + k));
        c("chkVirtualRefining", 0).setValue(1);
        platform.clearRecords();
    }

    Control& c(const char* name, int i = -1) { return program->mainForm().control(QLatin1String(name), i); }
    Grid& grid() { return program->mainForm().grid(QStringLiteral("mshflexOreMined")); }
    // Time passes until the clock reads T0 + seconds.
    void at(int seconds)
    {
        platform.passTime(static_cast<double>(platform.utcNow().secsTo(T0.addSecs(seconds))));
    }
    void enter(int slot, const char* ore, const char* size, const char* rate, const char* cycle)
    {
        c("cboRoidType", slot).setText(QLatin1String(ore));
        c("txtSizeOfRoid", slot).setText(QLatin1String(size));
        c("txtMiningRate", slot).setText(QLatin1String(rate));
        c("txtCycleDurationInSeconds", slot).setText(QLatin1String(cycle));
    }
    void press(int slot) { c("btnActivateTimer", slot).click(); }
    void tick(int slot, int n)
    {
        for (int k = 0; k < n; ++k)
            c("tmrMiningLaser", slot).fire();
    }
    bool running(int slot) { return c("btnActivateTimer", slot).caption() == QLatin1String("!"); }
    void controlButton(int index) { c("lblControlButton", index).click(); }
    std::map<QString, double> gridUnits()
    {
        std::map<QString, double> units;
        for (int r = 1; r < grid().rows() - 1; ++r)
            units[grid().textMatrix(r, 0)] = textToNumberOrZero(grid().textMatrix(r, 1));
        return units;
    }
    static std::map<QString, double> unitsOf(const Trip& trip)
    {
        std::map<QString, double> units;
        for (const TripOre& o : trip.ores)
            units[o.oreName] += o.units;
        return units;
    }
    std::vector<Trip> trips() { return platform.miningLog()->trips(); }
};

TEST_P(HistoryTest, AScriptedSessionIsRecordedAsTheGridAndTheEstimateShowIt)
{
    enter(0, "Veldspar", "20000", "100", "60"); // 1000 units a minute
    enter(1, "Scordite", "300", "90", "30");    // mined out in 15 s
    press(0);
    press(1);
    ASSERT_TRUE(running(0) && running(1));
    at(15);
    tick(1, 400);
    ASSERT_FALSE(running(1));
    tick(0, 2000); // 125 s: two cycles complete
    at(125);

    // What the window shows at the moment of the Refine.
    program->shared().routines.RefreshValuation();
    const auto units = gridUnits();
    std::array<double, 8> boxes{};
    for (int k = 0; k < 8; ++k)
        boxes[static_cast<std::size_t>(k)] = textToNumber(c("txtMineralsMinedFromOre", k).text());
    const QString iskCaption = c("lblIskFromRefinedOre", 0).caption();
    controlButton(18);

    auto log = trips();
    ASSERT_EQ(log.size(), 1u);
    const Trip& first = log[0];
    EXPECT_EQ(unitsOf(first), units);
    EXPECT_EQ(units.at(QStringLiteral("Scordite")), 300);
    EXPECT_EQ(first.estimate, boxes);
    EXPECT_EQ(formatNumber(first.isk, QStringLiteral("###,###,##0")) + QStringLiteral(" isk"), iskCaption);
    EXPECT_GT(first.isk, 0);
    EXPECT_EQ(first.start, T0);
    EXPECT_EQ(first.end, T0.addSecs(125));
    EXPECT_EQ(first.miningSeconds, 125);
    EXPECT_EQ(first.cycles, 2);
    EXPECT_EQ(first.asteroidsMinedOut, 1);
    EXPECT_EQ(first.endedBy, TripEnd::Refine);
    ASSERT_TRUE(first.refined);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ((*first.refined)[static_cast<std::size_t>(k)], textToNumber(c("txtRefinedOre", k).text()));

    // The laser mines on into a second trip; idle time before the Reset does not count.
    const auto leftover = gridUnits();
    tick(0, 100);
    at(200);
    press(0);
    at(300);
    const auto before = gridUnits();
    controlButton(15);
    log = trips();
    ASSERT_EQ(log.size(), 2u);
    const Trip& second = log[1];
    EXPECT_EQ(second.start, T0.addSecs(125));
    EXPECT_EQ(second.end, T0.addSecs(300));
    EXPECT_EQ(second.miningSeconds, 75);
    EXPECT_EQ(second.endedBy, TripEnd::Reset);
    EXPECT_FALSE(second.refined);
    const QString veldspar = QStringLiteral("Veldspar");
    EXPECT_EQ(unitsOf(second),
              (std::map<QString, double>{{veldspar, before.at(veldspar) - leftover.at(veldspar)}}));
    EXPECT_EQ(second.cycles, 0);

    // A laser started and stopped without mining makes no trip.
    enter(2, "Omber", "5000", "50", "60");
    press(2);
    press(2);
    controlButton(15);
    EXPECT_EQ(trips().size(), 2u);
    EXPECT_TRUE(platform.messages().isEmpty());
}

// The ore-mined count is read back on every tick; a count that another routine (a load, a hand
// edit) or a change of locale gives between ticks is what the next tick credits from.
// The system clock set forward an hour during a 16 s trip, then back ten minutes during the
// next: the trips last what they lasted, and none ends before it began.
TEST_P(HistoryTest, SettingTheSystemClockMidTripChangesNoDuration)
{
    enter(0, "Veldspar", "200000", "1000", "60"); // 10,000 units a minute
    press(0);
    tick(0, 128);
    platform.passTime(8);
    platform.correctClock(3600);
    tick(0, 128);
    platform.passTime(8);
    press(0);
    controlButton(15); // Reset
    press(0);
    tick(0, 64);
    platform.passTime(4);
    platform.correctClock(-600);
    tick(0, 64);
    platform.passTime(4);
    press(0);
    controlButton(15);

    const auto log = trips();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].miningSeconds, 16);
    EXPECT_EQ(log[0].start, T0);
    EXPECT_EQ(log[0].start.msecsTo(log[0].end), 16000);
    EXPECT_EQ(log[1].miningSeconds, 8);
    EXPECT_EQ(log[1].start, T0.addSecs(3616)); // the date the player reads: after the correction
    EXPECT_EQ(log[1].start.msecsTo(log[1].end), 8000);
    EXPECT_GT(log[0].iskPerHour(), 0);
    EXPECT_DOUBLE_EQ(log[0].iskPerHour(), log[0].isk * 3600 / 16);
}

TEST_P(HistoryTest, ATripHoldsWhatTheGridGainedWhenItsCountChangesBetweenTicks)
{
    enter(0, "Veldspar", "20000", "100", "60");
    press(0);
    tick(0, 10);
    const QString veldspar = QStringLiteral("Veldspar");
    const double first = gridUnits().at(veldspar);
    ASSERT_GT(first, 0);
    int row = 1;
    while (grid().textMatrix(row, 0) != veldspar)
        ++row;
    grid().setTextMatrix(row, 1, formatNumber(5000.25, QStringLiteral("#,###.0000000000")));
    tick(0, 10);
    const double second = gridUnits().at(veldspar) - 5000.25;
    // Text written in one locale and read in the other: 1.5 in German is 15 in English.
    const QLocale current;
    grid().setTextMatrix(row, 1, QStringLiteral("1,5"));
    QLocale::setDefault(GetParam() == QLocale::German ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                      : QLocale(QLocale::German, QLocale::Germany));
    // The asteroid's and the hold's own tallies are read in the new locale too.
    c("lblOreName", 0).setTag(QStringLiteral("0"));
    c("lblCargoHold", 0).setTag(QStringLiteral("0"));
    const double read = numericValue(grid().textMatrix(row, 1)).value_or(0);
    tick(0, 10);
    const double third = numericValue(grid().textMatrix(row, 1)).value_or(0) - read;
    QLocale::setDefault(current);
    press(0);
    controlButton(15);
    const auto log = trips();
    ASSERT_EQ(log.size(), 1u) << platform.messages().join(QLatin1Char('|')).toStdString();
    EXPECT_DOUBLE_EQ(unitsOf(log[0]).at(veldspar), first + second + third);
    EXPECT_NEAR(second, first, 1e-6);
    EXPECT_NEAR(third, first, 1e-6);
}

TEST_P(HistoryTest, EveryWayOutEndsTheTrip)
{
    enter(0, "Veldspar", "20000", "100", "60");
    press(0);
    tick(0, 160);
    at(10);
    program->shared().routines.SaveOnExit(); // the desktop ends the session
    auto log = trips();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].endedBy, TripEnd::Exit);
    EXPECT_EQ(log[0].miningSeconds, 10);

    startProgram();
    enter(0, "Veldspar", "20000", "100", "60");
    press(0);
    tick(0, 16);
    controlButton(6); // the close button
    log = trips();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].endedBy, TripEnd::Close);
    EXPECT_TRUE(platform.ended());
    EXPECT_TRUE(platform.messages().isEmpty());
}

TEST_P(HistoryTest, ADamagedLogIsSetAsideWithOneMessageAndTheSessionGoesOn)
{
    program.reset();
    {
        QFile f(platform.miningLogPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a database at all, but long enough to have a header of sorts............");
    }
    startProgram();
    // The log is checked in the background once the window shows, before any trip.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.messages().isEmpty(); }, 10000));
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_TRUE(platform.messages().first().contains(QStringLiteral("mining log")));

    enter(0, "Veldspar", "20000", "100", "60");
    press(0);
    tick(0, 32);
    press(0);
    controlButton(15);
    EXPECT_EQ(trips().size(), 1u);
    EXPECT_EQ(platform.messages().size(), 1);
    EXPECT_TRUE(platform.storeValue(QStringLiteral("Settings"), QStringLiteral("txtStationTax 0")).isEmpty());
}

// The log cannot be written and its trips cannot wait in their file either: the close says they
// are at risk, though the player heard of the log before.
TEST_P(HistoryTest, TripsKeptNowhereAreToldAtTheClose)
{
    program.reset();
    QDir().mkpath(platform.miningLogPath()); // folders where the log and its waiting trips would be
    QDir().mkpath(platform.miningLogPath() + QStringLiteral(".pending"));
    startProgram();
    enter(0, "Veldspar", "20000", "100", "60");
    press(0);
    tick(0, 32);
    press(0);
    controlButton(15); // Reset: the first trip, told once
    ASSERT_EQ(platform.messages().size(), 1);
    EXPECT_TRUE(platform.messages().first().contains(QStringLiteral("cannot be kept")));
    press(0);
    tick(0, 16);
    controlButton(6); // the close button
    EXPECT_TRUE(platform.ended());
    ASSERT_EQ(platform.messages().size(), 2);
    EXPECT_TRUE(platform.messages().last().contains(QStringLiteral("2 trip(s)")))
        << platform.messages().last().toStdString();
}

// While the lasers mine, the log can show the trip so far (valued as the window values it), and
// it keeps nothing until the trip ends; the trip then kept is the one that was shown.
TEST_P(HistoryTest, TheTripSoFarIsShownLiveAndKeptOnlyWhenItEnds)
{
    MiningLog& log = *platform.miningLog();
    EXPECT_FALSE(log.tripInProgress());
    enter(0, "Veldspar", "20000", "100", "60");
    press(0);
    at(30);
    auto live = log.tripInProgress();
    ASSERT_TRUE(live);
    EXPECT_EQ(live->units(), 0);
    EXPECT_EQ(live->miningSeconds, 30);
    EXPECT_EQ(live->end, T0.addSecs(30));
    tick(0, 1200); // 75 s: one cycle complete
    at(75);
    live = log.tripInProgress();
    ASSERT_TRUE(live);
    EXPECT_EQ(unitsOf(*live), gridUnits());
    EXPECT_GT(live->isk, 0);
    EXPECT_EQ(live->cycles, 1);
    EXPECT_EQ(live->miningSeconds, 75);
    EXPECT_TRUE(live->endedBy.isEmpty());
    EXPECT_TRUE(trips().empty()); // never written before it ends

    press(0);
    at(100); // idle time is not mining time
    live = log.tripInProgress();
    ASSERT_TRUE(live);
    EXPECT_EQ(live->miningSeconds, 75);
    controlButton(15); // Reset
    EXPECT_FALSE(log.tripInProgress());
    const auto kept = trips();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].isk, live->isk);
    EXPECT_EQ(kept[0].miningSeconds, 75);
    EXPECT_EQ(unitsOf(kept[0]), unitsOf(*live));

    program.reset(); // the log outlives the program: it no longer asks it
    EXPECT_FALSE(log.tripInProgress());
}

INSTANTIATE_TEST_SUITE_P(Locales, HistoryTest, ::testing::Values(QLocale::English, QLocale::German),
                         [](const auto& info) {
                             return info.param == QLocale::German ? "German" : "English";
                         });

} // namespace
} // namespace orebell::test
