#include "app/ControlBar.h"

#include "data/Shared.h"
#include "toolkit/Conventions.h"
#include "toolkit/RuntimeError.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <limits>

namespace orebell {

namespace {

const QString Selected = QStringLiteral("selected");
const QString True = QStringLiteral("True");
const QString False = QStringLiteral("False");
const QString ButtonArray = QStringLiteral("lblControlButton");

// Twips from mouse arithmetic, rounded halves to even and kept inside the int range.
int roundTwips(double value)
{
    if (!std::isfinite(value))
        return 0;
    constexpr double limit = 1e9;
    return static_cast<int>(roundHalfEven(std::clamp(value, -limit, limit)));
}

// A box the commands read as a whole number: empty counts as 0; anything else must be a number.
bool readWholeNumber(const QString& text, std::int64_t& out)
{
    if (text.trimmed().isEmpty()) {
        out = 0;
        return true;
    }
    if (!isNumeric(text))
        return false;
    const double value = textToNumber(text);
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<std::int32_t>::max())
        return false;
    out = static_cast<std::int64_t>(roundHalfEven(value));
    return true;
}

} // namespace

ControlBar::ControlBar(Form& main, Shared& shared, Platform& platform)
    : main_(main), shared_(shared), platform_(platform)
{
    main_.onClick(ButtonArray, [this](int i) { lblControlButton_Click(i); });
    main_.onMouseDown(ButtonArray, [this](int i, int b, int s, double x, double y) {
        lblControlButton_MouseDown(i, b, s, x, y);
    });
    main_.onMouseMove(ButtonArray, [this](int i, int b, int s, double x, double y) {
        lblControlButton_MouseMove(i, b, s, x, y);
    });
    main_.onFormMouseMove([this](int b, int s, double x, double y) { Form_MouseMove(b, s, x, y); });
    main_.onMouseMove(QStringLiteral("lblPlusOne"),
                      [this](int i, int, int, double, double) { lblPlusOne_MouseMove(i); });
    main_.onMouseMove(QStringLiteral("lblMinusOne"),
                      [this](int i, int, int, double, double) { lblMinusOne_MouseMove(i); });
    main_.onMouseMove(QStringLiteral("lblJetButton"),
                      [this](int i, int, int, double, double) { lblJetButton_MouseMove(i); });
    control(QStringLiteral("fraRefinedOreYield")).onMouseMove([this](int, int, double, double) {
        fraRefinedOreYield_MouseMove();
    });
    control(QStringLiteral("fraRefineryYield")).onMouseMove([this](int, int, double, double) {
        fraRefineryYield_MouseMove();
    });
    control(QStringLiteral("fraSettings")).onMouseMove([this](int, int, double, double) {
        fraSettings_MouseMove();
    });
    control(QStringLiteral("lblMinimize")).onClick([this] { lblMinimize_Click(); });
    control(QStringLiteral("imgMinimized")).onClick([this] { imgMinimized_Click(); });
    main_.onCloseRequest([this] { CloseProgram(); });

    shared_.routines.lblControlButton_Click = [this](int index) { lblControlButton_Click(index); };
    shared_.routines.SetButtonBackColor = [this](const QString& array, std::uint32_t color, int highest) {
        SetButtonBackColor(array, color, highest);
    };
}

Control& ControlBar::button(int index) { return main_.control(ButtonArray, index); }

Control& ControlBar::control(const QString& name, int index) { return main_.control(name, index); }

int ControlBar::timerCount() const
{
    const QString text = main_.control(QStringLiteral("txtLasers"), 0).text();
    if (!isNumeric(text))
        return 1;
    const double n = textToNumber(text);
    if (!std::isfinite(n))
        return 1;
    return static_cast<int>(std::clamp(roundHalfEven(n), 1.0, 7.0));
}

void ControlBar::lblControlButton_Click(int Index)
{
    if (!main_.has(ButtonArray, Index) || button(Index).caption().isEmpty())
        return;
    if (Index != 6 && Index != 7)
        Shared::call(shared_.routines.PlayClickSound);

    switch (Index) {
    case 0:
        switchPanel(Index, QStringLiteral("fraHelp"), 5);
        break;
    case 1:
        showTimerView();
        break;
    case 2:
        switchPanel(Index, QStringLiteral("fraRefineryYield"), 6);
        break;
    case 3:
        switchPanel(Index, QStringLiteral("fraRefinedOreYield"), 6);
        break;
    case 4:
        cycleWatchPanels();
        break;
    case 5:
        switchPanel(Index, QStringLiteral("fraSound"), 5);
        break;
    case 6:
        CloseProgram();
        break;
    case 8:
        switchPanel(Index, QStringLiteral("fraSettings"), 1);
        break;
    case 11:
        platform_.desktop().openAddress(QString::fromLatin1(WebPageAddress));
        break;
    case 12:
        changeTimerCount(+1);
        break;
    case 13:
        changeTimerCount(-1);
        break;
    case 14:
        minimise();
        break;
    case 15:
        resetMission();
        break;
    case 18:
        refine();
        break;
    default: // 7 the title, 16 and 17 the station profiles: nothing beyond the sound
        break;
    }
}

