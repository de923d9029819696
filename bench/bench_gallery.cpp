#include "offscreen_main.h"
#include "targets.h"

#include "catalogue/gallery_page.h"
#include "formats/bmp_codec.h"
#include "history/fitted_picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr int distinct = 20;

// A drawings folder of `size` drawings of the canvas's size: hard links to `distinct` drawings
// of their own colours under names as saving gives them. Made once a size.
class DrawingsFolder {
public:
    explicit DrawingsFolder(int size)
    {
        for (int i = 0; i < distinct; ++i) {
            QImage image(history::canvas_frame, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 360 / distinct, 200, 230));
            formats::write_bmp(pixels::Bitmap::from_image(image),
                               dir_.filePath(QStringLiteral("drawn %1.bmp").arg(i)));
        }
        for (int i = 0; i < size; ++i) {
            const QString from = dir_.filePath(QStringLiteral("drawn %1.bmp").arg(i % distinct));
            const QString to = dir_.filePath(QStringLiteral("Аэропорт 2026-12-07 10-42 (%1).bmp").arg(i + 2));
            if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
                QFile::copy(from, to);
        }
        for (int i = 0; i < distinct; ++i)
            QFile::remove(dir_.filePath(QStringLiteral("drawn %1.bmp").arg(i)));
    }
    QString path() const { return dir_.path(); }

    static const DrawingsFolder& of_size(int size)
    {
        static std::map<int, std::unique_ptr<DrawingsFolder>> folders;
        auto& folder = folders[size];
        if (!folder)
            folder = std::make_unique<DrawingsFolder>(size);
        return *folder;
    }

private:
    QTemporaryDir dir_;
};

// From the press that opens the page to its first page painted with every thumbnail in view.
void show_first_page(catalogue::GalleryPage& page, const QString& folder)
{
    page.list_drawings(folder);
    page.show();
    QCoreApplication::processEvents();
    page.wait_until_settled(10000);
    page.drawings()->viewport()->repaint();
}

// A page made anew each time, with no thumbnail decoded yet.
void BM_GalleryFirstPage(benchmark::State& state)
{
    const QString folder = DrawingsFolder::of_size(static_cast<int>(state.range(0))).path();
    for (auto _ : state) {
        auto page = std::make_unique<catalogue::GalleryPage>(nullptr);
        show_first_page(*page, folder);
        state.PauseTiming();
        if (!page->settled())
            state.SkipWithError("the thumbnails in view were not shown");
        page.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GalleryFirstPage)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same page opened again: its thumbnails in view come from what it kept.
void BM_GalleryOpenedAgain(benchmark::State& state)
{
    const QString folder = DrawingsFolder::of_size(static_cast<int>(state.range(0))).path();
    catalogue::GalleryPage page(nullptr);
    show_first_page(page, folder);
    page.hide();
    for (auto _ : state) {
        show_first_page(page, folder);
        state.PauseTiming();
        page.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GalleryOpenedAgain)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return run_offscreen_benchmarks(argc, argv, [](const TargetReporter& reporter) {
        reporter.time_line("gallery, 1000 drawings: first page painted (median)",
                           "BM_GalleryFirstPage/1000/repeats:5/real_time", 300);
        reporter.time_line("gallery, 1000 drawings: opened again (median)",
                           "BM_GalleryOpenedAgain/1000/repeats:5/real_time", 300);
    });
}
