#include "canvas_repaint.h"

#include <QFile>
#include <QTemporaryDir>

// The window in the whole-screen mode on a 1920 x 1080 screen: the layout scaled by about 1.5 in
// the whole-screen view, pictures from their renderings at 2x.
BENCHMARK_CAPTURE(brush_movement_repaint, whole_screen, true)->Apply(repeated);
BENCHMARK_CAPTURE(fill_repaint, whole_screen, true)->Apply(repeated);

namespace {

// The offscreen platform's one screen, 1920 x 1080 at ratio 1, described in a file of `folder`;
// the platform's name with that file.
QByteArray full_hd_platform(const QTemporaryDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("screens.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return "offscreen";
    file.write(R"({"screens": [{"name": "full-hd", "x": 0, "y": 0, "width": 1920, "height": 1080}]})");
    return "offscreen:configfile=" + QFile::encodeName(path);
}

} // namespace

int main(int argc, char** argv)
{
    const QTemporaryDir folder;
    return run_offscreen_benchmarks(
        argc, argv,
        [](const TargetReporter& reporter) {
            print_repaint_targets(reporter, "whole screen on 1920 x 1080",
                                  "brush_movement_repaint/whole_screen", "fill_repaint/whole_screen", 3);
        },
        full_hd_platform(folder));
}
