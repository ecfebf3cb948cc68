// A simulated day of mining in the model: seven lasers reloaded as their asteroids run out,
// stopped and resumed at random moments, doubled up and down, four jet-can clocks running across
// midnight, a Refine every hour and a save with a restart every six hours. Timers are fired in
// the order a running program would deliver them; nothing sleeps.
//
// The ore-mined record is followed call by call: every change the program makes to it must be a
// credit of mined units, a re-format to whole units, or a refine of whole batches, and the
// ledger of those must add up to what the asteroids held.

#include "app/Program.h"
#include "data/MineralData.h"
#include "data/Shared.h"
#include "support/TestPlatform.h"
#include "toolkit/Form.h"
#include "toolkit/Grid.h"

#include <QHash>
#include <QLocale>
#include <QString>

#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define OREBELL_SOAK_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OREBELL_SOAK_SANITIZED 1
#endif
#endif

namespace orebell::test {
namespace {

// Simulated time runs in steps of 1/16 s, the finest refresh rate; every other period is a whole
// number of steps.
constexpr double StepMs = 62.5;
constexpr std::int64_t StepsPerSecond = 16;
constexpr std::int64_t StepsPerMinute = 60 * StepsPerSecond;
constexpr std::int64_t StepsPerHour = 60 * StepsPerMinute;
constexpr std::int64_t Day = 24 * StepsPerHour;
// The session starts in the afternoon, so the jet-can clocks cross midnight.
constexpr double DayStartSeconds = 13 * 3600 + 17 * 60 + 0.5;
constexpr int Lasers = 7;
constexpr int JetCans = 4;
constexpr std::uint32_t Red = 255;

constexpr double NetYield = 96.2;
constexpr double Commission = 5.0;
constexpr double Tax = 2.5;
// Skill levels by base-ore index (Veldspar ... Mercoxit).
constexpr std::array<int, 16> Skills = {1, 0, 2, 0, 0, 3, 0, 0, 1, 0, 0, 0, 4, 0, 2, 0};
const char* const BaseOres[16] = {"Veldspar", "Scordite",   "Pyroxeres",  "Plagioclase", "Omber", "Kernite",
                                  "Jaspet",   "Hemorphite", "Hedbergite", "Gneiss",      "Ochre", "Spodumain",
                                  "Crokite",  "Bistot",     "Arkonor",    "Mercoxit"};

// Cycle lengths in seconds; most are not a whole number of 1 s ticks, some not of 1/16 s ticks.
const char* const CycleTexts[] = {"60",   "180",    "90",   "37.3", "123.45",
                                  "59.9", "100.03", "7.77", "45",   "200.5"};

double wholeEven(double v) { return std::nearbyint(v); } // the default rounding mode ties to even

// A count or entry as the player reads it: empty is nothing.
double readNumber(const QString& text)
{
    if (text.trimmed().isEmpty())
        return 0;
    bool ok = false;
    const double v = QLocale().toDouble(text, &ok);
    if (!ok)
        ADD_FAILURE() << "not a number: " << text.toStdString();
    return v;
}

long residentKiB()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return static_cast<long>(counters.WorkingSetSize / 1024);
#else
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
#endif
}

struct Asteroid {
    QString ore;
    double size = 0;
    double credited = 0; // units the laser passed to the record: tick pulls and the final top-up
    // What re-formatting the row changed that this asteroid took over: at its own stops, and at
    // the depletion of another asteroid of its ore while it was loaded (the first such slot).
    double stopRounding = 0;
    bool open = true;
};

// Where grid changes may come from at a given moment.
enum class Context { Idle, Tick, Stop };

struct OreLedger {
    double expected = 0;        // what the row should hold, from the calls seen
    double credits = 0;         // every credit of mined units
    double reformats = 0;       // re-formats to whole units
    double refineRoundings = 0; // the refine's rounding of the count before taking whole batches
    double formatError = 0;     // the ten-decimal count format's rounding of each credit
    double refinedUnits = 0;    // ore units refined in whole batches
    double unattributed = 0;    // re-formats at a depletion (no running asteroid takes them)
};

class SoakSession {
public:
    SoakSession() : rng_(20261207)
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        LoadMineralYields(yields_);
        for (int r = 0; r < 48; ++r)
            ores_.push_back(yields_.row(r).oreName);
    }

