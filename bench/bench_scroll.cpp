#include "offscreen_main.h"
#include "targets.h"

#include "app/main_window.h"
#include "catalogue/preview_strip.h"
#include "skin/skin_manager.h"
#include "support/progressive_jpeg.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <unistd.h>

namespace {

constexpr int shipped = 22;

// A thumbnail within the decoding limits that still takes libjpeg long: a progressive picture of
// 42 megapixels in the 32 scans allowed, every coefficient of every scan taken by noise.
const QByteArray& slow_thumbnail()
{
    static const QByteArray bytes = testing_support::progressive_jpeg({7200, 5800}, 32, true);
    return bytes;
}

// An application folder whose catalogue holds `size` pictures: every part of the generated res/
// linked in except the thumbnails, which are that many hard links to the shipped ones (or with
// `slow` to one slow thumbnail) under names of their own, so that the listing sees regular files
// as in a real catalogue. Made once a size.
class CatalogueFolder {
public:
    CatalogueFolder(int size, bool slow)
    {
        const QDir res(QStringLiteral(KOLORITON_RES_DIR));
        QDir root(dir_.path());
        root.mkpath("res/preview");
        root.mkdir("Tmp");
        root.mkdir("save");
        for (const QString& part : res.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (part != QLatin1String("preview"))
                QFile::link(res.filePath(part), root.filePath("res/" + part));
        const QStringList thumbnails = QDir(res.filePath("preview")).entryList({"*.jpg"});
        const QString slow_file = root.filePath("slow.jpg");
        if (slow) {
            QFile file(slow_file);
            if (!file.open(QIODevice::WriteOnly) || file.write(slow_thumbnail()) != slow_thumbnail().size())
                std::fprintf(stderr, "cannot write %s\n", qPrintable(slow_file));
        }
        for (int i = 0; i < size; ++i) {
            const QString from =
                slow ? slow_file : res.filePath("preview/" + thumbnails.at(i % thumbnails.size()));
            const QString to = root.filePath(QStringLiteral("res/preview/картинка %1.jpg").arg(i));
            if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
                QFile::copy(from, to);
        }
    }
    QString path() const { return dir_.path(); }

    static const CatalogueFolder& of_size(int size, bool slow = false)
    {
        static std::map<std::pair<int, bool>, std::unique_ptr<CatalogueFolder>> folders;
        auto& folder = folders[{size, slow}];
        if (!folder)
            folder = std::make_unique<CatalogueFolder>(size, slow);
        return *folder;
    }

private:
    QTemporaryDir dir_;
};

double resident_megabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : -1;
}

// The start-up the program's main performs, up to the first painted window: the window built over
// the catalogue, the skin applied, shown and painted.
std::unique_ptr<app::MainWindow> start(const QString& folder)
{
    auto form = std::make_unique<app::MainWindow>(folder);
    form->skin_manager().set_skin_directory(form->state().paths.skin_dir());
    form->skin_manager().set_skin_name(QStringLiteral("MacOS"));
    form->show();
    QCoreApplication::processEvents();
    return form;
}

void BM_StartUp(benchmark::State& state)
{
    const QString folder = CatalogueFolder::of_size(static_cast<int>(state.range(0))).path();
    for (auto _ : state) {
        std::unique_ptr<app::MainWindow> form = start(folder);
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)
    ->Arg(0)
    ->Arg(shipped)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One press of the down button: the four slots named and given what is decoded, the rest asked
// for, then the window repainted where it changed and the thumbnails decoded meanwhile shown, as
// the event loop does after a real press. With slow thumbnails (the second argument 1) the decoding
// never keeps up with the presses.
void BM_ScrollPress(benchmark::State& state)
{
    std::unique_ptr<app::MainWindow> form =
        start(CatalogueFolder::of_size(static_cast<int>(state.range(0)), state.range(1) != 0).path());
    catalogue::PreviewStrip& strip = form->preview_strip();
    for (auto _ : state) {
        strip.scroll_down();
        QCoreApplication::processEvents();
    }
    state.counters["catalogue"] = form->controls().catalogue_list->count();
}
BENCHMARK(BM_ScrollPress)
    ->Args({shipped, 0})
    ->Args({5000, 0})
    ->Args({shipped, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Resident size before and after 10,000 presses over the large catalogue: flat when earlier
// thumbnails are not kept.
void BM_ScrollMemory(benchmark::State& state)
{
    std::unique_ptr<app::MainWindow> form = start(CatalogueFolder::of_size(5000).path());
    catalogue::PreviewStrip& strip = form->preview_strip();
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
    return run_offscreen_benchmarks(argc, argv, [](const TargetReporter& reporter) {
        const auto median = [](const char* name, int size, std::string more = "") {
            return std::string(name) + "/" + std::to_string(size) + more + "/repeats:5/real_time";
        };
        for (int size : {0, shipped, 1000, 5000})
            reporter.time_line("start-up to a painted window, " + std::to_string(size) + " pictures (median)",
                               median("BM_StartUp", size), 300);
        for (int size : {shipped, 5000})
            reporter.time_line("scroll press, " + std::to_string(size) + " pictures (median, wall)",
                               median("BM_ScrollPress", size, "/0"), 5);
        reporter.time_line("scroll press, " + std::to_string(shipped) + " slow thumbnails (median, wall)",
                           median("BM_ScrollPress", shipped, "/1"), 5);
        const double before = reporter.counter("BM_ScrollMemory/iterations:1/rss_before_MB");
        const double after = reporter.counter("BM_ScrollMemory/iterations:1/rss_after_MB");
        std::printf("%-58s %8.1f MB   target: flat (< 1 MB growth)   %s\n",
                    "resident size after 10,000 scroll presses, 5000 pictures", after,
                    before <= 0            ? "not run"
                    : after - before < 1.0 ? "met"
                                           : "missed");
    });
}
