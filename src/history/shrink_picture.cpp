#include "history/shrink_picture.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace history {

namespace {

constexpr int small_picture_side = 150;

// The source span [first, first + count) that one target column or row averages.
struct Block {
    int first = 0;
    int count = 0;
};

// Blocks follow one another from source index 0; the factor is kept as a 32-bit float and each
// product truncated, so the blocks are exactly those of the historical fitting. A block that
// would be empty (the source is smaller than the target on this axis) takes the nearest source
// line instead of dividing by zero.
std::vector<Block> block_table(int target_length, int source_length)
{
    const auto factor = static_cast<float>(1.0L / (static_cast<long double>(target_length) / source_length));
    const auto edge = [factor](int index) {
        return static_cast<int>(static_cast<long double>(index) * static_cast<long double>(factor));
    };
    std::vector<Block> blocks(static_cast<std::size_t>(target_length));
    for (int i = 0; i < target_length; ++i) {
        const int first = std::min(edge(i), source_length - 1);
        const int end = std::min(edge(i + 1), source_length);
        blocks[static_cast<std::size_t>(i)] = {first, std::max(end - first, 1)};
    }
    return blocks;
}

constexpr int red_of(QRgb pixel) { return static_cast<int>(pixel >> 16 & 0xFF); }
constexpr int green_of(QRgb pixel) { return static_cast<int>(pixel >> 8 & 0xFF); }
constexpr int blue_of(QRgb pixel) { return static_cast<int>(pixel & 0xFF); }

constexpr QRgb rgb_of(int red, int green, int blue)
{
    return 0xFF000000u | static_cast<QRgb>(red) << 16 | static_cast<QRgb>(green) << 8 | static_cast<QRgb>(blue);
}

// Rounds to nearest, so a block of 255 stays 255.
constexpr int rounded_average(std::uint64_t sum, std::uint64_t count)
{
    return static_cast<int>((2 * sum + count) / (2 * count));
}

void box_average(const QImage& source, QImage& target)
{
    const int tw = target.width();
    const std::vector<Block> columns = block_table(tw, source.width());
    const std::vector<Block> rows = block_table(target.height(), source.height());
    std::vector<std::uint64_t> sums(static_cast<std::size_t>(tw) * 3);
    for (int j = 0; j < target.height(); ++j) {
        const Block row_block = rows[static_cast<std::size_t>(j)];
        std::fill(sums.begin(), sums.end(), 0);
        for (int y = row_block.first; y < row_block.first + row_block.count; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            std::uint64_t* sum = sums.data();
            for (const Block& column : columns) {
                std::uint32_t red = 0, green = 0, blue = 0;
                for (const QRgb* pixel = line + column.first; pixel != line + column.first + column.count; ++pixel) {
                    red += static_cast<std::uint32_t>(red_of(*pixel));
                    green += static_cast<std::uint32_t>(green_of(*pixel));
                    blue += static_cast<std::uint32_t>(blue_of(*pixel));
                }
                sum[0] += red;
                sum[1] += green;
                sum[2] += blue;
                sum += 3;
            }
        }
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(j));
        for (int i = 0; i < tw; ++i) {
            const auto count = static_cast<std::uint64_t>(columns[static_cast<std::size_t>(i)].count) *
                               static_cast<std::uint64_t>(row_block.count);
            const std::uint64_t* sum = &sums[static_cast<std::size_t>(i) * 3];
            out[i] = rgb_of(rounded_average(sum[0], count), rounded_average(sum[1], count),
                            rounded_average(sum[2], count));
        }
    }
}

int sharpened(int centre, int diagonal_sum) { return std::clamp((12 * centre - diagonal_sum) / 8, 0, 255); }

// In place, top to bottom: each pixel reads the row above as already sharpened and the row below
// as still averaged; the border keeps its averaged values.
void sharpen(QImage& image)
{
    for (int y = 1; y + 1 < image.height(); ++y) {
        const auto* above = reinterpret_cast<const QRgb*>(image.constScanLine(y - 1));
        const auto* below = reinterpret_cast<const QRgb*>(image.constScanLine(y + 1));
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 1; x + 1 < image.width(); ++x) {
            const QRgb corners[] = {above[x - 1], above[x + 1], below[x - 1], below[x + 1]};
            int red = 0, green = 0, blue = 0;
            for (QRgb corner : corners) {
                red += red_of(corner);
                green += green_of(corner);
                blue += blue_of(corner);
            }
            line[x] = rgb_of(sharpened(red_of(line[x]), red), sharpened(green_of(line[x]), green),
                             sharpened(blue_of(line[x]), blue));
        }
    }
}

} // namespace

void shrink_picture(platform::Bitmap& source, platform::Bitmap& target)
{
    source.convert_to_24();
    target.convert_to_24();
    const bool small = source.width() <= small_picture_side && source.height() <= small_picture_side;
    if (small || source.size() == target.size()) {
        target = source;
        return;
    }
    box_average(source.image(), target.image());
    sharpen(target.image());
}

} // namespace history
