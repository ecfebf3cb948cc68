#pragma once

#include "toolkit/Form.h"
#include "toolkit/MiningLog.h"
#include "toolkit/Platform.h"

#include <QObject>

#include <array>
#include <optional>

namespace orebell {

struct Shared;

// Keeps the mining log. It listens to the program through the routines the subsystems call one
// another with (ore credited, Refine, Reset, the saves of every way out) and to the start buttons
// and countdowns of the main window, cuts the session into trips and hands each finished trip,
// valued with refining's own estimate, to the log. It changes nothing on the window.
//
// Build it after every other subsystem has wired its routines: it wraps them.
class History {
public:
    History(Form& main, Shared& shared, Platform& platform);
    ~History();
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // Has the log checked in the background once the event loop runs (the first frame does not
    // wait for the disk), and tells the player what the log has to say.
    void start();
    bool tripOpen() const { return trip_.has_value(); }
    // The open trip as it would be recorded now, valued at today's figures; none between trips.
    std::optional<Trip> tripSoFar() const;

private:
    static constexpr int Slots = 7;

    void wrapRoutines();
    void onControl(Control& control, Prop prop);
    void onRunningChanged(int slot, bool running);
    void openTrip();
    void closeTrip(const QString& endedBy, bool tell = true);
    void addMiningTime();
    double miningSecondsSoFar() const;
    void value(Trip& trip) const;
    void credit(const QString& oreName, double units);
    double gridUnits(const QString& oreName) const;
    void tellNotice(bool closing = false);
    int runningCount() const;

    Form& main_;
    Shared& shared_;
    Platform& platform_;
    Grid& oreMined_;
    std::array<Control*, Slots> buttons_{};
    std::array<Control*, Slots> countdowns_{};
    std::array<bool, Slots> running_{};
    std::optional<Trip> trip_;
    // On the steady clock: durations must not move when the system clock is set.
    std::optional<qint64> runningSince_;                        // while a laser runs
    qint64 tripSteadyStart_ = 0;                                // when the open trip began
    std::optional<std::array<double, Trip::Minerals>> refined_; // of the Refine under way
    int observer_ = 0;
    int formObserver_ = 0;
    QObject context_;
};

} // namespace orebell