    void run();

private:
    // --- the program -------------------------------------------------------------------------
    Form& main() { return program_->mainForm(); }
    Control& c(const char* name, int i = -1) { return main().control(QLatin1String(name), i); }
    Grid& grid() { return main().grid(QStringLiteral("mshflexOreMined")); }
    bool running(int i) { return c("btnActivateTimer", i).caption() == QLatin1String("!"); }
    bool loaded(int i) { return !c("lblSizeOfRoid", i).caption().isEmpty(); }

    void startProgram();
    void firstSettings();
    void saveAndRestart();

    // --- the record ----------------------------------------------------------------------------
    double row(const QString& ore);
    void addOreMined(const std::function<void(const QString&, double)>& inner, const QString& ore,
                     double units);
    void checkRecord(const char* when);

    // --- time ----------------------------------------------------------------------------------
    std::int64_t steps(double periodMs);
    void arm(Control& timer, std::int64_t& next, bool& armed);
    void advance();
    void fireLaser(int i);
    void fireJet(int j);

    // --- the player ----------------------------------------------------------------------------
    std::int64_t randomSteps(double meanSeconds);
    void loadAsteroid(int i);
    void press(int i);
    void slotAction(int i);
    void finishAsteroid(int i, bool depleted);
    void refine();
    void switchRate(int option);
    void startJet(int j);
    void finalChecks();

    TestPlatform platform_;
    std::unique_ptr<Program> program_;
    MineralYields yields_;
    std::vector<QString> ores_;
    std::mt19937_64 rng_;

    std::int64_t now_ = 0;
    std::array<std::int64_t, Lasers> laserNext_{};
    std::array<bool, Lasers> laserArmed_{};
    std::array<std::int64_t, Lasers> actionAt_{};
    std::array<int, Lasers> asteroidOf_{};
    std::array<std::int64_t, JetCans> jetNext_{};
    std::array<bool, JetCans> jetArmed_{};
    std::array<std::int64_t, JetCans> jetStart_{};

    std::vector<Asteroid> asteroids_;
    QHash<QString, OreLedger> ledger_;
    std::array<double, 8> refinedMinerals_{};
    Context context_ = Context::Idle;
    int contextSlot_ = -1;

public:
    int depleted = 0;
    int dropped = 0;
    int stops = 0;
    int doublings = 0;
    int refines = 0;
    int restarts = 0;
    std::int64_t laserTicks = 0;
    std::int64_t jetTicks = 0;
    long rssHour2 = 0;
    long rssEnd = 0;
    std::vector<std::pair<std::int64_t, long>> rssByHour; // before each restart
};

// --------------------------------------------------------------------------------------------
// The program

void SoakSession::startProgram()
{
    program_ = std::make_unique<Program>(platform_);
    Routines& r = program_->shared().routines;
    r.AddOreMined = [this, inner = r.AddOreMined](const QString& ore, double units) {
        addOreMined(inner, ore, units);
    };
    program_->run();
    laserArmed_ = {};
    jetArmed_ = {};
    asteroidOf_.fill(-1);
}

void SoakSession::firstSettings()
{
    c("txtLasers", 0).setText(QStringLiteral("7"));
    c("txtStationNetYield", 0).setText(QString::number(NetYield));
    c("txtStationCommsission", 0).setText(QString::number(Commission));
    c("txtStationTax", 0).setText(QString::number(Tax));
    for (int k = 0; k < 16; ++k)
        c("txtProcessingSkill", k).setText(QString::number(Skills[k]));
    c("txtMineralsYieldGoal", 6).setText(QStringLiteral("50000000"));
    c("txtMineralsYieldGoal", 1).setText(QStringLiteral("200000"));
    c("txtCargoHold", 0).setText(QStringLiteral("25000"));
    c("chkMonitorCargoHold", 0).setValue(1);
    ASSERT_EQ(c("chkMonitorCargoHold", 0).value(), 1);
    ASSERT_EQ(c("chkVirtualRefining", 0).value(), 1);
    c("optRefreshRate", 3).click();
    ASSERT_EQ(program_->shared().RefreshInterval, 1000.0);
}

