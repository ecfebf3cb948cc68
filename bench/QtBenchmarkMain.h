#pragma once

// The main of every Google Benchmark program here: a headless application object, an optional
// fixed locale (so number texts read the same on every machine), then the benchmarks.
#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

#include <optional>

inline int runQtBenchmarks(int argc, char** argv, std::optional<QLocale> locale = std::nullopt)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (locale)
        QLocale::setDefault(*locale);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
