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
void BM_PressFill(benchmark::State& state)
{
    BenchWindow window;
    window.form.state().drawing.current_tool = 2;
    int round = 0;
    for (auto _ : state) {
        window.form.state().drawing.current_color = ++round % 2 ? 0x000000FF : 0x0000FF00;
        window.click({5, 5}, {5, 5});
    }
}
BENCHMARK(BM_PressFill)->Apply(repeated);

// One dot of the brush at the press.
void BM_PressBrush(benchmark::State& state)
{
    BenchWindow window;
    window.form.state().drawing.current_tool = 1;
    for (auto _ : state)
        window.click({237, 296}, {237, 296});
}
BENCHMARK(BM_PressBrush)->Apply(repeated);

// A rectangle dragged over most of the drawing: press, one move of the rubber band and the release.
void BM_PressRectangle(benchmark::State& state)
{
    BenchWindow window;
    window.form.state().drawing.current_tool = 7;
    for (auto _ : state)
        window.click({40, 40}, {430, 550});
}
BENCHMARK(BM_PressRectangle)->Apply(repeated);

// The release of that rectangle alone: the rubber band removed and the outline drawn and shown.
void BM_ReleaseRectangle(benchmark::State& state)
{
    BenchWindow window;
    window.form.state().drawing.current_tool = 7;
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

// Undo and redo by their buttons after a fill: each writes the canvas to one snapshot, reads the
// other and shows it. Only the step named is timed; the other one brings the window back.
void undo_redo(benchmark::State& state, bool time_undo)
{
    BenchWindow window;
    window.form.state().drawing.current_tool = 2;
    window.click({5, 5}, {5, 5});
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

} // namespace

int main(int argc, char** argv)
{
    return run_offscreen_benchmarks(argc, argv, [](const TargetReporter& reporter) {
        const auto median = [](const char* name) { return std::string(name) + "/repeats:5/real_time"; };
        reporter.time_line("press: fill of the sky (median, wall)", median("BM_PressFill"), 1.5);
        reporter.time_line("press: brush dot (median, wall)", median("BM_PressBrush"), 1.5);
        reporter.time_line("press: rectangle drag (median, wall)", median("BM_PressRectangle"), 1.5);
        reporter.time_line("undo by its button (median, wall)", median("BM_Undo"), 2);
        reporter.time_line("redo by its button (median, wall)", median("BM_Redo"), 2);
    });
}
