#pragma once

#include "data/Shared.h"
#include "store/FlexGridControl.h"
#include "support/TestPlatform.h"
#include "timing/Timing.h"
#include "timing/TimingControls.h"
#include "toolkit/Form.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <ostream>

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

#include <memory>
#include <stdexcept>
#include <vector>

namespace orebell::test {

// The timing subsystem and the ore-mined grid on that window, with the sound and valuation
// routines recorded.
struct TimingFixture : ::testing::Test {
    TestPlatform platform;
    Form form{QStringLiteral("frmOrebell")};
    Shared shared;
    std::unique_ptr<FlexGridControl> gridControl;
    std::unique_ptr<Timing> timing;
    std::vector<int> events;
    int clicks = 0;
    int valuations = 0;
    double cycleWarning = 15;
    double depletionWarning = 15;
    double jetcanMinutes = 45;

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        addTimingControls(form);
        auto& yields = shared.mineralYields;
        yields.row(0) = {QStringLiteral("Veldspar"), 333, {}, 0.1};
        yields.row(1) = {QStringLiteral("Concentrated Veldspar"), 333, {}, 0.1};
        yields.row(2) = {QStringLiteral("Dense Veldspar"), 333, {}, 0.1};
        yields.row(3) = {QStringLiteral("Scordite"), 333, {}, 0.15};
        yields.row(42) = {QStringLiteral("Arkonor"), 200, {}, 16};
        Routines& r = shared.routines;
        r.PlayEventSound = [this](int e) { events.push_back(e); };
        r.PlayClickSound = [this] { ++clicks; };
        r.RefreshValuation = [this] { ++valuations; };
        r.CycleWarningSeconds = [this] { return cycleWarning; };
        r.DepletionWarningSeconds = [this] { return depletionWarning; };
        r.JetcanReminderMinutes = [this] { return jetcanMinutes; };
        gridControl = std::make_unique<FlexGridControl>(form, shared, platform);
        timing = std::make_unique<Timing>(form, shared, platform);
        c("chkMonitorCargoHold", 0).setValue(1);
        c("lblCargoHold", 0).setTag(QStringLiteral("0"));
        for (int i = 0; i < 7; ++i)
            c("cboRoidType", i).setText(QStringLiteral("Veldspar"));
    }

    Control& c(const char* name, int i = 0) { return form.control(QLatin1String(name), i); }
    Grid& grid() { return form.grid(QStringLiteral("mshflexOreMined")); }
    LaserState& laser(int i) { return shared.Lasers[i]; }

    // Fills a slot's entries as the player types them.
    void enter(int slot, const QString& size, const QString& rate, const QString& cycle,
               const QString& ore = QStringLiteral("Veldspar"))
    {
        c("cboRoidType", slot).setText(ore);
        c("txtSizeOfRoid", slot).setText(size);
        c("txtMiningRate", slot).setText(rate);
        c("txtCycleDurationInSeconds", slot).setText(cycle);
    }
    void press(int slot) { c("btnActivateTimer", slot).click(); }
    void tick(int slot, int n = 1)
    {
        for (int k = 0; k < n; ++k)
            c("tmrMiningLaser", slot).fire();
    }
    bool running(int slot) { return c("btnActivateTimer", slot).caption() == QLatin1String("!"); }
    QString countdown(int slot) { return c("lblCycleCountdown", slot).caption(); }
    QString units(int row) { return grid().textMatrix(row, 1); }
    // Runs the slot to depletion (bounded), returning the ticks it took.
    int mineOut(int slot, int limit = 100000)
    {
        int n = 0;
        while (running(slot) && n < limit) {
            tick(slot);
            ++n;
        }
        if (running(slot))
            throw std::runtime_error("the asteroid never ran out");
        return n;
    }
};

} // namespace orebell::test
