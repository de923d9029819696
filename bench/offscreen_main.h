#pragma once

#include "targets.h"

#include "platform/error_guard.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

// The offscreen platform's one screen, 1920 x 1080 at ratio 1, described in a file of `folder`;
// the platform's name with that file.
inline QByteArray full_hd_platform(const QTemporaryDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("screens.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return "offscreen";
    file.write(R"({"screens": [{"name": "full-hd", "x": 0, "y": 0, "width": 1920, "height": 1080}]})");
    return "offscreen:configfile=" + QFile::encodeName(path);
}

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