void SoakSession::saveAndRestart()
{
    // Whatever is still on a loaded asteroid goes with the program; what it had pulled stays in
    // the record.
    for (int i = 0; i < Lasers; ++i)
        if (asteroidOf_[i] >= 0)
            finishAsteroid(i, false);
    checkRecord("before the save");
    QHash<QString, QString> before;
    for (int r = 1; r < grid().rows() - 1; ++r)
        before.insert(grid().textMatrix(r, 0), grid().textMatrix(r, 1));
    std::array<QString, 8> refinedBefore;
    for (int k = 0; k < 8; ++k)
        refinedBefore[k] = c("txtRefinedOre", k).text();

    c("lblControlButton", 6).click();
    ASSERT_TRUE(main().unloaded());
    ASSERT_TRUE(platform_.ended());
    ASSERT_TRUE(platform_.messages().isEmpty()) << platform_.messages().join(QLatin1Char('\n')).toStdString();
    program_.reset();
    startProgram();
    ++restarts;

    ASSERT_EQ(program_->shared().RefreshInterval, 1000.0) << "the refresh rate came back";
    ASSERT_EQ(grid().rows() - 2, before.size()) << "every ore row came back";
    for (int r = 1; r < grid().rows() - 1; ++r)
        EXPECT_EQ(grid().textMatrix(r, 1), before.value(grid().textMatrix(r, 0)))
            << grid().textMatrix(r, 0).toStdString();
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(c("txtRefinedOre", k).text(), refinedBefore[k]);
    checkRecord("after the restart");
    for (int j = 0; j < JetCans; ++j)
        startJet(j);
    for (int i = 0; i < Lasers; ++i)
        actionAt_[i] = now_ + randomSteps(20);
}

// --------------------------------------------------------------------------------------------
// The record

double SoakSession::row(const QString& ore)
{
    Grid& g = grid();
    for (int r = 1; r < g.rows(); ++r)
        if (g.textMatrix(r, 0) == ore)
            return readNumber(g.textMatrix(r, 1));
    return 0;
}

void SoakSession::addOreMined(const std::function<void(const QString&, double)>& inner, const QString& ore,
                              double units)
{
    const double before = row(ore);
    inner(ore, units);
    const double after = row(ore);
    OreLedger& l = ledger_[ore];
    if (context_ == Context::Idle) {
        ADD_FAILURE() << "the record changed outside a tick or a stop: " << ore.toStdString();
        return;
    }
    Asteroid* a = asteroidOf_[contextSlot_] >= 0 ? &asteroids_[asteroidOf_[contextSlot_]] : nullptr;
    if (!a || a->ore != ore) {
        ADD_FAILURE() << "laser " << contextSlot_ + 1 << " credited " << ore.toStdString()
                      << ", which is not its asteroid's ore";
        return;
    }
    if (units != 0) {
        // The count keeps ten decimals (of a sum first kept to fifteen significant digits).
        const double error = after - (before + units);
        EXPECT_LE(std::fabs(error), 5e-11 + 1e-14 * std::fabs(after)) << ore.toStdString();
        l.credits += units;
        l.formatError += error;
        l.expected += units + error;
        a->credited += units;
        return;
    }
    // A re-format shows the count in whole units.
    const double rounding = wholeEven(before) - before;
    EXPECT_EQ(after, wholeEven(before)) << ore.toStdString();
    l.reformats += rounding;
    l.expected += rounding;
    Asteroid* heir = context_ == Context::Stop ? a : nullptr;
    for (int j = 0; !heir && j < Lasers; ++j)
        if (j != contextSlot_ && asteroidOf_[j] >= 0 && asteroids_[asteroidOf_[j]].ore == ore)
            heir = &asteroids_[asteroidOf_[j]];
    if (heir)
        heir->stopRounding += rounding;
    else
        l.unattributed += rounding;
}

