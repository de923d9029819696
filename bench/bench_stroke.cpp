#include "canvas_repaint.h"

// A brush movement on the canvas at ratio 1, from the pointer's event to the canvas repainted.
BENCHMARK_CAPTURE(brush_movement_repaint, at_ratio_1, false)->Apply(repeated);

int main(int argc, char** argv)
{
    return run_offscreen_benchmarks(argc, argv, [](const TargetReporter& reporter) {
        reporter.time_line("stroke movement of 400 px at size 4 (median, wall)",
                           median("brush_movement_repaint/at_ratio_1"), 1.0);
    });
}
