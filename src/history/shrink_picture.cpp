#include "history/shrink_picture.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace history {

namespace {

constexpr int small_picture_side = 150;

using SourceRows = std::function<const QRgb*(int y)>;

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

constexpr int red_of(QRgb pixel)
{
    return static_cast<int>(pixel >> 16 & 0xFF);
}
constexpr int green_of(QRgb pixel)
{
    return static_cast<int>(pixel >> 8 & 0xFF);
}
constexpr int blue_of(QRgb pixel)
{
    return static_cast<int>(pixel & 0xFF);
}

constexpr QRgb rgb_of(int red, int green, int blue)
{
    return 0xFF000000u | static_cast<QRgb>(red) << 16 | static_cast<QRgb>(green) << 8 |
           static_cast<QRgb>(blue);
}

// Rounds to nearest, so a block of 255 stays 255: floor(n / (2 count)) with n = 2 sum + count,
// by a multiplication with the block's reciprocal (made of a column's and a row's). n / (2 count)
// lies on a grid of steps 1 / (2 count); half a step more puts it a quarter step clear of any
// integer on either side, far beyond the few roundings of a double, so the floor is exact.
int rounded_average(std::uint64_t sum, std::uint64_t count, double reciprocal)
{
    return static_cast<int>((static_cast<double>(2 * sum + count) + 0.5) * reciprocal);
}

// Column sums of up to max_rows source rows, two channels to a word: red and blue share one
// word in 16-bit halves, green has one of its own. The loop over a row is one simple pass the
// compiler turns into vector code, so the source is read about as fast as memory delivers it.
class ColumnSums {
public:
    // 255 * 257 still fits into 16 bits.
    static constexpr int max_rows = 257;

    explicit ColumnSums(int width)
        : red_blue_(static_cast<std::size_t>(width)), green_(static_cast<std::size_t>(width))
    {
    }
    // The sums of one row alone.
    void set_row(const QRgb* __restrict line)
    {
        std::uint32_t* __restrict red_blue = red_blue_.data();
        std::uint32_t* __restrict green = green_.data();
        for (std::size_t x = 0; x < red_blue_.size(); ++x) {
            red_blue[x] = line[x] & 0x00FF00FFu;
            green[x] = line[x] >> 8 & 0xFFu;
        }
    }
    // Two rows at a time, so the sums are loaded and stored half as often.
    void add_rows(const QRgb* __restrict first, const QRgb* __restrict second)
    {
        std::uint32_t* __restrict red_blue = red_blue_.data();
        std::uint32_t* __restrict green = green_.data();
        for (std::size_t x = 0; x < red_blue_.size(); ++x) {
            red_blue[x] += (first[x] & 0x00FF00FFu) + (second[x] & 0x00FF00FFu);
            green[x] += (first[x] >> 8 & 0xFFu) + (second[x] >> 8 & 0xFFu);
        }
    }
    void add_row(const QRgb* __restrict line)
    {
        std::uint32_t* __restrict red_blue = red_blue_.data();
        std::uint32_t* __restrict green = green_.data();
        for (std::size_t x = 0; x < red_blue_.size(); ++x) {
            red_blue[x] += line[x] & 0x00FF00FFu;
            green[x] += line[x] >> 8 & 0xFFu;
        }
    }
    // Adds the sums over each column block to `sums` (red, green and blue a target column).
    // `widest` is the widest block and `rows` the rows summed: while a block's sums still fit into
    // 16-bit halves, its words are added as they are and split once at the end.
    void add_blocks_to(const std::vector<Block>& columns, int widest, int rows, std::uint64_t* sums) const
    {
        const bool packed = std::int64_t{widest} * rows * 255 <= 0xFFFF;
        for (const Block& column : columns) {
            std::uint64_t red = 0, green = 0, blue = 0;
            const std::uint32_t* red_blue = red_blue_.data() + column.first;
            const std::uint32_t* greens = green_.data() + column.first;
            if (packed) {
                std::uint32_t both = 0, green_sum = 0;
                for (int x = 0; x < column.count; ++x) {
                    both += red_blue[x];
                    green_sum += greens[x];
                }
                red = both >> 16;
                blue = both & 0xFFFFu;
                green = green_sum;
            } else {
                for (int x = 0; x < column.count; ++x) {
                    red += red_blue[x] >> 16;
                    blue += red_blue[x] & 0xFFFFu;
                    green += greens[x];
                }
            }
            sums[0] += red;
            sums[1] += green;
            sums[2] += blue;
            sums += 3;
        }
    }

private:
    std::vector<std::uint32_t> red_blue_;
    std::vector<std::uint32_t> green_;
};

// `line(y)` gives source row y; at most the two rows asked for last are used at once.
void box_average(const SourceRows& line, QSize source, QImage& target)
{
    const int tw = target.width();
    const std::vector<Block> columns = block_table(tw, source.width());
    const std::vector<Block> rows = block_table(target.height(), source.height());
    std::vector<std::uint64_t> sums(static_cast<std::size_t>(tw) * 3);
    ColumnSums column_sums(source.width());
    std::vector<double> column_reciprocals;
    int widest = 0;
    for (const Block& column : columns) {
        column_reciprocals.push_back(1.0 / (2.0 * column.count));
        widest = std::max(widest, column.count);
    }
    for (int j = 0; j < target.height(); ++j) {
        const Block row_block = rows[static_cast<std::size_t>(j)];
        std::fill(sums.begin(), sums.end(), 0);
        for (int first = row_block.first; first < row_block.first + row_block.count;
             first += ColumnSums::max_rows) {
            const int end = std::min(first + ColumnSums::max_rows, row_block.first + row_block.count);
            column_sums.set_row(line(first));
            int y = first + 1;
            for (; y + 1 < end; y += 2)
                column_sums.add_rows(line(y), line(y + 1));
            if (y < end)
                column_sums.add_row(line(y));
            column_sums.add_blocks_to(columns, widest, end - first, sums.data());
        }
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(j));
        const double row_reciprocal = 1.0 / static_cast<double>(row_block.count);
        for (int i = 0; i < tw; ++i) {
            const auto count = static_cast<std::uint64_t>(columns[static_cast<std::size_t>(i)].count) *
                               static_cast<std::uint64_t>(row_block.count);
            const std::uint64_t* sum = &sums[static_cast<std::size_t>(i) * 3];
            const double reciprocal = column_reciprocals[static_cast<std::size_t>(i)] * row_reciprocal;
            out[i] =
                rgb_of(rounded_average(sum[0], count, reciprocal), rounded_average(sum[1], count, reciprocal),
                       rounded_average(sum[2], count, reciprocal));
        }
    }
}

