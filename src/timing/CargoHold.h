#pragma once

#include "toolkit/Control.h"
#include "toolkit/Conventions.h"
#include "toolkit/Form.h"
#include "toolkit/Platform.h"

#include <functional>

namespace orebell {

struct Shared;

// The cargo hold monitor: the volume every running laser pulls, shown in m3 and as a bar against
// the hold's capacity, with "STOP MINING!" once it is over. CargoFill lives in lblCargoHold(0)'s tag.
class CargoHold {
public:
    CargoHold(Form& main, Shared& shared, Platform& platform);

    // Set by the laser timers: true while any laser runs.
    void setAnyLaserRunning(std::function<bool()> f) { anyLaserRunning_ = std::move(f); }

    bool monitoring() const { return chkMonitor_.value() == 1; }
    // Per laser tick, while monitoring: adds the ore pulled, then redraws the bar and warning.
    void fillStep(double unitsPulled, double unitVolume);
    void displayStep();

    void chkMonitorCargoHold_Click(int Index);
    void lblCargoHold_DblClick(int Index);

private:
    bool capacityUsable(double& capacity);
    void markCapacity(bool usable);

    Control& chkMonitor_;
    Control& txtCargoHold_;
    Control& lblCargoHold_;
    Control& bar_;
    Control& barBackground_;
    Control& lblStopMining_;
    QString capacityTip_;
    Color capacityColor_;
    RememberedNumber capacity_; // the player's entry, read on every tick
    // The caption read back on every tick, stripped of " m3" once per caption.
    QString shownCaption_;
    QString shownNumber_;
    bool shownStripped_ = false;
    RememberedNumber shown_;
    std::function<bool()> anyLaserRunning_;
};

} // namespace orebell
