#include "platform/drawing_surface.h"
#include "platform/hatch.h"
#include "platform/pixel_writer.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace platform {

namespace {

struct Span {
    int y;
    int x1;
    int x2;
};

// A run of the row y - dy still to be looked at from row y.
struct Pending {
    int x1;
    int x2;
    int y;
    int dy;
};

// Scanline fill of the 4-connected area of `seed_value` around (x, y): every pixel of the area
// takes `mark`, and every horizontal run taken is reported to `taken`. The mark only has to differ
// from the seed value; it is what keeps a pixel from being taken twice.
template <typename Pixel, typename Taken>
void fill_area(std::span<Pixel* const> rows, int width, QPoint seed, Pixel mark, Taken taken)
{
    const int height = static_cast<int>(rows.size());
    const Pixel seed_value = rows[seed.y()][seed.x()];
    std::vector<Pending> pending;
    pending.reserve(256);
    pending.push_back({seed.x(), seed.x(), seed.y(), 1});
    pending.push_back({seed.x(), seed.x(), seed.y() - 1, -1});
    while (!pending.empty()) {
        auto [x1, x2, y, dy] = pending.back();
        pending.pop_back();
        if (y < 0 || y >= height)
            continue;
        Pixel* row = rows[y];
        int x = x1;
        if (row[x] == seed_value) {
            while (x > 0 && row[x - 1] == seed_value)
                row[--x] = mark;
            if (x < x1)
                pending.push_back({x, x1 - 1, y - dy, -dy});
        }
        while (x1 <= x2) {
            while (x1 < width && row[x1] == seed_value)
                row[x1++] = mark;
            if (x1 > x) {
                taken(Span{y, x, x1 - 1});
                pending.push_back({x, x1 - 1, y + dy, dy});
                if (x1 - 1 > x2)
                    pending.push_back({x2 + 1, x1 - 1, y - dy, -dy});
            }
            ++x1;
            while (x1 < x2 && row[x1] != seed_value)
                ++x1;
            x = x1;
        }
    }
}

template <typename Pixel>
std::vector<Pixel*> row_pointers(QImage& image)
{
    std::vector<Pixel*> rows(static_cast<std::size_t>(image.height()));
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (std::size_t y = 0; y < rows.size(); ++y)
        rows[y] = reinterpret_cast<Pixel*>(bits + static_cast<qsizetype>(y) * stride);
    return rows;
}

// With a hatch the area is first taken with a mark, then each run is written again with the
// brush colour under the hatch lines and the seed colour between them.
template <typename Pixel>
QRect fill_hatched(std::span<Pixel* const> rows, int width, QPoint seed, Pixel paint, BrushStyle style)
{
    const Pixel seed_value = rows[seed.y()][seed.x()];
    std::vector<Span> spans;
    fill_area<Pixel>(rows, width, seed, static_cast<Pixel>(seed_value ^ 1u), [&](Span s) { spans.push_back(s); });
    ChangedBox changed;
    for (const Span& s : spans) {
        const std::uint8_t bits = hatch_row_bits(style, s.y);
        std::array<Pixel, 8> values;
        for (int i = 0; i < 8; ++i)
            values[static_cast<std::size_t>(i)] = (bits >> i & 1u) != 0 ? paint : seed_value;
        Pixel* row = rows[s.y];
        for (int x = s.x1; x <= s.x2; ++x)
            row[x] = values[static_cast<std::size_t>(x & 7)];
        int first = s.x1;
        while (first <= s.x2 && (bits >> (first & 7) & 1u) == 0)
            ++first;
        int last = s.x2;
        while (last >= first && (bits >> (last & 7) & 1u) == 0)
            --last;
        changed.add(s.y, first, last);
    }
    return changed.rect();
}

template <typename Pixel>
QRect fill_pixels(QImage& image, QPoint seed, Pixel paint, BrushStyle style)
{
    const std::vector<Pixel*> rows = row_pointers<Pixel>(image);
    if (rows[seed.y()][seed.x()] == paint)
        return {};
    if (is_hatch(style))
        return fill_hatched<Pixel>(rows, image.width(), seed, paint, style);
    ChangedBox changed;
    fill_area<Pixel>(rows, image.width(), seed, paint, [&](Span s) { changed.add(s.y, s.x1, s.x2); });
    return changed.rect();
}

} // namespace

QRect flood_fill(Bitmap& bitmap, QPoint seed, const Brush& brush)
{
    if (!paints(brush.style) || !bitmap.contains(seed.x(), seed.y()))
        return {};
    QImage& image = bitmap.image();
    const std::uint32_t paint = stored_value(bitmap, brush.colour);
    if (stores_indices(bitmap))
        return fill_pixels<std::uint8_t>(image, seed, static_cast<std::uint8_t>(paint), brush.style);
    return fill_pixels<std::uint32_t>(image, seed, paint, brush.style);
}

} // namespace platform
