#include "main_window_fixture.h"
#include "offscreen_main.h"
#include "targets.h"

#include "history/drawing_files.h"

#include <benchmark/benchmark.h>

namespace {

void repeated(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);
}

// The thumbnail the preview strip shows in `slot`, found by where the strip places it.
widgets::PictureControl* thumbnail(app::MainWindow& form, int slot)
{
    for (auto* control : form.findChildren<widgets::PictureControl*>())
        if (control->geometry().topLeft() == QPoint(10, slot * 130 + 45) && !control->hint().isEmpty())
            return control;
    std::fprintf(stderr, "no thumbnail in slot %d\n", slot);
    std::abort();
}

// A click on a thumbnail: the line drawing on the canvas, the photograph, the description and the
// colour set-up, then the window repainted. Two pictures take turns, so each click opens one.
void BM_OpenCataloguePicture(benchmark::State& state)
{
    BenchWindow window;
    widgets::PictureControl* thumbnails[] = {thumbnail(window.form, 0), thumbnail(window.form, 1)};
    int round = 0;
    for (auto _ : state)
        BenchWindow::click(thumbnails[++round % 2], {5, 5}, {5, 5});
}
BENCHMARK(BM_OpenCataloguePicture)->Apply(repeated);

// Opening a saved 474 x 593 drawing through the open button's handler, the dialog answered at
// once: read, fitted to the canvas, shown, and the window repainted. Two drawings take turns.
void BM_OpenSavedDrawing(benchmark::State& state)
{
    BenchWindow window;
    const QString saved[] = {window.folder.path() + "/save/first.bmp",
                             window.folder.path() + "/save/second.bmp"};
    formats::write_bmp(formats::read_bmp(BenchWindow::catalogue_drawing(0)), saved[0]);
    formats::write_bmp(formats::read_bmp(BenchWindow::catalogue_drawing(1)), saved[1]);
    int round = 0;
    window.form.drawing_files().set_dialog_runner([&](history::DialogKind, const core::FileDialogSettings&) {
        return std::optional<QString>(saved[round % 2]);
    });
    for (auto _ : state) {
        ++round;
        window.form.drawing_files().open_drawing();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenSavedDrawing)->Apply(repeated);

} // namespace

int main(int argc, char** argv)
{
    return run_offscreen_benchmarks(argc, argv, [](const TargetReporter& reporter) {
        reporter.time_line("open a catalogue picture (median, wall)",
                           "BM_OpenCataloguePicture/repeats:5/real_time", 10);
        reporter.time_line("open a saved 474 x 593 drawing (median, wall)",
                           "BM_OpenSavedDrawing/repeats:5/real_time", 5);
    });
}
