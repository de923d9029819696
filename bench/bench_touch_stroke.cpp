#include "canvas_repaint.h"

// A finger's movement of 400 px on the canvas, from the touch screen's event to the canvas
// repainted: in the window at ratio 1, and in the whole-screen mode on a 1920 x 1080 board, each
// held to the mouse movement's target there.
BENCHMARK_CAPTURE(brush_movement_repaint, finger_at_ratio_1, false, Pointer::finger)->Apply(repeated);
BENCHMARK_CAPTURE(brush_movement_repaint, finger_whole_screen, true, Pointer::finger)->Apply(repeated);
BENCHMARK_CAPTURE(brush_movement_repaint, mouse_whole_screen, true, Pointer::mouse)->Apply(repeated);

int main(int argc, char** argv)
{
    const QTemporaryDir folder;
    return run_offscreen_benchmarks(
        argc, argv,
        [](const TargetReporter& reporter) {
            reporter.time_line("finger movement of 400 px at size 4, ratio 1 (median, wall)",
                               median("brush_movement_repaint/finger_at_ratio_1"), 1.0);
            reporter.time_line("finger movement of 400 px, whole screen 1920 x 1080 (median, wall)",
                               median("brush_movement_repaint/finger_whole_screen"), 3.0);
            reporter.time_line("the mouse's movement there, for comparison (median, wall)",
                               median("brush_movement_repaint/mouse_whole_screen"), 3.0);
        },
        full_hd_platform(folder));
}
