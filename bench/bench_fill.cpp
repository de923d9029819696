#include "targets.h"

#include "pixels/drawing_surface.h"

#include <benchmark/benchmark.h>
#include <opencv2/imgproc.hpp>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int page_width = 474;
constexpr int page_height = 593;
const QPoint seed(237, 296);
constexpr pixels::ColourWord paint = pixels::colour_word(255, 0, 0);

// OpenCV has no 4-channel flood fill; the same RGB32 bytes seen as one 32-bit integer a pixel
// are exactly our pixels, compared as exactly as we compare them.
cv::Mat as_opencv(QImage& image)
{
    return cv::Mat(image.height(), image.width(), CV_32SC1, image.bits(),
                   static_cast<std::size_t>(image.bytesPerLine()));
}

double as_opencv_value(QRgb rgb)
{
    return static_cast<double>(static_cast<std::int32_t>(rgb));
}

// Each run starts from a white page; the copy is kept out of the timing.
template <typename Fill> void fill_white_pages(benchmark::State& state, Fill fill)
{
    const pixels::Bitmap white(page_width, page_height);
    pixels::Bitmap page(page_width, page_height);
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(page.image().bits(), white.image().constBits(),
                    static_cast<std::size_t>(white.image().sizeInBytes()));
        state.ResumeTiming();
        fill(page);
        benchmark::DoNotOptimize(page.image().constBits());
    }
}

void fill_solid(benchmark::State& state)
{
    fill_white_pages(state, [](pixels::Bitmap& page) {
        pixels::flood_fill(page, seed, pixels::Brush{paint, pixels::BrushStyle::Solid});
    });
}

void fill_hatched_cross(benchmark::State& state)
{
    fill_white_pages(state, [](pixels::Bitmap& page) {
        pixels::flood_fill(page, seed, pixels::Brush{paint, pixels::BrushStyle::Cross});
    });
}

void fill_hatched_forward_diagonal(benchmark::State& state)
{
    fill_white_pages(state, [](pixels::Bitmap& page) {
        pixels::flood_fill(page, seed, pixels::Brush{paint, pixels::BrushStyle::ForwardDiagonal});
    });
}

void opencv_flood_fill(benchmark::State& state)
{
    fill_white_pages(state, [](pixels::Bitmap& page) {
        cv::Mat pixels = as_opencv(page.image());
        cv::floodFill(pixels, cv::Point(seed.x(), seed.y()),
                      cv::Scalar(as_opencv_value(pixels::to_qrgb(paint))), nullptr, cv::Scalar(),
                      cv::Scalar(), 4);
    });
}

// Both fills must give the same page, or the comparison means nothing.
bool same_result()
{
    pixels::Bitmap ours(page_width, page_height);
    pixels::Bitmap theirs(page_width, page_height);
    pixels::flood_fill(ours, seed, pixels::Brush{paint, pixels::BrushStyle::Solid});
    cv::Mat pixels = as_opencv(theirs.image());
    cv::floodFill(pixels, cv::Point(seed.x(), seed.y()),
                  cv::Scalar(as_opencv_value(pixels::to_qrgb(paint))), nullptr, cv::Scalar(), cv::Scalar(),
                  4);
    return ours == theirs;
}

} // namespace

BENCHMARK(fill_solid)->Unit(benchmark::kMicrosecond);
BENCHMARK(fill_hatched_cross)->Unit(benchmark::kMicrosecond);
BENCHMARK(fill_hatched_forward_diagonal)->Unit(benchmark::kMicrosecond);
BENCHMARK(opencv_flood_fill)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!same_result()) {
        std::fprintf(stderr, "the fills differ: no comparison possible\n");
        return 1;
    }
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.ratio_line("solid fill / OpenCV floodFill", "fill_solid", "opencv_flood_fill", 1);
    for (const char* name : {"fill_hatched_cross", "fill_hatched_forward_diagonal"})
        reporter.ratio_line(std::string(name) + " / solid fill", name, "fill_solid", 1.5);
    benchmark::Shutdown();
    return 0;
}
