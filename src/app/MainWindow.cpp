#include "app/MainWindow.h"

#include "data/Defaults.h"
#include "data/MineralData.h"
#include "data/OreCatalogue.h"
#include "data/Shared.h"
#include "toolkit/Conventions.h"
#include "toolkit/RuntimeError.h"
#include "toolkit/Trap.h"

#include <QRect>
#include <QStringList>

#include <algorithm>

namespace orebell {

namespace {

// Pieces of the title.
constexpr const char* ProgramName = " Orebell";
constexpr const char* Edition = "III";
constexpr const char* BuildSuffix = "b";

constexpr int MaxTimers = 7;
// How much of the title bar must be on a screen for the player to reach and drag it (100 pixels).
constexpr int ComfortableTitleWidth = 1500;

QString versionText(const ProgramVersion& v)
{
    return QStringLiteral(" v(%1.%2.%3%4)")
        .arg(v.major)
        .arg(v.minor)
        .arg(v.revision)
        .arg(QLatin1String(BuildSuffix));
}

} // namespace

int SetAlwaysOnTop(Platform& platform, Form& window, bool onTop)
{
    const int result = platform.desktop().setAlwaysOnTop(window, onTop);
    return onTop ? result : 0;
}

MainWindow::MainWindow(Form& main, Shared& shared, Platform& platform)
    : main_(main), shared_(shared), platform_(platform)
{
    main_.onLoad([this] { Form_Load(); });
    main_.onActivate([this] { Form_Activate(); });
    main_.onUnload([this] { platform_.endProgram(); });
}

Control& MainWindow::control(const char* name, int index)
{
    return main_.control(QString::fromLatin1(name), index);
}

void MainWindow::Form_Load()
{
    ErrorTrap trap; // the load sequence's report has no routine line
    bool yieldsFailed = false;
    const bool ok = runTrapped(platform_.messageBox(), trap, [&] {
        trap.at(10);
        shared_.IsLoading = true;
        shared_.RefreshInterval = 62.5;

        trap.at(20);
        Shared::call(shared_.routines.LoadSettings);
        trap.at(30);
        Shared::call(shared_.routines.LoadSounds);
        trap.at(40);
        shared_.IsLoading = false;

        trap.at(50);
        const QString version = versionText(platform_.version());
        Control& title = control("lblControlButton", 7);
        Control& minimised = control("lblMinimize");
        title.setToolTipText(version);
        minimised.setToolTipText(QLatin1String(ProgramName) + version);
        title.setCaption(QLatin1String(ProgramName) + QLatin1Char(' ') + QLatin1String(Edition));
        minimised.setCaption(minimised.caption() + QLatin1Char(' ') + QLatin1String(Edition));

        trap.at(60);
        fillOreLists();

        trap.at(70);
        shared_.mineralYields = MineralYields{};
        ErrorTrap yieldsTrap;
        yieldsTrap.at(10);
        if (!runTrapped(platform_.messageBox(), yieldsTrap,
                        [&] { LoadMineralYields(shared_.mineralYields); })) {
            yieldsFailed = true; // reported by the table's own trap
            return;
        }

        trap.at(80);
        applyDefaults();

        trap.at(140);
        control("rchtxtHelpFile")
            .setFileName(joinProgramPath(platform_.programFolder(), QStringLiteral("\\Help.rtf")));

        trap.at(150);
        main_.setHeight(control("lblControlButton", 0).height() + control("shpBox").height() + 45);

        trap.at(160);
        showTimerCount();

        trap.at(170);
        control("lblCargoHold", 0).setTag(QStringLiteral("0"));
        trap.at(180);
        shared_.TopButtonIndex = main_.count(QStringLiteral("lblControlButton")) - 1;
        trap.at(190);
        Shared::call(shared_.routines.lblControlButton_Click, 1);
    });
    if (!ok || yieldsFailed) {
        loadFailed_ = true;
        platform_.endProgram();
    }
}

void MainWindow::fillOreLists()
{
    const QStringList& names = oreListNames();
    for (int i = 0; i <= 7; ++i) {
        Control& list = control("cboRoidType", i);
        for (const QString& name : names)
            list.addItem(name);
        if (i == 7) { // the calculator's chooser: no default and no laser of its own
            if (!names.contains(list.text()))
                list.setText(QString());
            continue;
        }
        // The lists take only their own entries: a stored name that is none of the 48 ores (a
        // damaged or hand-edited store) starts the slot on its default ore.
        if (!names.contains(list.text()))
            list.setText(QLatin1String(defaults::RoidType));
        shared_.Lasers[i].OreName = list.text();
        list.raiseClick();
        Control& cycle = control("txtCycleDurationInSeconds", i);
        Control& countdown = control("lblCycleCountdown", i);
        if (cycle.text().isEmpty()) {
            cycle.setText(QLatin1String(defaults::CycleDuration));
            countdown.setCaption(QLatin1String(defaults::CycleDuration));
        }
        countdown.setFontSize(10);
        countdown.setTop(1545);
        Control& start = control("btnActivateTimer", i);
        start.setCaption(QString::number(add16(i, 1)));
        start.setToolTipText(QStringLiteral(" Start laser first "));
    }
}

void MainWindow::applyDefaults()
{
    auto fill = [](Control& box, const QString& text) {
        if (box.text().isEmpty())
            box.setText(text);
    };
    for (int i = 0; i <= 15; ++i)
        fill(control("txtProcessingSkill", i), QLatin1String(defaults::ProcessingSkill));
    for (int i = 0; i <= 23; ++i)
        fill(control("txtStationYield", i), QLatin1String(defaults::StationYield));
    fill(control("txtCargoHold", 0), QLatin1String(defaults::CargoHold));
    for (int k = 0; k < MineralCount; ++k)
        fill(control("txtMarketValue", k), numberToText(defaults::MarketValue[k]));
    for (int k = 0; k < MineralCount; ++k) {
        Control& refined = control("txtRefinedOre", k);
        fill(refined, QLatin1String(defaults::RefinedOre));
        const QString tip = QStringLiteral(" +") + refined.text() + QStringLiteral(" refined ");
        control("txtMineralsMinedFromOre", k).setToolTipText(tip);
        control("txtMineralsMinedFromOre", k + 8).setToolTipText(tip);
    }
    const QString pattern = QLatin1String(defaults::RefineryPattern);
    fill(control("txtStationNetYield", 0), formatNumber(defaults::StationNetYield, pattern));
    fill(control("txtStationCommsission", 0), formatNumber(defaults::StationCommission, pattern));
    fill(control("txtStationTax", 0), formatNumber(defaults::StationTax, pattern));
}

// The number of laser panels. A stored count that is not a number, or that rounds to less than 1
// or more than 7 (a store edited by hand), is brought back into range instead of failing every
// later start of the program.
void MainWindow::showTimerCount()
{
    Control& lasers = control("txtLasers", 0);
    if (!isNumeric(lasers.text()))
        lasers.setText(QLatin1String(defaults::Lasers));
    double n = roundHalfEven(textToNumber(lasers.text()));
    if (n < 1 || n > MaxTimers) {
        n = n < 1 ? 1 : MaxTimers;
        lasers.setText(numberToText(n));
    }
    Shared::call(shared_.routines.ShowTimers, static_cast<int>(toInt16(n)));
}

void MainWindow::Form_Activate()
{
    ErrorTrap trap{QStringLiteral("Activate")};
    runTrapped(platform_.messageBox(), trap, [&] {
        const bool first = !activated_;
        activated_ = true;
        SetAlwaysOnTop(platform_, main_, true);
        // The stored position and grid rows are put back once: a later activation (the sound
        // chooser closing) must not move the window back or drop the ore mined since.
        if (first) {
            Shared::call(shared_.routines.LoadWindowPosition);
            keepOnScreen();
        }

        trap.at(10);
        shared_.RestoreLeft = main_.left();
        shared_.RestoreTop = main_.top();

        trap.at(20);
        shared_.GridHeaders = {QStringLiteral("Ore Name"), QStringLiteral("Units Mined"),
                               QStringLiteral("R/Units"), QString()};
        Shared::call(shared_.routines.SetGridHeaders, main_.grid(QStringLiteral("mshflexOreMined")),
                     std::span<const QString>(shared_.GridHeaders));
        if (first)
            Shared::call(shared_.routines.LoadGrid);

        trap.at(30);
        Shared::call(shared_.routines.RefreshValuation);

        trap.at(40);
        layOutGrid();

        // A later activation (the sound chooser closing) must not put the watch panels over a
        // settings panel the player has open.
        if (first || !settingsPanelOpen()) {
            trap.at(50);
            restorePanel();
        }
    });
}

bool MainWindow::settingsPanelOpen()
{
    for (const char* name : {"fraHelp", "fraSound", "fraRefinedOreYield", "fraRefineryYield", "fraSettings"})
        if (control(name).visible())
            return true;
    return false;
}

// The window is frameless and always on top: restored where no screen shows its title bar (a
// monitor unplugged, a lower resolution), it could be neither seen nor dragged back. It then goes
// onto the primary screen; the store keeps meaning the window's left and top.
void MainWindow::keepOnScreen()
{
    const QList<QRect> screens = platform_.screens().availableGeometries();
    if (screens.isEmpty())
        return;
    const int titleHeight = control("lblControlButton", 0).height();
    const QRect title(main_.left(), main_.top(), main_.width(), titleHeight);
    const int wide = std::min(main_.width(), ComfortableTitleWidth);
    for (const QRect& screen : screens) {
        const QRect shown = screen.intersected(title);
        if (shown.width() >= wide && shown.height() * 2 >= titleHeight)
            return;
    }
    const QRect& primary = screens.first();
    auto into = [](int at, int length, int from, int room) {
        return length >= room ? from : std::clamp(at, from, from + room - length);
    };
    main_.move(into(main_.left(), main_.width(), primary.left(), primary.width()),
               into(main_.top(), main_.height(), primary.top(), primary.height()));
}

void MainWindow::layOutGrid()
{
    Grid& grid = main_.grid(QStringLiteral("mshflexOreMined"));
    grid.setColAlignment(0, 1);
    grid.setColAlignmentFixed(0, 1);
    grid.setColAlignmentFixed(1, 1);
    Desktop& desktop = platform_.desktop();
    grid.setColWidth(0, desktop.textWidth(QStringLiteral("Concentrated Veldspar  ")));
    grid.setColWidth(1, desktop.textWidth(QStringLiteral("00000000000000000000")));
    grid.setColWidth(2, desktop.textWidth(QStringLiteral("R/Units  ")));
}

void MainWindow::restorePanel()
{
    struct Watch {
        const char* frame;
        const char* caption; // what the watch button shows while this panel is the first shown
    };
    static constexpr Watch watches[] = {
        {"fraProgress", "C"}, {"fraMineralYield", "P"}, {"fraCargoHold", "-"}};
    for (const Watch& w : watches) {
        Control& frame = control(w.frame);
        frame.setVisible(frame.tag() == QLatin1String("True"));
    }
    for (const Watch& w : watches) {
        Control& frame = control(w.frame);
        if (frame.visible()) {
            frame.move(1575, 255);
            control("lblControlButton", 4).setCaption(QLatin1String(w.caption));
            return;
        }
    }
    control("lblControlButton", 4).setCaption(QStringLiteral("Y"));
}

} // namespace orebell