void SoakSession::checkRecord(const char* when)
{
    for (auto it = ledger_.cbegin(); it != ledger_.cend(); ++it)
        ASSERT_NEAR(row(it.key()), it->expected, 1e-6) << it.key().toStdString() << ' ' << when;
    for (int r = 1; r < grid().rows() - 1; ++r)
        ASSERT_TRUE(ledger_.contains(grid().textMatrix(r, 0))) << "a row nobody mined: " << when;
    ASSERT_TRUE(grid().textMatrix(grid().rows() - 1, 0).isEmpty()) << "the last row is empty: " << when;
}

// --------------------------------------------------------------------------------------------
// Time

std::int64_t SoakSession::steps(double periodMs)
{
    const double n = periodMs / StepMs;
    EXPECT_EQ(n, std::floor(n)) << "a timer period that is no whole number of steps: " << periodMs;
    return static_cast<std::int64_t>(n);
}

void SoakSession::arm(Control& timer, std::int64_t& next, bool& armed)
{
    const bool on = timer.enabled() && timer.interval() > 0;
    if (on && !armed)
        next = now_ + steps(timer.period());
    armed = on;
}

void SoakSession::advance()
{
    ++now_;
    platform_.setTimeOfDay(std::fmod(DayStartSeconds + static_cast<double>(now_) / StepsPerSecond, 86400.0));
    for (int i = 0; i < Lasers; ++i)
        if (laserArmed_[i] && now_ >= laserNext_[i])
            fireLaser(i);
    for (int j = 0; j < JetCans; ++j)
        if (jetArmed_[j] && now_ >= jetNext_[j])
            fireJet(j);
    for (int i = 0; i < Lasers; ++i)
        if (now_ >= actionAt_[i])
            slotAction(i);
}

void SoakSession::fireLaser(int i)
{
    Control& timer = c("tmrMiningLaser", i);
    context_ = Context::Tick;
    contextSlot_ = i;
    timer.fire();
    context_ = Context::Idle;
    ++laserTicks;
    laserNext_[i] += steps(timer.period());
    arm(timer, laserNext_[i], laserArmed_[i]);
    if (!running(i)) {
        ASSERT_FALSE(loaded(i)) << "laser " << i + 1 << " stopped by itself with ore left";
        ASSERT_EQ(c("lblCycleCountdown", i).caption(), QStringLiteral("Depleted"));
        finishAsteroid(i, true);
        actionAt_[i] = now_ + randomSteps(40);
    }
}

void SoakSession::fireJet(int j)
{
    Control& timer = c("tmrJetCan", j);
    timer.fire();
    ++jetTicks;
    jetNext_[j] += steps(timer.period());
    const std::int64_t age = (now_ - jetStart_[j]) / StepsPerSecond;
    const std::int64_t minutes = (age / 60) % 60;
    const QString shown =
        QStringLiteral("%1:%2").arg(minutes, 2, 10, QLatin1Char('0')).arg(age % 60, 2, 10, QLatin1Char('0'));
    const Control& clock = c("lblClockTimer", j);
    if (clock.caption() != shown)
        FAIL() << "jet can " << j + 1 << " shows " << clock.caption().toStdString() << " at the age of "
               << age << " s (" << shown.toStdString() << ")";
    ASSERT_EQ(clock.backColor() == Red, minutes >= 45) << "jet can " << j + 1 << " at " << age << " s";
}

// --------------------------------------------------------------------------------------------
// The player

std::int64_t SoakSession::randomSteps(double meanSeconds)
{
    std::exponential_distribution<double> d(1.0 / meanSeconds);
    return 1 + static_cast<std::int64_t>(d(rng_) * StepsPerSecond);
}

void SoakSession::press(int i)
{
    const bool wasRunning = running(i);
    context_ = Context::Stop;
    contextSlot_ = i;
    c("btnActivateTimer", i).click();
    context_ = Context::Idle;
    arm(c("tmrMiningLaser", i), laserNext_[i], laserArmed_[i]);
    ASSERT_NE(running(i), wasRunning) << "laser " << i + 1 << " did not answer its start button";
    if (wasRunning)
        ++stops;
}

