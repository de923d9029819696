#include "pixels/drawing_surface.h"
#include "pixels/hatch.h"
#include "pixels/pixel_writer.h"
#include "pixels/region.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace pixels {

namespace {

// A run of the row y - dy still to be looked at from row y.
struct Pending {
    int x1;
    int x2;
    int y;
    int dy;
};

// Scanline fill of the 4-connected area around `seed` that the rows of `area` call inside: each
// pixel found is taken once, and each horizontal run taken is reported to `taken`.
template <typename Area, typename Taken>
void fill_area(Area& area, int width, int height, QPoint seed, Taken taken)
{
    std::vector<Pending> pending;
    pending.reserve(256);
    pending.push_back({seed.x(), seed.x(), seed.y(), 1});
    pending.push_back({seed.x(), seed.x(), seed.y() - 1, -1});
    while (!pending.empty()) {
        auto [x1, x2, y, dy] = pending.back();
        pending.pop_back();
        if (y < 0 || y >= height)
            continue;
        auto row = area.row(y);
        int x = x1;
        if (row.inside(x)) {
            while (x > 0 && row.inside(x - 1))
                row.take(--x);
            if (x < x1)
                pending.push_back({x, x1 - 1, y - dy, -dy});
        }
        while (x1 <= x2) {
            while (x1 < width && row.inside(x1))
                row.take(x1++);
            if (x1 > x) {
                taken(y, x, x1 - 1);
                pending.push_back({x, x1 - 1, y + dy, dy});
                if (x1 - 1 > x2)
                    pending.push_back({x2 + 1, x1 - 1, y - dy, -dy});
            }
            ++x1;
            while (x1 < x2 && !row.inside(x1))
                ++x1;
            x = x1;
        }
    }
}

template <typename Pixel> std::vector<Pixel*> row_pointers(QImage& image)
{
    std::vector<Pixel*> rows(static_cast<std::size_t>(image.height()));
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (std::size_t y = 0; y < rows.size(); ++y)
        rows[y] = reinterpret_cast<Pixel*>(bits + static_cast<qsizetype>(y) * stride);
    return rows;
}

// The pixels of the seed's value; each is taken by writing `mark`, a value other than the seed's,
// so a taken pixel is its own record of having been visited. Walled, the pixels a mask keeps are
// never inside, whatever their value.
template <typename Pixel, bool Walled> struct SeedArea {
    struct Row {
        Pixel* pixels;
        const std::uint8_t* walls;
        Pixel seed;
        Pixel mark;
        bool inside(int x) const { return pixels[x] == seed && (!Walled || walls[x] == 0); }
        void take(int x) { pixels[x] = mark; }
    };

    Row row(int y)
    {
        return Row{rows[static_cast<std::size_t>(y)], Walled ? walls->row(y) : nullptr, seed, mark};
    }

    std::span<Pixel* const> rows;
    Pixel seed;
    Pixel mark;
    const OutlineMask* walls;
};

// The area of one colour read through the bitmap's pixels, taken into a mask instead of painted.
struct MaskArea {
    struct Row {
        const Bitmap* bitmap;
        std::vector<bool>::iterator taken;
        int y;
        ColourWord seed;
        bool inside(int x) const { return !taken[x] && bitmap->pixel(x, y) == seed; }
        void take(int x) { taken[x] = true; }
    };

    Row row(int y) { return Row{&bitmap, mask.begin() + std::ptrdiff_t{y} * bitmap.width(), y, seed}; }

    const Bitmap& bitmap;
    std::vector<bool>& mask;
    ColourWord seed;
};

struct Span {
    int y;
    int x1;
    int x2;
};

// The pixels between the walls of a mask, whatever their colours, each taken once.
struct WalledArea {
    struct Row {
        const std::uint8_t* walls;
        std::uint8_t* taken;
        bool inside(int x) const { return walls[x] == 0 && taken[x] == 0; }
        void take(int x) { taken[x] = 1; }
    };

