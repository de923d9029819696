#include "targets.h"

#include "formats/bmp_codec.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <string>

using pixels::Bitmap;

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

int depth_of(const benchmark::State& state)
{
    return static_cast<int>(state.range(0));
}

QByteArray same_bytes(const benchmark::State& state)
{
    return formats::encode_bmp(canvas(depth_of(state)));
}

void plain_write(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | mode) || file.write(bytes) != bytes.size())
        std::abort();
}

// The undo snapshot a press writes: a file of the session, replaced without renaming over it.
void BM_write_snapshot(benchmark::State& state)
{
    const Bitmap bitmap = canvas(depth_of(state));
    const QString path = path_of("snapshot.bmp");
    for (auto _ : state)
        formats::write_scratch_bmp(bitmap, path);
}

// The floor of the snapshot: the same bytes written to a new file, the old one deleted.
void BM_plain_write_new_file(benchmark::State& state)
{
    const QByteArray bytes = same_bytes(state);
    const QString path = path_of("plain-new.bin");
    for (auto _ : state) {
        QFile::remove(path);
        plain_write(path, bytes, QIODevice::NewOnly | QIODevice::Unbuffered);
    }
}

// A saved drawing: renamed over the old file, which makes ext4 start writing the data out.
void BM_write_saved(benchmark::State& state)
{
    const Bitmap bitmap = canvas(depth_of(state));
    const QString path = path_of("saved.bmp");
    for (auto _ : state)
        formats::write_bmp(bitmap, path);
}

// The floor of a save: the same bytes written over the old file, truncated, which ext4 treats
// the same way.
void BM_plain_overwrite(benchmark::State& state)
{
    const QByteArray bytes = same_bytes(state);
    const QString path = path_of("plain-over.bin");
    for (auto _ : state)
        plain_write(path, bytes, QIODevice::Truncate | QIODevice::Unbuffered);
}

void BM_read_bmp(benchmark::State& state)
{
    const QString path = path_of("read.bmp");
    formats::write_bmp(canvas(depth_of(state)), path);
    for (auto _ : state)
        benchmark::DoNotOptimize(formats::read_bmp(path));
}

// The floor of a read: the same bytes read whole into memory.
void BM_plain_read(benchmark::State& state)
{
    const QString path = path_of("read-plain.bin");
    plain_write(path, same_bytes(state), QIODevice::Truncate);
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}

void configure(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(8)->Arg(24)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_write_snapshot)->Apply(configure);
BENCHMARK(BM_plain_write_new_file)->Apply(configure);
BENCHMARK(BM_write_saved)->Apply(configure);
BENCHMARK(BM_plain_overwrite)->Apply(configure);
BENCHMARK(BM_read_bmp)->Apply(configure);
BENCHMARK(BM_plain_read)->Apply(configure);

std::string name(const char* benchmark, const char* depth)
{
    return std::string(benchmark) + "/" + depth + "/repeats:5";
}

} // namespace

int main(int argc, char** argv)
{
    return run_benchmarks(argc, argv, [](const TargetReporter& reporter) {
        for (const char* depth : {"8", "24"}) {
            const std::string bits = std::string(depth) + "-bit canvas";
            reporter.ratio_line("snapshot write, " + bits + " / plain write to a new file",
                                name("BM_write_snapshot", depth), name("BM_plain_write_new_file", depth),
                                1.5);
            reporter.ratio_line("saved drawing, " + bits + " / plain write over the old file",
                                name("BM_write_saved", depth), name("BM_plain_overwrite", depth), 1.5);
            reporter.ratio_line("read, " + bits + " / plain read of the same bytes",
                                name("BM_read_bmp", depth), name("BM_plain_read", depth), 1.5);
        }
    });
}
