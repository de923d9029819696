#include "targets.h"

#include "history/shrink_picture.h"

#include <benchmark/benchmark.h>
#include <opencv2/imgproc.hpp>

#include <QImage>
#include <cstdint>
#include <random>

namespace {

// A 4000 x 3000 photograph-like picture: noise over a gradient, so no block is uniform.
QImage large_photo()
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> noise(0, 40);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] =
                qRgb((x / 16 + noise(random)) & 0xFF, (y / 12 + noise(random)) & 0xFF, noise(random) * 5);
    }
    return image;
}

const QImage& photo()
{
    static const QImage image = large_photo();
    return image;
}

void shrink_picture_4000x3000(benchmark::State& state)
{
    for (auto _ : state) {
        pixels::Bitmap source = pixels::Bitmap::from_image(photo());
        pixels::Bitmap target(474, 593);
        history::shrink_picture(source, target);
        benchmark::DoNotOptimize(target.image().constBits());
    }
}

void opencv_resize_area_4000x3000(benchmark::State& state)
{
    for (auto _ : state) {
        const QImage& image = photo();
        const cv::Mat source(image.height(), image.width(), CV_8UC4, const_cast<uchar*>(image.constBits()),
                             static_cast<std::size_t>(image.bytesPerLine()));
        cv::Mat target;
        cv::resize(source, target, cv::Size(474, 593), 0, 0, cv::INTER_AREA);
        benchmark::DoNotOptimize(target.data);
    }
}

// The floor of any method: one pass that reads every byte of the source picture once.
void read_pass_4000x3000(benchmark::State& state)
{
    const QImage& image = photo();
    const auto* words = reinterpret_cast<const std::uint64_t*>(image.constBits());
    const std::size_t count = static_cast<std::size_t>(image.sizeInBytes()) / sizeof(std::uint64_t);
    for (auto _ : state) {
        std::uint64_t sum = 0;
        for (std::size_t i = 0; i < count; ++i)
            sum += words[i];
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace

BENCHMARK(shrink_picture_4000x3000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(opencv_resize_area_4000x3000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(read_pass_4000x3000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    return run_benchmarks(argc, argv, [](const TargetReporter& reporter) {
        reporter.ratio_line("shrink_picture 4000x3000 -> 474x593 / one read pass",
                            "shrink_picture_4000x3000/repeats:5", "read_pass_4000x3000/repeats:5", 2);
        reporter.ratio_line("shrink_picture / OpenCV INTER_AREA", "shrink_picture_4000x3000/repeats:5",
                            "opencv_resize_area_4000x3000/repeats:5", 1);
    });
}