    Row row(int y) { return Row{walls.row(y), taken.data() + static_cast<std::size_t>(y) * width}; }

    const OutlineMask& walls;
    std::vector<std::uint8_t>& taken;
    std::size_t width;
};

// Paints the brush's pixels of each run (every pixel, or a hatch's lines) where they differ.
template <typename Pixel>
QRect paint_runs(std::span<Pixel* const> rows, const std::vector<Span>& spans, Pixel paint, BrushStyle style)
{
    ChangedBox changed;
    for (const Span& span : spans) {
        Pixel* row = rows[static_cast<std::size_t>(span.y)];
        for (int x = span.x1; x <= span.x2; ++x)
            if (row[x] != paint && hatch_covers(style, x, span.y)) {
                row[x] = paint;
                changed.add(span.y, x, x);
            }
    }
    return changed.rect();
}

template <typename Pixel>
QRect fill_walled_area(QImage& image, QPoint seed, Pixel paint, BrushStyle style, const OutlineMask& walls)
{
    std::vector<std::uint8_t> taken(static_cast<std::size_t>(image.width()) *
                                    static_cast<std::size_t>(image.height()));
    WalledArea area{walls, taken, static_cast<std::size_t>(image.width())};
    std::vector<Span> spans;
    fill_area(area, image.width(), image.height(), seed, [&](int y, int x1, int x2) {
        spans.push_back({y, x1, x2});
    });
    return paint_runs<Pixel>(row_pointers<Pixel>(image), spans, paint, style);
}

// Writes the hatch over a run of an area taken before: the brush colour under the lines, the
// seed colour between them, eight pixels at a time where the run allows.
template <typename Pixel> void write_hatch(Pixel* row, const std::array<Pixel, 8>& pattern, int x1, int x2)
{
    for (; x1 <= x2 && (x1 & 7) != 0; ++x1)
        row[x1] = pattern[static_cast<std::size_t>(x1 & 7)];
    for (; x1 + 7 <= x2; x1 += 8)
        std::memcpy(row + x1, pattern.data(), sizeof(pattern));
    for (; x1 <= x2; ++x1)
        row[x1] = pattern[static_cast<std::size_t>(x1 & 7)];
}

// Only the pixels under the hatch lines change; the box is theirs, not the whole area's.
void add_hatched_run(ChangedBox& changed, std::uint8_t bits, const Span& span)
{
    int x1 = span.x1;
    int x2 = span.x2;
    while (x1 <= x2 && (bits >> (x1 & 7) & 1u) == 0)
        ++x1;
    while (x2 >= x1 && (bits >> (x2 & 7) & 1u) == 0)
        --x2;
    changed.add(span.y, x1, x2);
}

// The gaps of a hatch keep the seed colour, so the area is first taken with a mark of another
// value and then written again run by run.
template <typename Pixel, bool Walled>
QRect fill_hatched(std::span<Pixel* const> rows, int width, QPoint seed, Pixel paint, BrushStyle style,
                   const OutlineMask* walls)
{
    const Pixel seed_value = rows[static_cast<std::size_t>(seed.y())][seed.x()];
    SeedArea<Pixel, Walled> area{rows, seed_value, static_cast<Pixel>(seed_value ^ 1u), walls};
    std::vector<Span> spans;
    fill_area(area, width, static_cast<int>(rows.size()), seed, [&](int y, int x1, int x2) {
        spans.push_back({y, x1, x2});
    });
    std::array<std::uint8_t, 8> bits{};
    std::array<std::array<Pixel, 8>, 8> patterns{};
    for (std::size_t y = 0; y < 8; ++y) {
        bits[y] = hatch_row_bits(style, static_cast<int>(y));
        for (std::size_t x = 0; x < 8; ++x)
            patterns[y][x] = (bits[y] >> x & 1u) != 0 ? paint : seed_value;
    }
    ChangedBox changed;
    for (const Span& span : spans) {
        const auto cell_row = static_cast<std::size_t>(span.y & 7);
        write_hatch(rows[static_cast<std::size_t>(span.y)], patterns[cell_row], span.x1, span.x2);
        add_hatched_run(changed, bits[cell_row], span);
    }
    return changed.rect();
}

template <typename Pixel, bool Walled>
QRect fill_pixels(QImage& image, QPoint seed, Pixel paint, BrushStyle style, const OutlineMask* walls)
{
    const std::vector<Pixel*> rows = row_pointers<Pixel>(image);
    const Pixel seed_value = rows[static_cast<std::size_t>(seed.y())][seed.x()];
    if (seed_value == paint)
        return {};
    if (is_hatch(style))
        return fill_hatched<Pixel, Walled>(rows, image.width(), seed, paint, style, walls);
    SeedArea<Pixel, Walled> area{rows, seed_value, paint, walls};
    ChangedBox changed;
    fill_area(area, image.width(), image.height(), seed,
              [&](int y, int x1, int x2) { changed.add(y, x1, x2); });
    return changed.rect();
}

template <typename Pixel>
QRect fill_within_walls(QImage& image, QPoint seed, Pixel paint, BrushStyle style, const OutlineMask* walls)
{
    // The unwalled fill keeps its inner loop free of the mask.
    if (walls != nullptr)
        return fill_pixels<Pixel, true>(image, seed, paint, style, walls);
    return fill_pixels<Pixel, false>(image, seed, paint, style, walls);
}

} // namespace

