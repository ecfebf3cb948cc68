#include "timing/LaserTimers.h"

#include "data/OreCatalogue.h"
#include "data/Palette.h"
#include "data/Shared.h"
#include "timing/CargoHold.h"
#include "toolkit/Conventions.h"
#include "toolkit/Trap.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <optional>

namespace orebell {

namespace {

using namespace palette;

constexpr Color LockedText = 0x80000015;
constexpr Color UnlockedText = 0x8000000B;
constexpr int FullBarWidth = 1095;
constexpr int MinBarWidth = 15;
constexpr int MaxLasers = 7;
// Larger than any asteroid, mining amount or cycle the game has, and small enough that every
// figure worked out from them stays a finite number.
constexpr double MaxEntry = 1e12;

bool positiveNumber(const QString& text) { return isNumeric(text) && textToNumber(text) > 0; }

double hookValue(const std::function<double()>& f) { return f ? f() : 0.0; }

// Whether a countdown threshold t was met or passed on this tick. The countdown ran from `before`
// down to `raw`; each time it reached 0 it started again at the cycle length (`wraps` times), to
// end at `after`.
bool reached(double t, double before, double raw, double after, double cycle, double wraps)
{
    if (!(t > 0))
        return false;
    if (wraps == 0)
        return t >= raw && t < before;
    if (wraps > 1)
        return t <= cycle;
    return t < before || (t >= after && t <= cycle);
}

} // namespace

LaserTimers::LaserTimers(Form& main, Shared& shared, Platform& platform, CargoHold& cargo)
    : main_(main), shared_(shared), platform_(platform), cargo_(cargo)
{
    auto c = [&](const char* name, int i) { return &main.control(QLatin1String(name), i); };
    for (int i = 0; i < Slots; ++i) {
        slots_[i] = {c("btnActivateTimer", i),
                     c("cboRoidType", i),
                     c("txtSizeOfRoid", i),
                     c("txtMiningRate", i),
                     c("txtCycleDurationInSeconds", i),
                     c("lblSizeOfRoid", i),
                     c("lblProgress", i),
                     c("lblProgress_bkgrnd", i),
                     c("lblOreName", i),
                     c("lblCycleCountdown", i),
                     c("lblTimeLeft", i),
                     c("lblMinusOne", i),
                     c("lblPlusOne", i),
                     c("lblNumFocused", i),
                     c("tmrMiningLaser", i)};
    }
    for (int j = 0; j < static_cast<int>(refreshOptions_.size()); ++j)
        refreshOptions_[j] = c("optRefreshRate", j);
    for (int k = 0; k < static_cast<int>(mineralBoxes_.size()); ++k)
        mineralBoxes_[k] = c("txtMineralsMinedFromOre", k);
    if (main.has(QStringLiteral("mshflexOreMined")))
        oreMined_ = &main.grid(QStringLiteral("mshflexOreMined"));

    main.onClick(QStringLiteral("cboRoidType"), [this](int i) { cboRoidType_Click(i); });
    main.onValidate(QStringLiteral("txtSizeOfRoid"),
                    [this](int i, bool& x) { txtSizeOfRoid_Validate(i, x); });
    main.onValidate(QStringLiteral("txtMiningRate"),
                    [this](int i, bool& x) { txtMiningRate_Validate(i, x); });
    main.onValidate(QStringLiteral("txtCycleDurationInSeconds"),
                    [this](int i, bool& x) { txtCycleDurationInSeconds_Validate(i, x); });
    main.onGotFocus(QStringLiteral("txtSizeOfRoid"), [this](int i) { txtSizeOfRoid_GotFocus(i); });
    main.onGotFocus(QStringLiteral("txtMiningRate"), [this](int i) { txtMiningRate_GotFocus(i); });
    main.onGotFocus(QStringLiteral("txtCycleDurationInSeconds"),
                    [this](int i) { txtCycleDurationInSeconds_GotFocus(i); });
    main.onChange(QStringLiteral("txtMiningRate"), [this](int i) { txtMiningRate_Change(i); });
    main.onChange(QStringLiteral("txtCycleDurationInSeconds"),
                  [this](int i) { txtCycleDurationInSeconds_Change(i); });
    main.onChange(QStringLiteral("lblSizeOfRoid"), [this](int i) { lblSizeOfRoid_Change(i); });
    main.onClick(QStringLiteral("lblPlusOne"), [this](int i) { lblPlusOne_Click(i); });
    main.onClick(QStringLiteral("lblMinusOne"), [this](int i) { lblMinusOne_Click(i); });
    main.onDblClick(QStringLiteral("lblSizeOfRoid"), [this](int i) { lblSizeOfRoid_DblClick(i); });
    main.onClick(QStringLiteral("lblProgress_bkgrnd"), [this](int i) { lblProgress_bkgrnd_Click(i); });
    main.onClick(QStringLiteral("lblProgress"), [this](int i) { lblProgress_Click(i); });
    main.onClick(QStringLiteral("lblSizeOfRoid"), [this](int i) { lblSizeOfRoid_Click(i); });
    main.onClick(QStringLiteral("btnActivateTimer"), [this](int i) { btnActivateTimer_Click(i); });
    main.onTimer(QStringLiteral("tmrMiningLaser"), [this](int i) { tmrMiningLaser_Timer(i); });
    main.onClick(QStringLiteral("optRefreshRate"), [this](int i) { optRefreshRate_Click(i); });
    main.onMouseMove(QStringLiteral("optRefreshRate"), [this](int i, int b, int s, double x, double y) {
        optRefreshRate_MouseMove(i, b, s, x, y);
    });
}

bool LaserTimers::running(int slot) const { return slots_.at(slot).button->caption() == QLatin1String("!"); }

bool LaserTimers::anyRunning() const
{
    for (int i = 0; i < Slots; ++i)
        if (running(i))
            return true;
    return false;
}

bool LaserTimers::loaded(int slot) const { return !slots_.at(slot).size->caption().isEmpty(); }

// ---------------------------------------------------------------------------------------------
// Inputs

void LaserTimers::cboRoidType_Click(int Index)
{
    ErrorTrap trap{QStringLiteral("cboRoidType_Click")};
    runTrapped(platform_.messageBox(), trap, [&] {
        Control& list = main_.control(QStringLiteral("cboRoidType"), Index);
        trap.at(10);
        const QString name = list.text();
        trap.at(20);
        // A base ore outside the catalogue leaves the stored volume as it was.
        if (const auto volume = oreVolume(name))
            list.setTag(numberToText(*volume));
        trap.at(30);
        // A name that is no ore (a damaged store, before the lists are filled) has no volume to
        // show; the load sequence then puts the slot on its default ore.
        const auto shown = numericValue(list.tag());
        if (!shown)
            return;
        list.setToolTipText(QLatin1Char(' ') + name + QStringLiteral(" volume: ") +
                            formatNumber(*shown, QStringLiteral("0.00")) + QLatin1Char(' '));
    });
}

void LaserTimers::numberBoxValidate(Control& box, bool& cancel)
{
    if (!box.text().isEmpty() && !isNumeric(box.text())) {
        box.setText(QString());
        cancel = true;
    }
}

void LaserTimers::txtSizeOfRoid_Validate(int Index, bool& Cancel)
{
    numberBoxValidate(*slots_.at(Index).sizeBox, Cancel);
}
void LaserTimers::txtMiningRate_Validate(int Index, bool& Cancel)
{
    numberBoxValidate(*slots_.at(Index).rateBox, Cancel);
}
void LaserTimers::txtCycleDurationInSeconds_Validate(int Index, bool& Cancel)
{
    numberBoxValidate(*slots_.at(Index).cycleBox, Cancel);
}

void LaserTimers::txtSizeOfRoid_GotFocus(int Index)
{
    Slot& s = slots_.at(Index);
    s.sizeBox->setSelStart(0);
    s.sizeBox->setSelLength(static_cast<int>(s.size->caption().size()));
}

void LaserTimers::txtMiningRate_GotFocus(int Index)
{
    Control& box = *slots_.at(Index).rateBox;
    box.setSelStart(0);
    box.setSelLength(static_cast<int>(box.text().size()));
}

void LaserTimers::txtCycleDurationInSeconds_GotFocus(int Index)
{
    Control& box = *slots_.at(Index).cycleBox;
    box.setSelStart(0);
    box.setSelLength(static_cast<int>(box.text().size()));
}

void LaserTimers::txtMiningRate_Change(int Index)
{
    Control& box = *slots_.at(Index).rateBox;
    box.setToolTipText(box.text());
    // Each removal is a change of its own, which ends with the cleaned text as the tool tip.
    for (const QString& suffix : {QStringLiteral(" m3"), QStringLiteral(" Ore units")}) {
        QString cleaned = box.text();
        cleaned.remove(suffix);
        box.setText(cleaned);
    }
}

void LaserTimers::txtCycleDurationInSeconds_Change(int Index)
{
    Slot& s = slots_.at(Index);
    s.countdown->setCaption(s.cycleBox->text());
    s.countdown->setFontSize(10);
    s.countdown->setTag(s.cycleBox->text());
}

void LaserTimers::lblSizeOfRoid_Change(int Index)
{
    Slot& s = slots_.at(Index);
    if (s.timer->tag() != QLatin1String("1"))
        s.size->setTag(s.size->caption());
}

void LaserTimers::lblPlusOne_Click(int Index) { changeLasers(Index, +1); }
void LaserTimers::lblMinusOne_Click(int Index) { changeLasers(Index, -1); }

void LaserTimers::changeLasers(int i, int direction)
{
    Slot& s = slots_.at(i);
    if (!(isNumeric(s.timer->tag()) && textToNumber(s.timer->tag()) == 1))
        return;
    Shared::call(shared_.routines.PlayClickSound);
    const QString singleText = s.plusOne->tag();
    if (!positiveNumber(singleText) || !positiveNumber(s.rateBox->text())) {
        platform_.messageBox().show(
            QStringLiteral(
                "Laser %1: lasers can only be added or removed while Mining Rate is a number of m3 "
                "above 0.")
                .arg(i + 1));
        return;
    }
    const double single = textToNumber(singleText);
    double rate = textToNumber(s.rateBox->text());
    QString focused = s.numFocused->caption();
    if (direction > 0) {
        rate += single;
        if (rate > MaxLasers * single)
            rate = MaxLasers * single;
        else
            focused += QLatin1Char('+');
    } else {
        rate -= single;
        if (rate > 0) {
            if (focused.size() > 1)
                focused.chop(1);
        } else {
            rate = single;
        }
    }
    s.numFocused->setCaption(focused);
    s.rateBox->setText(numberToText(rate));
    shared_.Lasers[i].MiningRate = rate;
    PrepareLaser(i);
}

void LaserTimers::lblSizeOfRoid_DblClick(int Index)
{
    Slot& s = slots_.at(Index);
    if (running(Index) || !loaded(Index))
        return;
    s.countdown->setForeColor(LightGrey);
    s.timeLeft->setForeColor(LightBlue);
    s.timeLeft->setCaption(QStringLiteral("00:00"));
    s.rateBox->setText(s.plusOne->tag());
    s.numFocused->setCaption(QStringLiteral("+"));
    s.oreName->setCaption(QStringLiteral("Ore"));
    s.oreName->setToolTipText(QString());
    s.size->setCaption(QString());
    s.size->setToolTipText(QStringLiteral(" Click to change color "));
    s.bar->setVisible(false);
    s.countdown->setCaption(numberToText(shared_.Lasers[Index].CycleDuration));
    s.countdown->setTop(1545);
}

void LaserTimers::lblProgress_bkgrnd_Click(int Index) { toggleProgressColours(Index); }
void LaserTimers::lblProgress_Click(int Index) { toggleProgressColours(Index); }
void LaserTimers::lblSizeOfRoid_Click(int Index) { toggleProgressColours(Index); }

// A stopped slot that still has an asteroid keeps its clicks for clearing.
void LaserTimers::toggleProgressColours(int i)
{
    if (!running(i) && loaded(i))
        return;
    const bool dark = slots_.at(i).barBackground->backColor() == 0;
    for (Slot& s : slots_) {
        s.bar->setBackColor(dark ? 0x4A4946 : Yellow);
        s.barBackground->setBackColor(dark ? 0xAA : 0);
        s.size->setForeColor(dark ? 0 : 0x555555);
    }
}

// ---------------------------------------------------------------------------------------------
// Start button

void LaserTimers::btnActivateTimer_Click(int Index)
{
    ErrorTrap trap;
    runTrapped(platform_.messageBox(), trap, [&] { start(Index, trap); });
}

QStringList LaserTimers::startProblems(int i) const
{
    const Slot& s = slots_.at(i);
    QStringList problems;
    if (!loaded(i)) {
        if (!positiveNumber(s.sizeBox->text()))
            problems << QStringLiteral("Units of Ore must be a number above 0.");
        if (s.oreList->text().isEmpty() || !positiveNumber(s.oreList->tag()))
            problems << QStringLiteral("Choose the asteroid's ore in the ore list.");
    }
    if (!positiveNumber(s.rateBox->text()))
        problems << QStringLiteral("Mining Rate must be a number of m3 above 0.");
    if (!positiveNumber(s.cycleBox->text()))
        problems << QStringLiteral("Cycle Duration must be a number of seconds above 0.");
    if (problems.isEmpty())
        problems = figureProblems(i);
    return problems;
}

// Entries that are numbers above 0 can still give figures no tick can count with (a mining amount
// of 1e308 pulls infinitely many units). They are worked out here as PrepareLaser will, before the
// slot changes.
QStringList LaserTimers::figureProblems(int i) const
{
    const Slot& s = slots_.at(i);
    const double size = textToNumber(loaded(i) ? s.size->caption() : s.sizeBox->text());
    const double volume = loaded(i) ? shared_.Lasers[i].UnitVolume : textToNumber(s.oreList->tag());
    const double rate = textToNumber(s.rateBox->text());
    const double cycle = textToNumber(s.cycleBox->text());
    QStringList problems;
    if (!(size <= MaxEntry))
        problems << QStringLiteral("Units of Ore is too large.");
    if (!(rate <= MaxEntry))
        problems << QStringLiteral("Mining Rate is too large.");
    if (!(cycle <= MaxEntry))
        problems << QStringLiteral("Cycle Duration is too long.");
    if (!problems.isEmpty())
        return problems;
    const double unitsPerCycle = rate / volume;
    const double unitsPerSecond = unitsPerCycle / cycle;
    const double seconds = size / unitsPerCycle * cycle;
    if (!(unitsPerCycle > 0 && unitsPerCycle <= MaxEntry))
        problems << QStringLiteral("Mining Rate is out of range for this ore.");
    else if (!(unitsPerSecond > 0 && unitsPerSecond <= MaxEntry))
        problems << QStringLiteral("Cycle Duration is out of range for this Mining Rate.");
    else if (!(seconds <= MaxEntry))
        problems << QStringLiteral("Units of Ore would take too long to mine at this Mining Rate.");
    return problems;
}

void LaserTimers::refuse(int i, const QString& what, const QStringList& problems)
{
    platform_.messageBox().show(QStringLiteral("Laser %1 %2:\n").arg(i + 1).arg(what) +
                                problems.join(QLatin1Char('\n')));
}

void LaserTimers::start(int i, ErrorTrap& trap)
{
    Slot& s = slots_.at(i);
    LaserState& L = shared_.Lasers[i];
    trap.at(10);
    const bool wasRunning = running(i);
    if (!wasRunning && !loaded(i)) {
        for (const Control* box : {s.rateBox, s.sizeBox, s.cycleBox})
            if (box->text().isEmpty() || box->text() == QLatin1String("0"))
                return;
    }
    // A start needs entries that make sense; a stop always goes through.
    const QStringList problems = wasRunning ? QStringList() : startProblems(i);
    if (!problems.isEmpty()) {
        refuse(i, QStringLiteral("was not started"), problems);
        return;
    }
    trap.at(20);
    Shared::call(shared_.routines.PlayClickSound);

    if (!loaded(i)) {
        trap.at(30);
        s.size->setCaption(s.sizeBox->text());
        L.InitialSize = textToNumber(s.size->caption());
        L.CreditedSinceLoad = 0;
        trap.at(40);
        s.oreName->setToolTipText(QStringLiteral(" Original Size: ") + s.size->caption() + QLatin1Char(' '));
        trap.at(50);
        s.sizeBox->setText(QString());
        trap.at(60);
        L.UnitVolume = textToNumber(s.oreList->tag());
        L.OreName = s.oreList->text();
        s.oreName->setCaption(L.OreName);
        trap.at(70);
        s.plusOne->setTag(s.rateBox->text());
        s.minusOne->setTag(s.rateBox->text());
        trap.at(80);
        s.bar->setWidth(FullBarWidth);
    }

    trap.at(90);
    if (positiveNumber(s.rateBox->text()) && positiveNumber(s.cycleBox->text())) {
        L.MiningRate = textToNumber(s.rateBox->text());
        L.CycleDuration = textToNumber(s.cycleBox->text());
        L.CycleRemaining = L.CycleDuration;
    }
    trap.at(100);
    if (!PrepareLaser(i) && !wasRunning)
        return;

    trap.at(110);
    s.countdown->setCaption(numberToText(L.CycleRemaining));
    s.countdown->setFontSize(10);
    s.countdown->setTop(1545);
    s.countdown->setForeColor(LightGrey);
    s.bar->setVisible(true);

    trap.at(120);
    s.timer->setInterval(toInt32(shared_.RefreshInterval));
    s.timer->setPeriod(shared_.RefreshInterval);
    s.timer->setTag(QStringLiteral("1"));
    s.timer->setEnabled(true);

    if (!wasRunning) {
        trap.at(130);
        s.button->setCaption(QStringLiteral("!"));
        s.button->setToolTipText(QStringLiteral(" Stop Timer "));
        for (Control* box : {s.rateBox, s.cycleBox}) {
            box->setLocked(true);
            box->setForeColor(LockedText);
        }
        return;
    }

    trap.at(140);
    s.countdown->setForeColor(LightGrey);
    s.timeLeft->setForeColor(LightBlue);
    trap.at(150);
    s.button->setCaption(QString::number(i + 1));
    s.timer->setEnabled(false);
    s.timer->setTag(QStringLiteral("0"));
    trap.at(160);
    for (Control* box : {s.rateBox, s.cycleBox}) {
        box->setLocked(false);
        box->setForeColor(UnlockedText);
    }
    trap.at(170);
    s.button->setToolTipText(QStringLiteral(" Start laser first "));
    s.size->setToolTipText(QStringLiteral(" Double click to clear "));
    trap.at(180);
    s.oreName->setTag(QStringLiteral("0"));
    // Re-formatting the row rounds it to whole units; that change belongs to this asteroid too,
    // so that its credits still add up to its size when it is finished later.
    const double before = gridUnits(L.OreName);
    Shared::call(shared_.routines.AddOreMined, L.OreName, 0.0);
    L.CreditedSinceLoad += gridUnits(L.OreName) - before;
    trap.at(190);
    allIdleFinish();
}

bool LaserTimers::PrepareLaser(int Index)
{
    ErrorTrap trap;
    return runTrapped(platform_.messageBox(), trap, [&] {
        Slot& s = slots_.at(Index);
        LaserState& L = shared_.Lasers[Index];
        trap.at(10);
        if (!loaded(Index))
            return;
        trap.at(20);
        L.RoidSize = textToNumber(s.size->caption());
        L.Remaining = L.RoidSize;
        trap.at(30);
        L.UnitsPerCycle = divide(L.MiningRate, L.UnitVolume);
        L.UnitsPerSecond = divide(L.UnitsPerCycle, L.CycleDuration);
        trap.at(40);
        s.size->setToolTipText(QLatin1Char(' ') + L.OreName + QStringLiteral("/sec = ") +
                               numberToText(roundHalfEven(L.UnitsPerSecond * 10000) / 10000) +
                               QLatin1Char(' '));
        trap.at(50);
        L.SecondsToDeplete =
            roundHalfEven(checkedFinite(divide(L.RoidSize, L.UnitsPerCycle) * L.CycleDuration));
    });
}

// ---------------------------------------------------------------------------------------------
// Tick

void LaserTimers::tmrMiningLaser_Timer(int Index)
{
    ErrorTrap trap;
    if (!runTrapped(platform_.messageBox(), trap, [&] { tick(Index, trap); }))
        haltAfterFailure(Index);
}

void LaserTimers::credit(int i, double units)
{
    LaserState& L = shared_.Lasers[i];
    Shared::call(shared_.routines.AddOreMined, L.OreName, units);
    L.CreditedSinceLoad += units;
}

double LaserTimers::gridUnits(const QString& oreName) const
{
    if (!oreMined_ || oreName.isEmpty())
        return 0;
    for (int r = 1; r < oreMined_->rows(); ++r) {
        if (oreMined_->textMatrix(r, 0) == oreName) {
            return oreMined_->numberAt(r, 1).value_or(0.0);
        }
    }
    return 0;
}

void LaserTimers::tick(int i, ErrorTrap& trap)
{
    Slot& s = slots_.at(i);
    LaserState& L = shared_.Lasers[i];
    const double step = shared_.RefreshInterval / 1000.0;

    trap.at(10);
    const double pulled = step * L.UnitsPerSecond;
    trap.at(20);
    L.Remaining -= pulled;
    if (!(L.Remaining > 0))
        L.Remaining = 0;
    trap.at(30);
    TickTexts& texts = tickTexts_[static_cast<std::size_t>(i)];
    s.size->setCaption(texts.size.formatNumber(L.Remaining, QStringLiteral("0")));
    trap.at(40);
    s.oreName->setTag(numberToText(textToNumberOrZero(s.oreName->tag()) + pulled));
    trap.at(50);
    credit(i, pulled);
    trap.at(60);
    if (L.Remaining == 0) {
        // Tops the asteroid's credits up (or down, for the last tick's overshoot) to its size.
        credit(i, L.InitialSize - L.CreditedSinceLoad);
        // Rounding the row to whole units moves the fractions that other asteroids of this ore
        // have credited; one of them takes the change over, so that its own top-up at depletion
        // still brings the row to the sum of the sizes.
        const double before = gridUnits(L.OreName);
        Shared::call(shared_.routines.AddOreMined, L.OreName, 0.0);
        const double moved = gridUnits(L.OreName) - before;
        for (int j = 0; j < Slots; ++j) {
            if (j != i && loaded(j) && shared_.Lasers[j].OreName == L.OreName) {
                shared_.Lasers[j].CreditedSinceLoad += moved;
                break;
            }
        }
    }
    trap.at(70);
    const bool monitoring = cargo_.monitoring();
    if (monitoring)
        cargo_.fillStep(pulled, L.UnitVolume);
    trap.at(80);
    if (std::fmod(roundHalfEven(L.CycleRemaining), 20) == 0)
        Shared::call(shared_.routines.RefreshValuation);
    trap.at(90);
    const double ratio = L.RoidSize > 0 ? L.Remaining / L.RoidSize : 0.0;
    const int width = toInt32(s.barBackground->width() * ratio);
    s.bar->setWidth(width > MinBarWidth ? width : MinBarWidth);
    trap.at(100);
    if (monitoring)
        cargo_.displayStep();

    trap.at(110);
    const double before = L.CycleRemaining;
    const double raw = before - step;
    double wraps = 0;
    L.CycleRemaining = raw;
    // The countdown starts a new cycle when it reaches or passes 0, keeping what it passed by. A
    // cycle that is no whole number of steps gathers rounding noise: a hair above 0 is 0.
    if (!(raw > step * 1e-9)) {
        wraps = raw > 0 ? 1 : std::floor(-raw / L.CycleDuration) + 1;
        L.CycleRemaining = std::min(raw + wraps * L.CycleDuration, L.CycleDuration);
        Shared::call(shared_.routines.LaserCyclesCompleted, i, static_cast<int>(wraps));
    }
    trap.at(120);
    const double secondsBefore = L.SecondsToDeplete;
    L.SecondsToDeplete -= step;
    L.DepleteMinutes = vbFix(L.SecondsToDeplete / 60);
    L.DepleteSeconds = L.SecondsToDeplete - vbFix(L.DepleteMinutes * 60);
    trap.at(130);
    s.countdown->setCaption(texts.countdown.numberToText(vbFix(L.CycleRemaining)));
    const QString& minutes = texts.minutes.formatNumber(L.DepleteMinutes, QStringLiteral("00"));
    const QString& seconds = texts.seconds.formatNumber(vbFix(L.DepleteSeconds), QStringLiteral("00"));
    if (texts.timeLeft.isNull() || minutes != texts.timeLeftMinutes || seconds != texts.timeLeftSeconds) {
        texts.timeLeft = minutes + QLatin1Char(':') + seconds;
        texts.timeLeftMinutes = minutes;
        texts.timeLeftSeconds = seconds;
    }
    s.timeLeft->setCaption(texts.timeLeft);

    trap.at(140);
    const double cycleWarning = hookValue(shared_.routines.CycleWarningSeconds) + 1;
    if (reached(cycleWarning, before, raw, L.CycleRemaining, L.CycleDuration, wraps)) {
        Shared::call(shared_.routines.PlayEventSound, 0);
        s.countdown->setForeColor(Yellow);
    } else if (reached(1, before, raw, L.CycleRemaining, L.CycleDuration, wraps)) {
        Shared::call(shared_.routines.RefreshValuation);
        Shared::call(shared_.routines.PlayEventSound, 1);
        s.countdown->setForeColor(LightGrey);
    }

    trap.at(150);
    const double depletionWarning = hookValue(shared_.routines.DepletionWarningSeconds) + 1;
    if (L.DepleteMinutes == 0 && depletionWarning > 0 && depletionWarning >= L.SecondsToDeplete &&
        depletionWarning < secondsBefore) {
        Shared::call(shared_.routines.PlayEventSound, 2);
        s.timeLeft->setForeColor(Red);
    } else if (L.Remaining == 0) {
        Shared::call(shared_.routines.RefreshValuation);
        Shared::call(shared_.routines.PlayEventSound, 3);
        s.timeLeft->setForeColor(LightBlue);
    }

    trap.at(160);
    if (L.Remaining > 0)
        return;
    deplete(i);
}

void LaserTimers::deplete(int i)
{
    Slot& s = slots_.at(i);
    s.countdown->setForeColor(Yellow);
    s.timeLeft->setForeColor(LightBlue);
    s.timeLeft->setCaption(QStringLiteral("00:00"));
    s.bar->setVisible(false);
    s.timer->setTag(QStringLiteral("0"));
    s.timer->setEnabled(false);
    s.countdown->setFontSize(7);
    s.countdown->setCaption(QStringLiteral("Depleted"));
    s.countdown->setTop(1575);
    s.size->setToolTipText(QStringLiteral(" Depleted "));
    s.button->setCaption(QString::number(i + 1));
    s.button->setToolTipText(QStringLiteral(" Start laser first "));
    s.oreName->setTag(QStringLiteral("0"));
    s.rateBox->setLocked(false);
    s.rateBox->setText(s.plusOne->tag());
    s.cycleBox->setLocked(false);
    s.numFocused->setCaption(QStringLiteral("+"));
    for (Control* c : {s.oreList, s.rateBox, s.cycleBox})
        c->setForeColor(UnlockedText);
    s.size->setCaption(QString());
    allIdleFinish();
}

// After a failed tick the laser stops where it is, as a press of its start button would leave
// it, so that one fault gives one report instead of one per tick.
void LaserTimers::haltAfterFailure(int i)
{
    try {
        Slot& s = slots_.at(i);
        s.timer->setEnabled(false);
        s.timer->setTag(QStringLiteral("0"));
        s.button->setCaption(QString::number(i + 1));
        s.button->setToolTipText(QStringLiteral(" Start laser first "));
        for (Control* box : {s.rateBox, s.cycleBox}) {
            box->setLocked(false);
            box->setForeColor(UnlockedText);
        }
        s.countdown->setForeColor(LightGrey);
        if (loaded(i))
            s.size->setToolTipText(QStringLiteral(" Double click to clear "));
    } catch (const std::exception&) {
        // The slot's controls are gone: nothing left to stop.
    }
}

void LaserTimers::allIdleFinish()
{
    if (anyRunning())
        return;
    Shared::call(shared_.routines.RefreshValuation);
    for (Control* box : mineralBoxes_) {
        if (isNumeric(box->text()))
            box->setText(numberToText(roundHalfEven(textToNumber(box->text()))));
    }
}

// ---------------------------------------------------------------------------------------------
// Refresh rate

void LaserTimers::optRefreshRate_Click(int Index)
{
    // Re-selecting the previous option below clicks it again; that click is ours, not the player's.
    if (reselecting_)
        return;
    if (!shared_.IsLoading)
        Shared::call(shared_.routines.PlayClickSound);
    if (anyRunning()) {
        reselecting_ = true;
        for (Control* option : refreshOptions_)
            option->setValue(intervalOf(*option) == shared_.RefreshInterval ? 1 : 0);
        reselecting_ = false;
        return;
    }
    const std::optional<double> interval = intervalOf(*refreshOptions_.at(Index));
    if (interval && *interval > 0)
        shared_.RefreshInterval = *interval;
}

// The options' intervals are the window's own design values ("62.5"), not the player's entries:
// they read the same on every desk, also where the decimal mark is a comma.
std::optional<double> LaserTimers::intervalOf(const Control& option)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(option.tag().trimmed(), &ok);
    if (ok)
        return value;
    return numericValue(option.tag());
}

void LaserTimers::optRefreshRate_MouseMove(int Index, int, int, double, double)
{
    Shared::call(shared_.routines.SetButtonBackColor, QStringLiteral("optRefreshRate"), PanelColor, 4);
    refreshOptions_.at(Index)->setBackColor(ButtonHover);
}

} // namespace orebell
