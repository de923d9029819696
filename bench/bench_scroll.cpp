#include "offscreen_main.h"

#include "app/main_window.h"
#include "catalogue/preview_strip.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

// The runnable folder of the build: the generated res/ lies in it.
QString application_folder()
{
    return QDir(QStringLiteral(KOLORITON_RES_DIR "/..")).absolutePath();
}

double resident_megabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : -1;
}

// One press of the down button: four thumbnails decoded and placed, then the window repainted
// where they changed, as the event loop does after a real press.
void BM_ScrollPress(benchmark::State& state)
{
    app::MainWindow form(application_folder());
    form.show();
    QCoreApplication::processEvents();
    catalogue::PreviewStrip& strip = form.preview_strip();
    for (auto _ : state) {
        strip.scroll_down();
        QCoreApplication::processEvents();
    }
    state.counters["catalogue"] = form.controls().catalogue_list->count();
}
BENCHMARK(BM_ScrollPress)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Resident size before and after 10,000 presses: flat when earlier thumbnails are not kept.
void BM_ScrollMemory(benchmark::State& state)
{
    app::MainWindow form(application_folder());
    form.show();
    QCoreApplication::processEvents();
    catalogue::PreviewStrip& strip = form.preview_strip();
    for (int i = 0; i < 50; ++i) {
        strip.scroll_down();
        QCoreApplication::processEvents();
    }
    const double before = resident_megabytes();
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            strip.scroll_down();
            QCoreApplication::processEvents();
        }
    }
    state.counters["rss_before_MB"] = before;
    state.counters["rss_after_MB"] = resident_megabytes();
}
BENCHMARK(BM_ScrollMemory)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    return run_offscreen_benchmarks(argc, argv);
}
