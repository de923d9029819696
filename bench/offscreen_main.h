#pragma once

#include "platform/error_guard.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

// The main of a benchmark that drives real windows: an offscreen application, and errors printed
// instead of shown, since a message box would wait for a click that never comes.
inline int run_offscreen_benchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::set_error_reporter([](const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(message)); });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
