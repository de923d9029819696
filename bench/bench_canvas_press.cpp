#include "history/recovery_record.h"
#include "main_window_fixture.h"
#include "offscreen_main.h"
#include "targets.h"

#include <benchmark/benchmark.h>

namespace {

void repeated(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);
}

// A fill of the sky of a drawing, alternating two colours so that every press repaints it all.
void press_fill(benchmark::State& state, bool keep_outlines)
{
    BenchWindow window(keep_outlines);
    window.form.state().drawing.current_tool = core::Tool::fill;
    int round = 0;
    for (auto _ : state) {
        window.form.state().drawing.current_colour = ++round % 2 ? 0x000000FF : 0x0000FF00;
        window.click({5, 5}, {5, 5});
    }
}
void BM_PressFill(benchmark::State& state)
{
    press_fill(state, false);
}
BENCHMARK(BM_PressFill)->Apply(repeated);
// The same with the drawing's outlines kept: the fill stops at the mask's walls.
void BM_PressFillKeptOutlines(benchmark::State& state)
{
    press_fill(state, true);
}
BENCHMARK(BM_PressFillKeptOutlines)->Apply(repeated);

// One dot of the brush at the press.
void press_brush(benchmark::State& state, bool keep_outlines)
{
    BenchWindow window(keep_outlines);
    window.form.state().drawing.current_tool = core::Tool::brush;
    for (auto _ : state)
        window.click({237, 296}, {237, 296});
}
void BM_PressBrush(benchmark::State& state)
{
    press_brush(state, false);
}
BENCHMARK(BM_PressBrush)->Apply(repeated);
void BM_PressBrushKeptOutlines(benchmark::State& state)
{
    press_brush(state, true);
}
BENCHMARK(BM_PressBrushKeptOutlines)->Apply(repeated);

// A rectangle dragged over most of the drawing: press, one move of the rubber band and the release.
void press_rectangle(benchmark::State& state, bool keep_outlines)
{
    BenchWindow window(keep_outlines);
    window.form.state().drawing.current_tool = core::Tool::rectangle;
    for (auto _ : state)
        window.click({40, 40}, {430, 550});
}
void BM_PressRectangle(benchmark::State& state)
{
    press_rectangle(state, false);
}
BENCHMARK(BM_PressRectangle)->Apply(repeated);
// Its outline crosses the drawing's outlines, which it leaves as they are.
void BM_PressRectangleKeptOutlines(benchmark::State& state)
{
    press_rectangle(state, true);
}
BENCHMARK(BM_PressRectangleKeptOutlines)->Apply(repeated);

