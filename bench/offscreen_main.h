#pragma once

#include "targets.h"

#include "platform/error_guard.h"

#include <QApplication>
#include <cstdio>

// The main of a benchmark that drives real windows: an offscreen application, and errors printed
// instead of shown, since a message box would wait for a click that never comes. `print_targets`
// prints the figures held to targets once every benchmark has run; `platform` may name the
// offscreen platform with its options.
inline int run_offscreen_benchmarks(int argc, char** argv,
                                    const std::function<void(const TargetReporter&)>& print_targets,
                                    const QByteArray& platform = "offscreen")
{
    qputenv("QT_QPA_PLATFORM", platform);
    QApplication application(argc, argv);
    platform::set_error_reporter(
        [](const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(message)); });
    return run_benchmarks(argc, argv, print_targets);
}