void SoakSession::loadAsteroid(int i)
{
    std::uniform_int_distribution<int> pickOre(0, static_cast<int>(ores_.size()) - 1);
    std::uniform_int_distribution<int> pickCycle(0, std::size(CycleTexts) - 1);
    std::uniform_int_distribution<int> pickRate(50, 1800);
    std::uniform_real_distribution<double> minutes(2, 75);
    std::uniform_real_distribution<double> unit(0, 1);

    const QString ore = ores_[pickOre(rng_)];
    const double volume = yields_.row(yields_.findRow(ore)).volume;
    const QString cycle = QString::fromLatin1(CycleTexts[pickCycle(rng_)]);
    const QString rate = unit(rng_) < 0.2 ? QString::number(pickRate(rng_)) + QStringLiteral(".5")
                                          : QString::number(pickRate(rng_));
    const double perSecond = readNumber(rate) / volume / readNumber(cycle);
    // Mostly asteroids of a few minutes to an hour; now and then one that is gone in a tick or two.
    double size = unit(rng_) < 0.05 ? 1 + std::floor(unit(rng_) * 3 * perSecond)
                                    : std::max(1.0, wholeEven(perSecond * minutes(rng_) * 60));
    const QString sizeText =
        unit(rng_) < 0.2 ? QLocale().toString(size, 'f', 0) : QString::number(size, 'f', 0);

    c("cboRoidType", i).setText(ore);
    c("txtSizeOfRoid", i).setText(sizeText);
    c("txtMiningRate", i).setText(rate);
    c("txtCycleDurationInSeconds", i).setText(cycle);
    asteroidOf_[i] = static_cast<int>(asteroids_.size());
    asteroids_.push_back({ore, size});
    press(i);
    ASSERT_TRUE(running(i));
    ASSERT_EQ(program_->shared().Lasers[i].InitialSize, size);
}

void SoakSession::finishAsteroid(int i, bool depleted)
{
    Asteroid& a = asteroids_[asteroidOf_[i]];
    a.open = false;
    if (depleted) {
        ++this->depleted;
        // Every unit of the asteroid reached the record, and nothing more.
        ASSERT_NEAR(a.credited + a.stopRounding, a.size, 1e-6)
            << "asteroid " << asteroidOf_[i] << " of " << a.ore.toStdString() << " on laser " << i + 1;
    } else {
        ++dropped;
    }
    asteroidOf_[i] = -1;
}

void SoakSession::slotAction(int i)
{
    std::uniform_real_distribution<double> unit(0, 1);
    if (!loaded(i)) {
        loadAsteroid(i);
        actionAt_[i] = now_ + randomSteps(1800);
        return;
    }
    if (running(i)) {
        if (unit(rng_) < 0.6) {
            press(i); // stop; resumed a little later
            actionAt_[i] = now_ + randomSteps(200);
        } else {
            const bool up = unit(rng_) < 0.5;
            c(up ? "lblPlusOne" : "lblMinusOne", i).click();
            ++doublings;
            actionAt_[i] = now_ + randomSteps(1200);
        }
        return;
    }
    // Stopped with an asteroid: now and then cleared, sometimes with new entries, then resumed.
    if (unit(rng_) < 0.05) {
        c("lblSizeOfRoid", i).dblClick();
        ASSERT_FALSE(loaded(i));
        finishAsteroid(i, false);
        actionAt_[i] = now_ + randomSteps(30);
        return;
    }
    if (unit(rng_) < 0.3) {
        std::uniform_int_distribution<int> pickRate(50, 1800);
        c("txtMiningRate", i).setText(QString::number(pickRate(rng_)));
    }
    if (unit(rng_) < 0.2) {
        std::uniform_int_distribution<int> pickCycle(0, std::size(CycleTexts) - 1);
        c("txtCycleDurationInSeconds", i).setText(QString::fromLatin1(CycleTexts[pickCycle(rng_)]));
    }
    press(i);
    actionAt_[i] = now_ + randomSteps(1800);
}

