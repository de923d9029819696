#include "targets.h"

#include "places/place_maker.h"

#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/resource.h>

namespace {

// A phone's photograph: a real one from the sample photographs, at 4000 x 3000 as a 12-megapixel
// camera stores it.
QString phone_photograph(const QTemporaryDir& dir)
{
    static const QString path = [&] {
        const QString file = dir.filePath("телефон.jpg");
        QImage(KOLORITON_BENCH_PHOTOGRAPH)
            .scaled(4000, 3000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .save(file, "JPG", 92);
        return file;
    }();
    return path;
}

QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

void make_place_from_4000x3000_jpeg(benchmark::State& state)
{
    places::PlaceRequest request;
    request.photograph = phone_photograph(scratch());
    request.name = QStringLiteral("Наша школа");
    request.replace = true;
    request.destination = scratch().filePath("koloriton/");
    for (auto _ : state)
        benchmark::DoNotOptimize(places::make_place(request).line_drawing);
}

// The program as a teacher runs it; its peak memory is read from the system after it ends.
void koloriton_add_place_4000x3000_jpeg(benchmark::State& state)
{
    for (auto _ : state) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", scratch().filePath("data"));
        program.setProcessEnvironment(environment);
        program.start(KOLORITON_RUN_DIR "/koloriton", {"--add-place", phone_photograph(scratch()), "--name",
                                                       QStringLiteral("Наша школа"), "--replace"});
        if (!program.waitForFinished(60000) || program.exitCode() != 0)
            state.SkipWithError("koloriton --add-place failed");
    }
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    state.counters["peak_mb"] = double(children.ru_maxrss) / 1024.0;
    // The machine is shared: the program's own processor time says what a quiet machine would take.
    const double cpu_seconds = double(children.ru_utime.tv_sec + children.ru_stime.tv_sec) +
                               double(children.ru_utime.tv_usec + children.ru_stime.tv_usec) / 1e6;
    state.counters["cpu_ms_a_run"] = cpu_seconds * 1e3 / double(state.iterations());
}

} // namespace

BENCHMARK(make_place_from_4000x3000_jpeg)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(koloriton_add_place_4000x3000_jpeg)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    return run_benchmarks(argc, argv, [](const TargetReporter& reporter) {
        reporter.time_line("a 4000x3000 JPEG to a finished place (median)",
                           "make_place_from_4000x3000_jpeg/iterations:1/repeats:7", 1500);
        reporter.time_line("koloriton --add-place, 4000x3000 JPEG (median, whole program)",
                           "koloriton_add_place_4000x3000_jpeg/iterations:1/repeats:5", 1500);
        std::printf(
            "%-58s %8.1f ms   (processor time of the program, all its runs so far / runs)\n",
            "koloriton --add-place processor time a run",
            reporter.counter("koloriton_add_place_4000x3000_jpeg/iterations:1/repeats:5/cpu_ms_a_run"));
        const double peak =
            reporter.counter("koloriton_add_place_4000x3000_jpeg/iterations:1/repeats:5/peak_mb");
        std::printf("%-58s %8.1f MB   target < 500 MB   %s\n", "koloriton --add-place peak memory", peak,
                    peak <= 0    ? "not run"
                    : peak < 500 ? "met"
                                 : "missed");
    });
}
