#include "platform/bmp_codec.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

using platform::Bitmap;

namespace {

constexpr int canvas_width = 474;
constexpr int canvas_height = 593;

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString path_of(const char* name)
{
    return folder().filePath(QString::fromLatin1(name));
}

// A canvas with the variety of a coloured drawing: bands of colour and outlines.
Bitmap canvas(int depth)
{
    Bitmap bitmap(canvas_width, canvas_height, depth);
    for (int y = 0; y < canvas_height; ++y)
        for (int x = 0; x < canvas_width; ++x) {
            const int band = (x / 37 + y / 29) % 7;
            if (depth == 8)
                bitmap.image().setPixel(x, y, static_cast<uint>(band * 36 + (x % 5 == 0 ? 1 : 0)));
            else
                bitmap.image().setPixel(x, y, qRgb(band * 36, 255 - band * 20, (x * y) % 256));
        }
    return bitmap;
}

void plain_write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

void BM_write_bmp(benchmark::State& state)
{
    const Bitmap bitmap = canvas(static_cast<int>(state.range(0)));
    const QString path = path_of("canvas.bmp");
    for (auto _ : state)
        platform::write_bmp(bitmap, path);
    state.SetBytesProcessed(state.iterations() * platform::encode_bmp(bitmap).size());
}

void BM_plain_write(benchmark::State& state)
{
    const QByteArray bytes(platform::encode_bmp(canvas(static_cast<int>(state.range(0)))).size(), 'x');
    const QString path = path_of("plain.bin");
    for (auto _ : state)
        plain_write(path, bytes);
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_read_bmp(benchmark::State& state)
{
    const QString path = path_of("read.bmp");
    platform::write_bmp(canvas(static_cast<int>(state.range(0))), path);
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::read_bmp(path));
}

void BM_plain_read(benchmark::State& state)
{
    const QString path = path_of("read_plain.bin");
    plain_write(path, QByteArray(platform::encode_bmp(canvas(static_cast<int>(state.range(0)))).size(), 'x'));
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}

BENCHMARK(BM_write_bmp)->Arg(8)->Arg(24)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_plain_write)->Arg(8)->Arg(24)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_read_bmp)->Arg(8)->Arg(24)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_plain_read)->Arg(8)->Arg(24)->Unit(benchmark::kMicrosecond);

// Keeps every run's time so that the ratios to the plain file operations print after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void print_ratio(const std::string& measured, const std::string& baseline) const
    {
        const auto a = times_.find(measured);
        const auto b = times_.find(baseline);
        if (a != times_.end() && b != times_.end())
            std::printf("%-28s / %-24s = %.2f\n", measured.c_str(), baseline.c_str(), a->second / b->second);
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* depth : {"8", "24"}) {
        reporter.print_ratio(std::string("BM_write_bmp/") + depth, std::string("BM_plain_write/") + depth);
        reporter.print_ratio(std::string("BM_read_bmp/") + depth, std::string("BM_plain_read/") + depth);
    }
    benchmark::Shutdown();
    return 0;
}
