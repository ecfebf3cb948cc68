#pragma once

#include "app/Program.h"
#include "data/MineralData.h"
#include "data/Shared.h"
#include "support/TestPlatform.h"
#include "timing/Timing.h"
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

// The program's main window with its timing and ore-mined grid, the mineral table loaded, and
// the sound and valuation routines recorded.
struct TimingFixture : ::testing::Test {
    TestPlatform platform;
    std::unique_ptr<Program> program;
    Form* main = nullptr;
    Shared* sharedState = nullptr;
    std::vector<int> events;
    int clicks = 0;
    int valuations = 0;
    double cycleWarning = 15;
    double depletionWarning = 15;
    double jetcanMinutes = 45;

    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        program = std::make_unique<Program>(platform);
        main = &program->mainForm();
        sharedState = &program->shared();
        LoadMineralYields(sharedState->mineralYields);
        Routines& r = sharedState->routines;
        r.PlayEventSound = [this](int e) { events.push_back(e); };
        r.PlayClickSound = [this] { ++clicks; };
        r.RefreshValuation = [this] { ++valuations; };
        r.CycleWarningSeconds = [this] { return cycleWarning; };
        r.DepletionWarningSeconds = [this] { return depletionWarning; };
        r.JetcanReminderMinutes = [this] { return jetcanMinutes; };
        c("lblCargoHold", 0).setTag(QStringLiteral("0"));
        for (int i = 0; i < 7; ++i)
            c("cboRoidType", i).setText(QStringLiteral("Veldspar"));
    }

    Control& c(const char* name, int i = 0) { return main->control(QLatin1String(name), i); }
    Grid& grid() { return main->grid(QStringLiteral("mshflexOreMined")); }
    Shared& shared() { return *sharedState; }
    LaserState& laser(int i) { return sharedState->Lasers[i]; }

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