int sharpened(int centre, int diagonal_sum)
{
    return std::clamp((12 * centre - diagonal_sum) / 8, 0, 255);
}

// In place, top to bottom: each pixel reads the row above as already sharpened and the row below
// as still averaged; the border keeps its averaged values.
void sharpen(QImage& image)
{
    const int width = image.width();
    for (int y = 1; y + 1 < image.height(); ++y) {
        const auto* above = reinterpret_cast<const QRgb*>(image.constScanLine(y - 1));
        const auto* below = reinterpret_cast<const QRgb*>(image.constScanLine(y + 1));
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 1; x + 1 < width; ++x) {
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

bool taken_as_it_is(QSize source, QSize target)
{
    const bool small = source.width() <= small_picture_side && source.height() <= small_picture_side;
    return small || source == target;
}

void shrink_picture(pixels::Bitmap& source, pixels::Bitmap& target)
{
    source.convert_to_24();
    target.convert_to_24();
    if (taken_as_it_is(source.size(), target.size())) {
        target = source;
        return;
    }
    const QImage& image = source.image();
    box_average([&image](int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); },
                source.size(), target.image());
    sharpen(target.image());
}

void shrink_picture(const formats::BmpRows& source, pixels::Bitmap& target)
{
    target.convert_to_24();
    if (taken_as_it_is(source.size(), target.size())) {
        pixels::Bitmap whole = source.whole();
        shrink_picture(whole, target);
        return;
    }
    // Two rows at a time are asked for; each comes into the buffer the one before last used.
    std::vector<QRgb> buffers[2];
    for (std::vector<QRgb>& buffer : buffers)
        buffer.resize(static_cast<std::size_t>(source.size().width()));
    int next = 0;
    const auto line = [&](int y) {
        QRgb* row = buffers[next].data();
        next ^= 1;
        source.read_row(y, row);
        return row;
    };
    box_average(line, source.size(), target.image());
    sharpen(target.image());
}

} // namespace history