void ControlBar::selectButton(int index)
{
    ClearButtonTags();
    Control& b = button(index);
    b.setBackColor(SelectedColor);
    b.setTag(Selected);
}

void ControlBar::switchPanel(int index, const QString& frame, int showTimersArgument)
{
    static const char* const panels[] = {"fraHelp",     "fraRefineryYield", "fraRefinedOreYield",
                                         "fraSound",    "fraSettings",      "fraMineralYield",
                                         "fraProgress", "fraCargoHold"};
    for (const char* name : panels) {
        const QString panel = QString::fromLatin1(name);
        if (panel != frame)
            control(panel).setVisible(false);
    }
    selectButton(index);
    Control& p = control(frame);
    if (!p.visible()) {
        p.move(255, 240);
        p.setVisible(true);
        Shared::call(shared_.routines.ShowTimers, showTimersArgument);
    } else {
        lblControlButton_Click(1);
    }
}

void ControlBar::showTimerView()
{
    selectButton(1);
    for (const char* name : {"fraHelp", "fraSound", "fraRefinedOreYield", "fraRefineryYield", "fraSettings"})
        control(QString::fromLatin1(name)).setVisible(false);
    Shared::call(shared_.routines.ShowTimers, timerCount());
    Shared::call(shared_.routines.LoadSounds);
    for (const char* name : {"fraProgress", "fraMineralYield", "fraCargoHold"}) {
        Control& watch = control(QString::fromLatin1(name));
        watch.setVisible(watch.tag() == True);
    }
}

void ControlBar::cycleWatchPanels()
{
    if (button(1).tag() != Selected)
        return;
    Control& caption = button(4);
    Control& yield = control(QStringLiteral("fraMineralYield"));
    Control& progress = control(QStringLiteral("fraProgress"));
    Control& cargo = control(QStringLiteral("fraCargoHold"));
    auto showOnly = [&](Control* shown, const char* next) {
        for (Control* watch : {&yield, &progress, &cargo}) {
            if (watch == shown)
                continue;
            watch->setVisible(false);
            watch->setTag(False);
        }
        if (shown) {
            shown->move(1575, 255);
            shown->setVisible(true);
            shown->setTag(True);
        } else {
            control(QStringLiteral("fraSettings")).setVisible(false);
        }
        caption.setCaption(QString::fromLatin1(next));
    };
    const QString now = caption.caption();
    if (now == QLatin1String("Y"))
        showOnly(&yield, "P");
    else if (now == QLatin1String("P"))
        showOnly(&progress, "C");
    else if (now == QLatin1String("C"))
        showOnly(&cargo, "-");
    else
        showOnly(nullptr, "Y");
}

void ControlBar::changeTimerCount(int delta)
{
    // The count is kept between 1 and 7; a box holding anything else is brought back into range.
    const int n = std::clamp(timerCount() + delta, 1, 7);
    control(QStringLiteral("txtLasers"), 0).setText(QString::number(n));
    Shared::call(shared_.routines.ShowTimers, n);
    lblControlButton_Click(1);
}

bool ControlBar::laserRunning()
{
    for (int i = 0; i <= 6; ++i)
        if (control(QStringLiteral("btnActivateTimer"), i).caption() == QLatin1String("!"))
            return true;
    return false;
}

void ControlBar::resetMission()
{
    if (laserRunning())
        return;
    Shared::call(shared_.routines.ResetGrid);
    const QString zeroTip = QStringLiteral(" +0 refined ");
    for (int i = 0; i <= 7; ++i) {
        control(QStringLiteral("txtRefinedOre"), i).setText(QStringLiteral("0"));
        control(QStringLiteral("txtMineralsMinedFromOre"), i).setText(QStringLiteral("0"));
        control(QStringLiteral("txtMineralsMinedFromOre"), i + 8).setText(QStringLiteral("0"));
        control(QStringLiteral("txtMineralsMinedFromOre"), i).setToolTipText(zeroTip);
        control(QStringLiteral("txtMineralsMinedFromOre"), i + 8).setToolTipText(zeroTip);
    }
    control(QStringLiteral("lblIskFromRefinedOre"), 0).setCaption(QStringLiteral("0 isk"));
    for (int i = 0; i <= 15; ++i)
        control(QStringLiteral("lblYieldProgressPercBar"), i).setVisible(false);
}

