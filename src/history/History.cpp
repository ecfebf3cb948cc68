#include "history/History.h"

#include "data/Shared.h"
#include "toolkit/Conventions.h"
#include "toolkit/Grid.h"

#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace orebell {

History::History(Form& main, Shared& shared, Platform& platform)
    : main_(main), shared_(shared), platform_(platform),
      oreMined_(main.grid(QStringLiteral("mshflexOreMined")))
{
    for (int i = 0; i < Slots; ++i) {
        buttons_[i] = &main.control(QStringLiteral("btnActivateTimer"), i);
        countdowns_[i] = &main.control(QStringLiteral("lblCycleCountdown"), i);
    }
    wrapRoutines();
    if (MiningLog* log = platform_.miningLog())
        log->setTripInProgress([this] { return tripSoFar(); });
    observer_ = main_.subscribe([this](Control& c, Prop prop) { onControl(c, prop); }, {Prop::Caption});
    formObserver_ = main_.subscribeForm([this](Form& f) {
        // An unload that no save announced (the close button saves first) still ends the trip.
        if (f.unloaded() && trip_)
            closeTrip(TripEnd::Close, false);
    });
}

History::~History()
{
    if (MiningLog* log = platform_.miningLog())
        log->setTripInProgress({});
    main_.unsubscribe(observer_);
    main_.unsubscribe(formObserver_);
}

void History::wrapRoutines()
{
    Routines& r = shared_.routines;
    r.AddOreMined = [this, next = r.AddOreMined](const QString& oreName, double units) {
        if (!trip_) {
            Shared::call(next, oreName, units);
            return;
        }
        // What the grid gained, re-formatting included, so that a trip holds the grid's units.
        const double before = gridUnits(oreName);
        Shared::call(next, oreName, units);
        credit(oreName, gridUnits(oreName) - before);
    };
    r.LaserCyclesCompleted = [this, next = r.LaserCyclesCompleted](int slot, int cycles) {
        if (trip_)
            trip_->cycles += cycles;
        Shared::call(next, slot, cycles);
    };
    r.MineralsRefined = [this, next = r.MineralsRefined](const std::array<double, MineralCount>& minerals) {
        refined_ = minerals;
        Shared::call(next, minerals);
    };
    // The grid is valued before Refine and Reset change it.
    r.RefineGrid = [this, next = r.RefineGrid] {
        closeTrip(TripEnd::Refine);
        refined_.reset();
        Shared::call(next);
        if (runningCount() > 0)
            openTrip(); // the lasers mine on into a new trip
    };
    r.ResetGrid = [this, next = r.ResetGrid] {
        closeTrip(TripEnd::Reset);
        Shared::call(next);
        if (runningCount() > 0)
            openTrip();
    };
    // A save that fails keeps the program open with its lasers running: they mine into a new
    // trip, which the unload ends when the close goes through.
    r.SaveAll = [this, next = r.SaveAll] {
        closeTrip(TripEnd::Close, false);
        tellNotice(true);
        if (runningCount() > 0)
            openTrip();
        Shared::call(next);
    };
    // No one may be there to answer a message on the way out.
    r.SaveOnExit = [this, next = r.SaveOnExit] {
        closeTrip(TripEnd::Exit, false);
        if (runningCount() > 0)
            openTrip();
        Shared::call(next);
    };
}

void History::start()
{
    QTimer::singleShot(0, &context_, [this] {
        if (MiningLog* log = platform_.miningLog())
            log->checkInBackground([this, alive = QPointer<QObject>(&context_)] {
                if (alive)
                    tellNotice();
            });
    });
}

void History::onControl(Control& control, Prop prop)
{
    if (prop != Prop::Caption)
        return;
    const auto button = std::find(buttons_.begin(), buttons_.end(), &control);
    if (button != buttons_.end()) {
        const int slot = static_cast<int>(button - buttons_.begin());
        const bool running = control.caption() == QLatin1String("!");
        if (running != running_[slot])
            onRunningChanged(slot, running);
        return;
    }
    const auto countdown = std::find(countdowns_.begin(), countdowns_.end(), &control);
    if (countdown != countdowns_.end() && trip_ && running_[countdown - countdowns_.begin()] &&
        control.caption() == QLatin1String("Depleted"))
        ++trip_->asteroidsMinedOut;
}