// The release of that rectangle alone: the rubber band removed and the outline drawn and shown.
void BM_ReleaseRectangle(benchmark::State& state)
{
    BenchWindow window;
    window.form.state().drawing.current_tool = core::Tool::rectangle;
    for (auto _ : state) {
        state.PauseTiming();
        BenchWindow::send(window.canvas(), QEvent::MouseButtonPress, {40, 40}, Qt::LeftButton);
        BenchWindow::send(window.canvas(), QEvent::MouseMove, {430, 550}, Qt::LeftButton);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        BenchWindow::send(window.canvas(), QEvent::MouseButtonRelease, {430, 550}, Qt::NoButton);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ReleaseRectangle)->Apply(repeated);

// The brush dot and the fill while the drawing is recorded for after a crash: the record is
// written by a thread of its own, so a press only hands it the canvas.
void press_recorded(benchmark::State& state, core::Tool tool, QPoint at)
{
    QTemporaryDir records; // outlives the window, which holds its lock there
    BenchWindow window;
    window.form.keep_recovery_record(records.path());
    window.form.state().drawing.current_tool = tool;
    int round = 0;
    for (auto _ : state) {
        window.form.state().drawing.current_colour = ++round % 2 ? 0x000000FF : 0x0000FF00;
        window.click(at, at);
    }
    window.form.recovery_record()->wait_for_writes();
}
void BM_PressBrushRecorded(benchmark::State& state)
{
    press_recorded(state, core::Tool::brush, {237, 296});
}
BENCHMARK(BM_PressBrushRecorded)->Apply(repeated);
void BM_PressFillRecorded(benchmark::State& state)
{
    press_recorded(state, core::Tool::fill, {5, 5});
}
BENCHMARK(BM_PressFillRecorded)->Apply(repeated);

// Undo and redo by their buttons after fills: with one step each writes the canvas to one
// snapshot, reads the other and shows it; with 50 steps kept in memory, behind 50 fills, each
// shows the step it brings back. Only the step named is timed; the other one brings the window back.
void undo_redo(benchmark::State& state, bool time_undo, int steps = 1)
{
    BenchWindow window;
    settings::Settings values;
    values.undo_steps = steps;
    window.form.apply_settings(values);
    window.form.state().drawing.current_tool = core::Tool::fill;
    for (int fill = 0; fill < steps; ++fill) {
        window.form.state().drawing.current_colour = fill % 2 ? 0x000000FF : 0x0000FF00;
        window.click({5, 5}, {5, 5});
    }
    auto* undo = window.form.controls().undo_button;
    auto* redo = window.form.controls().redo_button;
    for (auto _ : state) {
        if (!time_undo)
            state.PauseTiming();
        BenchWindow::click(undo, {5, 5}, {5, 5});
        if (!time_undo)
            state.ResumeTiming();
        else
            state.PauseTiming();
        BenchWindow::click(redo, {5, 5}, {5, 5});
        if (time_undo)
            state.ResumeTiming();
    }
}
void BM_Undo(benchmark::State& state)
{
    undo_redo(state, true);
}
void BM_Redo(benchmark::State& state)
{
    undo_redo(state, false);
}
BENCHMARK(BM_Undo)->Apply(repeated);
BENCHMARK(BM_Redo)->Apply(repeated);
void BM_Undo50Steps(benchmark::State& state)
{
    undo_redo(state, true, 50);
}
void BM_Redo50Steps(benchmark::State& state)
{
    undo_redo(state, false, 50);
}
BENCHMARK(BM_Undo50Steps)->Apply(repeated);
BENCHMARK(BM_Redo50Steps)->Apply(repeated);

} // namespace

int main(int argc, char** argv)
{
    return run_offscreen_benchmarks(argc, argv, [](const TargetReporter& reporter) {
        const auto median = [](const char* name) { return std::string(name) + "/repeats:5/real_time"; };
        reporter.time_line("press: fill of the sky (median, wall)", median("BM_PressFill"), 1.5);
        reporter.time_line("press: brush dot (median, wall)", median("BM_PressBrush"), 1.5);
        reporter.time_line("press: rectangle drag (median, wall)", median("BM_PressRectangle"), 1.5);
        reporter.time_line("press, outlines kept: fill of the sky (median, wall)",
                           median("BM_PressFillKeptOutlines"), 1.5);
        reporter.time_line("press, outlines kept: brush dot (median, wall)",
                           median("BM_PressBrushKeptOutlines"), 1.5);
        reporter.time_line("press, outlines kept: rectangle drag (median, wall)",
                           median("BM_PressRectangleKeptOutlines"), 1.5);
        reporter.time_line("press, recorded: brush dot (median, wall)", median("BM_PressBrushRecorded"), 1.5);
        reporter.time_line("press, recorded: fill of the sky (median, wall)", median("BM_PressFillRecorded"),
                           1.5);
        reporter.time_line("undo by its button (median, wall)", median("BM_Undo"), 2);
        reporter.time_line("redo by its button (median, wall)", median("BM_Redo"), 2);
        reporter.time_line("undo, 50 steps kept (median, wall)", median("BM_Undo50Steps"), 2);
        reporter.time_line("redo, 50 steps kept (median, wall)", median("BM_Redo50Steps"), 2);
    });
}