void SoakSession::refine()
{
    // What the whole batches allow, from the record as it stands and the mineral table.
    std::array<double, 8> minerals{};
    struct Expected {
        QString ore;
        QString count;
    };
    std::vector<Expected> rows;
    const Grid& g = grid();
    for (int r = 1; r < g.rows() - 1; ++r) {
        const QString ore = g.textMatrix(r, 0);
        const MineralYieldRow& y = yields_.row(yields_.findRow(ore));
        const double count = readNumber(g.textMatrix(r, 1));
        const double units = wholeEven(count);
        const double batches = std::floor(count / y.batch); // only batches already filled
        const QString base = ore.contains(QLatin1Char(' ')) ? ore.section(QLatin1Char(' '), 1) : ore;
        const int baseIndex = static_cast<int>(std::find(std::begin(BaseOres), std::end(BaseOres), base) -
                                               std::begin(BaseOres));
        const double yield = std::min(100.0, NetYield + 5.0 * Skills.at(baseIndex));
        for (int k = 0; k < 8; ++k) {
            double refined = batches * y.minerals[k] * yield / 100;
            refined = refined - refined * Commission / 100;
            refined = refined - refined * Tax / 100;
            minerals[k] += refined;
        }
        OreLedger& l = ledger_[ore];
        l.refineRoundings += units - count;
        l.refinedUnits += batches * y.batch;
        l.expected = units - batches * y.batch;
        rows.push_back({ore, QString::number(units - batches * y.batch, 'f', 0)});
    }
    std::array<double, 8> before{};
    for (int k = 0; k < 8; ++k)
        before[k] = readNumber(c("txtRefinedOre", k).text());

    c("lblControlButton", 18).click();
    ++refines;

    for (int k = 0; k < 8; ++k) {
        const double gained = readNumber(c("txtRefinedOre", k).text()) - before[k];
        refinedMinerals_[k] += wholeEven(minerals[k]);
        EXPECT_EQ(gained, wholeEven(minerals[k]))
            << MineralNames[k] << " refined at hour " << now_ / StepsPerHour << " (" << minerals[k]
            << " allowed)";
        EXPECT_EQ(readNumber(c("txtRefinedOre", k).text()), refinedMinerals_[k]) << MineralNames[k];
    }
    for (const Expected& e : rows)
        EXPECT_EQ(grid().textMatrix(static_cast<int>(&e - rows.data()) + 1, 1), e.count)
            << e.ore.toStdString();
    checkRecord("after a refine");
}

void SoakSession::switchRate(int option)
{
    std::vector<int> stopped;
    for (int i = 0; i < Lasers; ++i)
        if (running(i)) {
            press(i);
            stopped.push_back(i);
        }
    c("optRefreshRate", option).click();
    for (int i : stopped)
        press(i);
}

void SoakSession::startJet(int j)
{
    c("lblJetButton", j).click();
    ASSERT_EQ(c("lblJetButton", j).caption(), QStringLiteral("X"));
    jetStart_[j] = now_;
    arm(c("tmrJetCan", j), jetNext_[j], jetArmed_[j]);
}

// --------------------------------------------------------------------------------------------