QRect flood_fill(Bitmap& bitmap, QPoint seed, const Brush& brush, const OutlineMask* kept)
{
    if (!paints(brush.style) || !drawable(bitmap) || !bitmap.contains(seed.x(), seed.y()))
        return {};
    const OutlineMask* walls = fitting_mask(kept, bitmap);
    // A press on a kept pixel fills nothing: the pixel itself may not change.
    if (walls != nullptr && walls->keeps(seed.x(), seed.y()))
        return {};
    QImage& image = bitmap.image();
    const std::uint32_t paint = stored_value(bitmap, brush.colour);
    if (stores_indices(bitmap))
        return fill_within_walls<std::uint8_t>(image, seed, static_cast<std::uint8_t>(paint), brush.style,
                                               walls);
    return fill_within_walls<std::uint32_t>(image, seed, paint, brush.style, walls);
}

QRect fill_between_outlines(Bitmap& bitmap, QPoint seed, const Brush& brush, const OutlineMask* kept)
{
    const OutlineMask* walls = fitting_mask(kept, bitmap);
    if (walls == nullptr)
        return flood_fill(bitmap, seed, brush, kept);
    if (!paints(brush.style) || !drawable(bitmap) || !bitmap.contains(seed.x(), seed.y()) ||
        walls->keeps(seed.x(), seed.y()))
        return {};
    QImage& image = bitmap.image();
    const std::uint32_t paint = stored_value(bitmap, brush.colour);
    if (stores_indices(bitmap))
        return fill_walled_area<std::uint8_t>(image, seed, static_cast<std::uint8_t>(paint), brush.style,
                                              *walls);
    return fill_walled_area<std::uint32_t>(image, seed, paint, brush.style, *walls);
}

std::vector<bool> region_around(const Bitmap& bitmap, QPoint seed)
{
    std::vector<bool> mask(static_cast<std::size_t>(bitmap.width()) *
                           static_cast<std::size_t>(bitmap.height()));
    if (!bitmap.contains(seed.x(), seed.y()))
        return mask;
    MaskArea area{bitmap, mask, bitmap.pixel(seed.x(), seed.y())};
    fill_area(area, bitmap.width(), bitmap.height(), seed, [](int, int, int) {});
    return mask;
}

} // namespace pixels