void ControlBar::refine()
{
    // The record is about to lose the whole batches it holds now, so the minerals added must be
    // those of the same batches. The estimate boxes lag the record while a laser runs (the
    // valuation follows only some ticks) and are not kept up at all while Virtual Refining is
    // unticked: then the estimate is worked out afresh first. An entry that refuses it refuses
    // the whole command.
    const bool estimateCurrent =
        !laserRunning() && control(QStringLiteral("chkVirtualRefining"), 0).value() == 1;
    if (!estimateCurrent && shared_.routines.EstimateForRefine && !shared_.routines.EstimateForRefine())
        return;
    // Every box is read before anything changes, so a bad entry refuses the whole command and
    // neither the minerals nor the ore list are half refined.
    std::array<std::int32_t, 8> totals{};
    std::array<double, 8> added{};
    for (int i = 0; i <= 7; ++i) {
        const QString mineral = control(QStringLiteral("lblMineral"), i).caption();
        const QString refined = control(QStringLiteral("txtRefinedOre"), i).text();
        const QString mined = control(QStringLiteral("txtMineralsMinedFromOre"), i).text();
        std::int64_t a = 0;
        std::int64_t b = 0;
        const bool refinedOk = readWholeNumber(refined, a);
        if (!refinedOk || !readWholeNumber(mined, b)) {
            platform_.messageBox().show(
                QStringLiteral("Nothing was refined: the %1 amount of %2 is \"%3\", "
                               "which is not a whole number of units.")
                    .arg(refinedOk ? QStringLiteral("estimated") : QStringLiteral("refined"), mineral,
                         refinedOk ? mined : refined));
            return;
        }
        const std::int64_t total = a + b;
        if (total > std::numeric_limits<std::int32_t>::max() ||
            total < std::numeric_limits<std::int32_t>::min()) {
            platform_.messageBox().show(
                QStringLiteral("Nothing was refined: the refined amount of %1 would be too large.")
                    .arg(mineral));
            return;
        }
        totals[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(total);
        added[static_cast<std::size_t>(i)] = static_cast<double>(b);
    }
    Shared::call(shared_.routines.MineralsRefined, added);
    for (int i = 0; i <= 7; ++i) {
        const QString total = QString::number(totals[static_cast<std::size_t>(i)]);
        const QString tip = QStringLiteral(" +") + total + QStringLiteral(" refined ");
        control(QStringLiteral("txtRefinedOre"), i).setText(total);
        control(QStringLiteral("txtMineralsMinedFromOre"), i).setToolTipText(tip);
        control(QStringLiteral("txtMineralsMinedFromOre"), i + 8).setToolTipText(tip);
        control(QStringLiteral("txtMineralsMinedFromOre"), i).setText(QStringLiteral("0"));
    }
    Shared::call(shared_.routines.RefineGrid);
}

void ControlBar::minimise()
{
    control(QStringLiteral("txtJetCanName"), 0).setVisible(false);
    control(QStringLiteral("shpJetCanNameBorder"), 0).setVisible(false);
    control(QStringLiteral("fraHelp")).setVisible(false);
    control(QStringLiteral("fraSound")).setVisible(false);
    Control& image = control(QStringLiteral("imgMinimized"));
    Control& label = control(QStringLiteral("lblMinimize"));
    main_.move(30, 80, image.width(), image.height());
    image.move(0, 0);
    label.move(0, 120);
    image.setVisible(true);
    label.setVisible(true);
}

void ControlBar::lblMinimize_Click()
{
    const int height = control(QStringLiteral("shpBox")).height() + button(0).height() + 45;
    main_.move(shared_.RestoreLeft, shared_.RestoreTop, control(QStringLiteral("imgMinimized")).width(),
               height);
    Shared::call(shared_.routines.ShowTimers, timerCount());
    control(QStringLiteral("txtJetCanName"), 0).setVisible(true);
    control(QStringLiteral("shpJetCanNameBorder"), 0).setVisible(true);
    lblControlButton_Click(1);
    control(QStringLiteral("imgMinimized")).setVisible(false);
    control(QStringLiteral("lblMinimize")).setVisible(false);
}

void ControlBar::imgMinimized_Click() { lblMinimize_Click(); }

void ControlBar::CloseProgram()
{
    if (main_.unloaded())
        return;
    try {
        Shared::call(shared_.routines.SaveAll);
    } catch (const std::exception& e) {
        // Leaving now would lose the session mined since the last save; ask for a second close.
        if (!saveFailed_) {
            saveFailed_ = true;
            platform_.messageBox().show(
                QStringLiteral("Orebell could not save your entries and the ore mined.\n") +
                asRuntimeError(e).description() +
                QStringLiteral("\nClose Orebell again to leave without saving."));
            return;
        }
    }
    main_.unload();
    platform_.endProgram();
}

void ControlBar::lblControlButton_MouseDown(int Index, int, int, double X, double Y)
{
    if (Index != 7)
        return;
    DragOffsetX = roundTwips(X);
    DragOffsetY = roundTwips(Y);
}

void ControlBar::lblControlButton_MouseMove(int Index, int Button, int, double X, double Y)
{
    SetButtonBackColor(ButtonArray, RestColor, shared_.TopButtonIndex);
    if (main_.has(ButtonArray, Index))
        button(Index).setBackColor(HoverColor);
    if (Button == LeftButton && Index == 7) {
        const int left = roundTwips(main_.left() + (X - DragOffsetX));
        const int top = roundTwips(main_.top() + (Y - DragOffsetY));
        main_.move(left, top);
        shared_.RestoreLeft = left;
        shared_.RestoreTop = top;
    }
}

void ControlBar::Form_MouseMove(int, int, double, double)
{
    const int n = timerCount();
    SetButtonBackColor(ButtonArray, RestColor, shared_.TopButtonIndex);
    SetButtonBackColor(QStringLiteral("lblPlusOne"), RestColor, n - 1);
    SetButtonBackColor(QStringLiteral("lblJetButton"), RestColor, 3);
    SetButtonBackColor(QStringLiteral("lblMinusOne"), RestColor, n - 1);
}

void ControlBar::lblPlusOne_MouseMove(int Index)
{
    const int n = timerCount();
    SetButtonBackColor(QStringLiteral("lblPlusOne"), RestColor, n - 1);
    SetButtonBackColor(QStringLiteral("lblMinusOne"), RestColor, n - 1);
    control(QStringLiteral("lblPlusOne"), Index).setBackColor(HoverColor);
}

void ControlBar::lblMinusOne_MouseMove(int Index)
{
    const int n = timerCount();
    SetButtonBackColor(QStringLiteral("lblPlusOne"), RestColor, n - 1);
    SetButtonBackColor(QStringLiteral("lblMinusOne"), RestColor, n - 1);
    control(QStringLiteral("lblMinusOne"), Index).setBackColor(HoverColor);
}

void ControlBar::lblJetButton_MouseMove(int Index)
{
    SetButtonBackColor(QStringLiteral("lblJetButton"), RestColor, 3);
    control(QStringLiteral("lblJetButton"), Index).setBackColor(HoverColor);
}

void ControlBar::fraRefinedOreYield_MouseMove()
{
    SetButtonBackColor(ButtonArray, RestColor, shared_.TopButtonIndex);
}

void ControlBar::fraRefineryYield_MouseMove()
{
    SetButtonBackColor(ButtonArray, RestColor, shared_.TopButtonIndex);
}

void ControlBar::fraSettings_MouseMove()
{
    SetButtonBackColor(QStringLiteral("optRefreshRate"), PanelColor, 4);
    SetButtonBackColor(QStringLiteral("chkVirtualRefining"), PanelColor, 0);
}

void ControlBar::SetButtonBackColor(const QString& ctlControl, Color lngColor, int intNumButtons)
{
    for (Control* element : main_.elements(ctlControl)) {
        if (element->index() > intNumButtons)
            break; // elements come in index order
        element->setBackColor(element->tag() == Selected ? SelectedColor : lngColor);
    }
    for (int i : {7, 14, 6})
        if (main_.has(ButtonArray, i))
            button(i).setBackColor(PanelColor);
}

void ControlBar::ClearButtonTags()
{
    for (int i = 0; i <= shared_.TopButtonIndex; ++i)
        if (main_.has(ButtonArray, i))
            button(i).setTag(QString());
}

} // namespace orebell
