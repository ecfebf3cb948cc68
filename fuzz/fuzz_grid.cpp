// The ore-mined grid's loader on arbitrary stored rows: the input is shaped into the grid's own
// sections (a "Rows" count and cells per row), so that the fuzzer spends its time in the loader.
#include "FuzzPlatform.h"
#include "app/Program.h"
#include "data/Shared.h"

#include <QCoreApplication>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_grid";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    // Lines of the input are the cells; the first one is "Rows".
    const QList<QByteArray> cells =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\n');
    QByteArray ini = "[mshflexOreMined%200]\nRows=" + cells.value(0) + "\nOre%20Name=Ore Name\n";
    static const char* const keys[] = {"Ore%20Name", "Units%20Mined", "R%252FUnits"};
    for (qsizetype i = 1; i < cells.size(); ++i) {
        const qsizetype row = (i - 1) / 3 + 1;
        if ((i - 1) % 3 == 0)
            ini += "[mshflexOreMined%20" + QByteArray::number(row) + "]\n";
        ini += QByteArray(keys[(i - 1) % 3]) + "=" + cells[i] + "\n";
    }

    orebell::fuzz::FuzzPlatform platform(ini);
    orebell::Program program(platform);
    program.run();
    if (platform.ended || platform.messageCount() > 40)
        __builtin_trap();
    // What was loaded must survive the grid's own commands and a valuation.
    auto& routines = program.shared().routines;
    orebell::Shared::call(routines.AddOreMined, QStringLiteral("Veldspar"), 10.5);
    orebell::Shared::call(routines.RefineGrid);
    orebell::Shared::call(routines.RefreshValuation);
    return 0;
}
