// The close button's full save and the start-up's full load of the main window: every stored
// control (about 170 keys), the window position and a 48-row ore-mined grid (about 150 keys), on
// the real QSettings store in a temporary folder.

#include "QtBenchmarkMain.h"
#include "app/Program.h"
#include "data/Shared.h"
#include "platform/QtSettingsStore.h"
#include "store/Settings.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QSettings>
#include <benchmark/benchmark.h>

#include <array>

namespace {

using namespace orebell;

const QString App = QStringLiteral("Orebell_III");
const std::array<QString, 4> Keys = {QStringLiteral("Ore Name"), QStringLiteral("Units Mined"),
                                     QStringLiteral("R/Units"), QString()};

// A played session: every box holds a value, 48 ores mined.
void fillSession(Form& main)
{
    for (const auto& c : main.controls()) {
        if ((c->kind() == ControlKind::TextBox || c->kind() == ControlKind::ComboBox) && c->isArrayElement())
            c->setText(QStringLiteral("%1").arg(c->index() * 37 + 1234.5));
        if (c->kind() == ControlKind::Frame)
            c->setTag(QStringLiteral("False"));
    }
    Grid& grid = main.grid(QStringLiteral("mshflexOreMined"));
    grid.setCols(3);
    grid.setRows(50);
    for (int col = 0; col < 3; ++col)
        grid.setTextMatrix(0, col, Keys[col]);
    for (int r = 1; r <= 48; ++r) {
        grid.setTextMatrix(r, 0, QStringLiteral("Ore number %1").arg(r));
        grid.setTextMatrix(r, 1, QStringLiteral("%1.5000000000").arg(r * 1111));
        grid.setTextMatrix(r, 2, QStringLiteral("333"));
    }
    main.move(4000, 2000, 9000, 5000);
}

int storedKeys(const QString& file)
{
    return static_cast<int>(QSettings(file, QSettings::IniFormat).allKeys().size());
}

void BM_FullSave(benchmark::State& state)
{
    test::TestPlatform platform;
    Program program(platform);
    Shared& shared = program.shared();
    shared.GridHeaders = Keys;
    shared.routines.LoadGrid(); // the session is restored (empty store): saving is armed
    fillSession(program.mainForm());
    for (auto _ : state) {
        shared.routines.SaveAll();
    }
    state.counters["keys"] = storedKeys(platform.storeFile());
}
BENCHMARK(BM_FullSave)->Unit(benchmark::kMillisecond);

// What start-up does: open and parse the store file, restore every control (handlers fire), the
// window position and the grid.
void BM_FullLoad(benchmark::State& state)
{
    test::TestPlatform platform;
    Program program(platform);
    Shared& shared = program.shared();
    shared.GridHeaders = Keys;
    shared.routines.LoadGrid();
    fillSession(program.mainForm());
    shared.routines.SaveAll();

    Form& main = program.mainForm();
    Control& grid = main.control(QStringLiteral("mshflexOreMined"));
    for (auto _ : state) {
        state.PauseTiming();
        main.grid(QStringLiteral("mshflexOreMined")).setRows(2);
        for (const auto& c : main.controls())
            if (c->kind() == ControlKind::TextBox && c->isArrayElement())
                c->setText(QString());
        state.ResumeTiming();
        QtSettingsStore store(platform.storeFolder()); // a cold start: the file is read again
        LoadSettings(store, App, main);
        LoadWindowPosition(store, App, main);
        LoadGrid(store, App, grid, Keys);
    }
    state.counters["keys"] = storedKeys(platform.storeFile());
    state.counters["rows"] = main.grid(QStringLiteral("mshflexOreMined")).rows();
}
BENCHMARK(BM_FullLoad)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return runQtBenchmarks(argc, argv); }
