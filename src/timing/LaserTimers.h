#pragma once

#include "toolkit/Control.h"
#include "toolkit/Conventions.h"
#include "toolkit/Form.h"
#include "toolkit/Platform.h"
#include "toolkit/RuntimeError.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace orebell {

struct Shared;
struct LaserState;
class CargoHold;

// The seven mining-laser slots: their inputs (ore, asteroid size, mining amount, cycle length,
// +1/-1, clearing, bar colours), the start button, the per-tick countdown and depletion, and the
// refresh-rate options.
class LaserTimers {
public:
    static constexpr int Slots = 7;

    LaserTimers(Form& main, Shared& shared, Platform& platform, CargoHold& cargo);

    bool running(int slot) const; // the start button shows "!"
    bool anyRunning() const;
    bool loaded(int slot) const; // an asteroid is loaded: lblSizeOfRoid has a caption

    // Inputs
    void cboRoidType_Click(int Index);
    void txtSizeOfRoid_Validate(int Index, bool& Cancel);
    void txtMiningRate_Validate(int Index, bool& Cancel);
    void txtCycleDurationInSeconds_Validate(int Index, bool& Cancel);
    void txtSizeOfRoid_GotFocus(int Index);
    void txtMiningRate_GotFocus(int Index);
    void txtCycleDurationInSeconds_GotFocus(int Index);
    void txtMiningRate_Change(int Index);
    void txtCycleDurationInSeconds_Change(int Index);
    void lblSizeOfRoid_Change(int Index);
    void lblPlusOne_Click(int Index);
    void lblMinusOne_Click(int Index);
    void lblSizeOfRoid_DblClick(int Index);
    void lblProgress_bkgrnd_Click(int Index);
    void lblProgress_Click(int Index);
    void lblSizeOfRoid_Click(int Index);

    // Cycle timer
    void btnActivateTimer_Click(int Index);
    void tmrMiningLaser_Timer(int Index);
    bool PrepareLaser(int Index); // false when it failed (and reported)
    void optRefreshRate_Click(int Index);
    void optRefreshRate_MouseMove(int Index, int Button, int Shift, double X, double Y);

private:
    struct Slot {
        Control* button;
        Control* oreList;
        Control* sizeBox;
        Control* rateBox;
        Control* cycleBox;
        Control* size;
        Control* bar;
        Control* barBackground;
        Control* oreName;
        Control* countdown;
        Control* timeLeft;
        Control* minusOne;
        Control* plusOne;
        Control* numFocused;
        Control* timer;
    };

    void start(int i, ErrorTrap& trap);
    void tick(int i, ErrorTrap& trap);
    void advanceCycle(int i, double step);
    void deplete(int i);
    void haltAfterFailure(int i);
    void allIdleFinish();
    void changeLasers(int i, int direction);
    void toggleProgressColours(int i);
    void numberBoxValidate(Control& box, bool& cancel);
    void credit(int i, double units);
    double gridUnits(const QString& oreName) const;
    QStringList startProblems(int i) const;
    QStringList figureProblems(int i) const;
    static std::optional<double> intervalOf(const Control& option);
    void refuse(int i, const QString& what, const QStringList& problems);

    Form& main_;
    Shared& shared_;
    Platform& platform_;
    CargoHold& cargo_;
    std::array<Slot, Slots> slots_{};
    // The captions a tick writes, kept while their numbers stay the same: a countdown's whole
    // seconds change once in sixteen ticks at 1/16 s.
    struct TickTexts {
        RememberedText size;
        RememberedText countdown;
        RememberedText minutes;
        RememberedText seconds;
        QString timeLeft;
        QString timeLeftMinutes;
        QString timeLeftSeconds;
    };
    std::array<TickTexts, Slots> tickTexts_{};
    std::array<Control*, 5> refreshOptions_{};
    std::array<Control*, 16> mineralBoxes_{};
    Grid* oreMined_ = nullptr;
    bool reselecting_ = false;
};

} // namespace orebell