void SoakSession::run()
{
    platform_.setTimeOfDay(DayStartSeconds);
    startProgram();
    firstSettings();
    if (::testing::Test::HasFatalFailure())
        return;
    for (int i = 0; i < Lasers; ++i)
        actionAt_[i] = 1 + i * 3 * StepsPerSecond + i;
    for (int j = 0; j < JetCans; ++j)
        startJet(j);

    while (now_ < Day) {
        advance();
        if (::testing::Test::HasFailure())
            return;
        const std::int64_t inHour = now_ % StepsPerHour;
        const std::int64_t hour = now_ / StepsPerHour;
        if (inHour == StepsPerHour / 2 + 3)
            refine();
        if (inHour == 0) {
            // Records of sounds and boxes would grow for ever; nothing may have been reported.
            ASSERT_TRUE(platform_.messages().isEmpty())
                << "hour " << hour << ": " << platform_.messages().join(QLatin1Char('\n')).toStdString();
            platform_.clearRecords();
            if (hour == 2)
                rssHour2 = residentKiB();
            if (hour % 6 == 0)
                rssByHour.push_back({hour, residentKiB()});
            if (hour % 6 == 0)
                saveAndRestart();
            if (hour == 7) {
                // Refused while lasers run: the rate stays.
                c("optRefreshRate", 0).click();
                ASSERT_EQ(program_->shared().RefreshInterval, 1000.0);
            }
            if (hour == 8)
                switchRate(0);
            if (hour == 9)
                switchRate(3);
            checkRecord("on the hour");
        }
        if (now_ == 8 * StepsPerHour + 10) {
            ASSERT_EQ(program_->shared().RefreshInterval, 62.5);
        }
        // Now and then a jet can is reset and started again.
        if (now_ % (3 * StepsPerHour + 77 * StepsPerSecond + 5) == 0) {
            const int j = static_cast<int>((now_ / StepsPerHour) % JetCans);
            c("lblJetButton", j).click();
            ASSERT_EQ(c("lblClockTimer", j).caption(), QStringLiteral("00:00"));
            arm(c("tmrJetCan", j), jetNext_[j], jetArmed_[j]);
            startJet(j);
        }
        if (::testing::Test::HasFailure())
            return;
    }
    rssEnd = residentKiB();
    finalChecks();
}

void SoakSession::finalChecks()
{
    EXPECT_TRUE(platform_.messages().isEmpty()) << platform_.messages().join(QLatin1Char('\n')).toStdString();

    // Per ore: what the record holds plus what was refined out of it is what the asteroids gave:
    // the whole size of each one mined out, what each one taken away by a restart or a clear had
    // given, and the record's own roundings (each checked when it happened).
    QHash<QString, double> given;
    for (const Asteroid& a : asteroids_)
        given[a.ore] += a.open ? 0.0 : (a.credited + a.stopRounding);
    double totalMined = 0;
    double drift = 0;
    double formatDrift = 0;
    for (auto it = ledger_.cbegin(); it != ledger_.cend(); ++it) {
        const OreLedger& l = *it;
        const double accounted = given.value(it.key()) + l.unattributed + l.refineRoundings + l.formatError;
        EXPECT_NEAR(row(it.key()) + l.refinedUnits, accounted, 1e-6) << it.key().toStdString();
        totalMined += given.value(it.key());
        drift += std::fabs(l.unattributed + l.refineRoundings);
        formatDrift += std::fabs(l.formatError);
    }
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(readNumber(c("txtRefinedOre", k).text()), refinedMinerals_[k]) << MineralNames[k];

#ifndef OREBELL_SOAK_SANITIZED
    // Memory stays flat over the day (the sanitizers keep freed memory on purpose).
    EXPECT_LE(rssEnd, rssHour2 + 2048) << "resident KiB at hour 2 and at hour 24";
#endif
    std::printf("[ soak ] %lld laser ticks, %lld jet-can ticks; %d asteroids mined out, %d taken away; "
                "%d stops, %d doublings, %d refines, %d restarts\n"
                "[ soak ] %.0f units mined; record's rounding of units in flight %.6f units, "
                "ten-decimal format %.3g units\n"
                "[ soak ] resident memory %ld KiB at hour 2, %ld KiB at hour 24\n",
                static_cast<long long>(laserTicks), static_cast<long long>(jetTicks), depleted, dropped,
                stops, doublings, refines, restarts, totalMined, drift, formatDrift, rssHour2, rssEnd);
    for (const auto& [hour, kib] : rssByHour)
        std::printf("[ soak ] resident memory %ld KiB at hour %lld\n", kib, static_cast<long long>(hour));
}

TEST(Soak, TwentyFourHoursOfMining)
{
    SoakSession session;
    session.run();
}

} // namespace
} // namespace orebell::test
