#include "canvas_repaint.h"

// The window on a screen of device pixel ratio 2, as the desktop's 200 % scale gives it: the canvas
// drawn as sharp 2 x 2 blocks and every other picture from its rendering at 2x.
BENCHMARK_CAPTURE(brush_movement_repaint, at_ratio_2, false)->Apply(repeated);
BENCHMARK_CAPTURE(fill_repaint, at_ratio_2, false)->Apply(repeated);

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    return run_offscreen_benchmarks(argc, argv, [](const TargetReporter& reporter) {
        print_repaint_targets(reporter, "ratio 2", "brush_movement_repaint/at_ratio_2",
                              "fill_repaint/at_ratio_2", 3);
    });
}
