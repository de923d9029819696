#include "canvas_repaint.h"

#include <QTemporaryDir>

// The window in the whole-screen mode on a 1920 x 1080 screen: the layout scaled by about 1.5 in
// the whole-screen view, pictures from their renderings at 2x.
BENCHMARK_CAPTURE(brush_movement_repaint, whole_screen, true)->Apply(repeated);
BENCHMARK_CAPTURE(fill_repaint, whole_screen, true)->Apply(repeated);

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