int History::runningCount() const
{
    return static_cast<int>(std::count(running_.begin(), running_.end(), true));
}

void History::onRunningChanged(int slot, bool running)
{
    const bool wasMining = runningCount() > 0;
    running_[slot] = running;
    const bool mining = runningCount() > 0;
    if (mining == wasMining)
        return;
    if (mining) {
        runningSince_ = platform_.clock().steadyMs();
        if (!trip_)
            openTrip();
    } else {
        addMiningTime();
        runningSince_.reset();
    }
}

void History::openTrip()
{
    trip_.emplace();
    trip_->start = platform_.clock().currentUtc();
    tripSteadyStart_ = platform_.clock().steadyMs();
    if (runningCount() > 0)
        runningSince_ = tripSteadyStart_;
}

void History::addMiningTime()
{
    if (!trip_)
        return;
    trip_->miningSeconds = miningSecondsSoFar();
    if (runningSince_)
        runningSince_ = platform_.clock().steadyMs();
}

double History::miningSecondsSoFar() const
{
    if (!runningSince_)
        return trip_->miningSeconds;
    const qint64 running = std::max<qint64>(0, platform_.clock().steadyMs() - *runningSince_);
    return trip_->miningSeconds + static_cast<double>(running) / 1000.0;
}

void History::value(Trip& trip) const
{
    if (!shared_.routines.ValueOre)
        return;
    if (const auto valuation = shared_.routines.ValueOre(trip.ores)) {
        trip.estimate = valuation->minerals;
        trip.isk = valuation->isk;
    }
}

std::optional<Trip> History::tripSoFar() const
{
    if (!trip_)
        return std::nullopt;
    Trip trip = *trip_;
    trip.miningSeconds = miningSecondsSoFar();
    // The start's date plus the trip's length: a clock set back mid-trip must not end it before
    // it began, nor one set forward lengthen it.
    trip.end = trip.start.addMSecs(std::max<qint64>(0, platform_.clock().steadyMs() - tripSteadyStart_));
    std::erase_if(trip.ores, [](const TripOre& o) { return std::abs(o.units) < 1e-9; });
    value(trip);
    return trip;
}

void History::credit(const QString& oreName, double units)
{
    if (units == 0)
        return;
    auto& ores = trip_->ores;
    auto it = std::find_if(ores.begin(), ores.end(), [&](const TripOre& o) { return o.oreName == oreName; });
    if (it == ores.end())
        ores.push_back({oreName, units});
    else
        it->units += units;
}

double History::gridUnits(const QString& oreName) const
{
    for (int r = 1; r < oreMined_.rows() - 1; ++r)
        if (oreMined_.textMatrix(r, 0) == oreName)
            return oreMined_.numberAt(r, 1).value_or(0.0);
    return 0;
}

void History::closeTrip(const QString& endedBy, bool tell)
{
    std::optional<Trip> trip = tripSoFar();
    trip_.reset();
    if (!trip || trip->units() <= 0)
        return; // nothing mined: no trip
    trip->endedBy = endedBy;
    if (endedBy == TripEnd::Refine)
        trip->refined = refined_;
    MiningLog* log = platform_.miningLog();
    if (!log)
        return;
    log->record(*trip);
    if (tell)
        tellNotice();
}

void History::tellNotice(bool closing)
{
    MiningLog* log = platform_.miningLog();
    if (!log)
        return;
    // Told at the close even when it was told before: the player is about to lose them.
    const QString risk = closing ? log->atRisk() : QString();
    QString notice = log->takeNotice();
    if (!risk.isEmpty())
        notice += (notice.isEmpty() ? QString() : QStringLiteral("\n\n")) + risk;
    if (!notice.isEmpty())
        platform_.messageBox().show(notice);
}

} // namespace orebell
